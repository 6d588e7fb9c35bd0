#include "files/foreign_text.h"

#include <cctype>
#include <cstdint>

#include "files/text_encoding.h"
#include "files/text_fields.h"
#include "model/board_scoring.h"

namespace vindelkast {

namespace {

// No bridge score reaches further: seven down redoubled and vulnerable is 7600.
constexpr int kHighestScore = 7600;

std::string upperAscii(std::string_view text) {
    std::string out;
    for (char c : text)
        if (c != ' ' && c != '\t') out += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

bool allDigits(std::string_view text) {
    if (text.empty()) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    return true;
}

int digitsValue(std::string_view text) {
    int value = 0;
    for (char c : text) value = value * 10 + (c - '0');
    return value;
}

void adjusted(ImportedScore& score, int ns, int ew) {
    score.kind = ImportedScore::Kind::Adjusted;
    score.nsPercent = ns;
    score.ewPercent = ew;
}

// "40%", "60%/40%", "60%-40%": the NS share, and EW's when it is given.
bool parsePercents(const std::string& t, ImportedScore& score) {
    const auto percent = t.find('%');
    if (percent == std::string::npos || percent == 0 || !allDigits(t.substr(0, percent))) return false;
    const int ns = digitsValue(t.substr(0, percent));
    std::string rest = t.substr(percent + 1);
    if (!rest.empty() && (rest[0] == '/' || rest[0] == '-')) rest.erase(0, 1);
    if (rest.empty()) {
        if (ns > 100) return false;
        adjusted(score, ns, 100 - ns);
        return true;
    }
    if (rest.back() != '%' || !allDigits(rest.substr(0, rest.size() - 1)) || rest.size() > 4) return false;
    const int ew = digitsValue(rest.substr(0, rest.size() - 1));
    if (ns > 100 || ew > 100) return false;
    adjusted(score, ns, ew);
    return true;
}

// "A", "AVE", "A=", "A+", "A-", "A5050", "A60A40", "A60".
bool parseArtificial(const std::string& t, ImportedScore& score) {
    if (t.empty() || t[0] != 'A') return false;
    std::string rest = t.substr(1);
    if (rest.rfind("VE", 0) == 0 || rest.rfind("VG", 0) == 0)
        rest.erase(0, 2);
    else if (rest.rfind("V", 0) == 0)
        rest.erase(0, 1);
    if (rest.empty() || rest == "=") return adjusted(score, 50, 50), true;
    if (rest == "+") return adjusted(score, 60, 40), true;
    if (rest == "-") return adjusted(score, 40, 60), true;
    if (rest == "+-") return adjusted(score, 60, 40), true;
    if (rest == "-+") return adjusted(score, 40, 60), true;
    const auto second = rest.find('A');
    std::string ns = rest.substr(0, second);
    std::string ew = second == std::string::npos ? "" : rest.substr(second + 1);
    if (ew.empty() && ns.size() == 4) {
        ew = ns.substr(2);
        ns = ns.substr(0, 2);
    }
    if (!allDigits(ns) || ns.size() > 3 || (!ew.empty() && (!allDigits(ew) || ew.size() > 3))) return false;
    const int nsShare = digitsValue(ns);
    const int ewShare = ew.empty() ? 100 - nsShare : digitsValue(ew);
    if (nsShare > 100 || ewShare < 0 || ewShare > 100) return false;
    adjusted(score, nsShare, ewShare);
    return true;
}

}  // namespace

bool parseForeignScore(std::string_view text, ImportedScore& score) {
    const std::string t = upperAscii(text);
    if (t == "PASS" || t == "P" || t == "PO" || t == "AP") {
        score = {ImportedScore::Kind::Bridge, 0, 0, 0};
        return true;
    }
    if (const auto number = parseInt(t)) {
        if (*number < -kHighestScore || *number > kHighestScore) return false;
        score = {ImportedScore::Kind::Bridge, *number, 0, 0};
        return true;
    }
    // The program's own marks: "%+-", "%=", "M+".
    const int code = parseAdjustedScore(t);
    if (code >= kAdjustedBase) {
        adjusted(score, (code - kAdjustedBase) / 10 * 10, (code - kAdjustedBase) % 10 * 10);
        return true;
    }
    return parsePercents(t, score) || parseArtificial(t, score);
}

std::string parseForeignContract(std::string_view text, Contract& contract) {
    std::string t = upperAscii(text);
    if (t.empty() || t == "PASS" || t == "P" || t == "PO" || t == "AP" || t == "PASSED") {
        contract = Contract{};
        return "";
    }
    // One program doubles with "*", another with "X", a third with "x".
    for (char& c : t)
        if (c == '*') c = 'X';
    return parseContract(t, contract);
}

int parseForeignTricks(const Contract& contract, std::string_view text) {
    const std::string t = upperAscii(text);
    if (allDigits(t) && t.size() <= 2) {
        const int tricks = digitsValue(t);
        return tricks <= 13 ? tricks : -1;
    }
    if (t == "=" || t == "MADE") return tricksFromResult(contract, "=");
    return tricksFromResult(contract, t);
}

std::string isoDate(std::string_view text) {
    const std::string t(text);
    const auto digitsAt = [&t](std::size_t at, std::size_t count) {
        return at + count <= t.size() && allDigits(std::string_view(t).substr(at, count));
    };
    if (t.size() == 10 && digitsAt(0, 2) && t[2] == '/' && digitsAt(3, 2) && t[5] == '/' && digitsAt(6, 4))
        return t.substr(6, 4) + "-" + t.substr(3, 2) + "-" + t.substr(0, 2);
    if (t.size() == 10 && digitsAt(0, 4) && (t[4] == '.' || t[4] == '-') && digitsAt(5, 2) && t[7] == t[4] &&
        digitsAt(8, 2))
        return t.substr(0, 4) + "-" + t.substr(5, 2) + "-" + t.substr(8, 2);
    return t;
}

std::string cp1252FromForeign(std::string_view text, bool& lost) {
    std::string out;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const auto lead = static_cast<std::uint8_t>(text[pos]);
        const std::size_t length = lead < 0x80             ? 1
                                   : (lead & 0xE0) == 0xC0 ? 2
                                   : (lead & 0xF0) == 0xE0 ? 3
                                   : (lead & 0xF8) == 0xF0 ? 4
                                                           : 0;
        bool sequence = length > 0 && pos + length <= text.size();
        for (std::size_t i = 1; sequence && i < length; ++i)
            sequence = (static_cast<std::uint8_t>(text[pos + i]) & 0xC0) == 0x80;
        // Not UTF-8 at all: a Latin-1 or Windows-1252 file, whose bytes are ours already.
        if (!sequence) return std::string(text);
        const auto character = utf8ToCp1252(text.substr(pos, length));
        if (character) {
            out += *character;
        } else {
            out += '?';
            lost = true;
        }
        pos += length;
    }
    return out;
}

std::string tidyText(std::string_view text) {
    std::string out;
    bool blank = false;
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            blank = !out.empty();
            continue;
        }
        if (blank) out += ' ';
        blank = false;
        out += byte < 0x20 || byte == 0x7f ? '?' : c;
    }
    return out;
}

std::string noteText(const ImportNote& note) {
    if (note.line <= 0) return note.text;
    return "rad " + std::to_string(note.line) + ": " + note.text;
}

}  // namespace vindelkast
