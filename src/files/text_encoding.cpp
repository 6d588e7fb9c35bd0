#include "files/text_encoding.h"

#include <array>
#include <cstdint>

namespace vindelkast {

namespace {

// Code points of bytes 0x80..0x9F; 0 where Windows-1252 has no character.
constexpr std::array<char32_t, 32> kHighTable{0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                              0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                              0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                              0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

std::optional<char> toCp1252(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
    for (std::size_t i = 0; i < kHighTable.size(); ++i)
        if (kHighTable[i] == cp && cp != 0) return static_cast<char>(0x80 + i);
    return std::nullopt;
}

// Decodes one UTF-8 sequence at `pos`; nothing when it is malformed.
std::optional<char32_t> decodeUtf8(std::string_view text, std::size_t& pos) {
    const auto lead = static_cast<std::uint8_t>(text[pos]);
    int extra = 0;
    char32_t cp = 0;
    if (lead < 0x80) {
        cp = lead;
    } else if ((lead & 0xE0) == 0xC0) {
        extra = 1;
        cp = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        cp = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3;
        cp = lead & 0x07;
    } else {
        return std::nullopt;
    }
    if (pos + extra >= text.size()) return std::nullopt;
    for (int i = 1; i <= extra; ++i) {
        const auto next = static_cast<std::uint8_t>(text[pos + i]);
        if ((next & 0xC0) != 0x80) return std::nullopt;
        cp = (cp << 6) | (next & 0x3F);
    }
    // Overlong forms and surrogates are not characters (C0 80 must not become a NUL).
    constexpr char32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};
    if (cp < kSmallest[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return std::nullopt;
    pos += extra + 1;
    return cp;
}

// UTF-8 → Windows-1252. A character Windows-1252 lacks becomes `missing`, or fails the
// whole text when there is no stand-in; malformed UTF-8 always fails.
std::optional<std::string> encodeCp1252(std::string_view text, std::optional<char> missing) {
    std::string out;
    out.reserve(text.size());
    std::size_t pos = 0;
    while (pos < text.size()) {
        const auto cp = decodeUtf8(text, pos);
        if (!cp) return std::nullopt;
        auto byte = toCp1252(*cp);
        if (!byte) byte = missing;
        if (!byte) return std::nullopt;
        out += *byte;
    }
    return out;
}

}  // namespace

std::string cp1252ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    for (char c : text) {
        const auto byte = static_cast<std::uint8_t>(c);
        char32_t cp = byte;
        if (byte >= 0x80 && byte < 0xA0) cp = kHighTable[byte - 0x80] ? kHighTable[byte - 0x80] : 0xFFFD;
        appendUtf8(out, cp);
    }
    return out;
}

std::optional<std::string> utf8ToCp1252(std::string_view text) { return encodeCp1252(text, std::nullopt); }

std::optional<std::string> utf8ToCp1252Replacing(std::string_view text) { return encodeCp1252(text, '?'); }

std::string notRepresentableMessage() {
    return "Namnet inneh\xe5ller tecken som inte kan sparas i medlemsregistret";
}

char lowerCp1252(char c) {
    const auto byte = static_cast<std::uint8_t>(c);
    if (byte >= 'A' && byte <= 'Z') return static_cast<char>(byte + 32);
    if (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7) return static_cast<char>(byte + 32);
    if (byte == 0x8A || byte == 0x8C || byte == 0x8E) return static_cast<char>(byte + 16);
    if (byte == 0x9F) return static_cast<char>(0xFF);
    return c;
}

bool isUpperCp1252(char c) { return lowerCp1252(c) != c; }

std::string toLowerCp1252(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = lowerCp1252(c);
    return out;
}

Utf8 toUtf8(std::string_view cp1252) { return Utf8{cp1252ToUtf8(cp1252)}; }

std::string fromUtf8(const Utf8& text) { return utf8ToCp1252Replacing(text.bytes).value_or("?"); }

}  // namespace vindelkast
