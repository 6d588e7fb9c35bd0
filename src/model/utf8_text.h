#pragma once

#include <cstddef>
#include <string>

// Text in UTF-8: what a terminal, a browser or a phone reads and writes. The contest's text
// and the program's own are Windows-1252 bytes in a plain std::string; text in UTF-8 carries
// its encoding in its type, so that the two are never joined unconverted
// (files/text_encoding.h converts).
namespace vindelkast {

struct Utf8 {
    std::string bytes;

    bool operator==(const Utf8&) const = default;
    Utf8& operator+=(const Utf8& more) {
        bytes += more.bytes;
        return *this;
    }
    friend Utf8 operator+(Utf8 text, const Utf8& more) { return text += more; }
};

// The bytes that open a file to say it is UTF-8.
inline constexpr const char* kUtf8ByteOrderMark = "\xef\xbb\xbf";

// A literal written in UTF-8: "Anv\xc3\xa4ndning"_utf8.
inline Utf8 operator""_utf8(const char* text, std::size_t size) { return Utf8{std::string(text, size)}; }

}  // namespace vindelkast
