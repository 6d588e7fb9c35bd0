#include "files/member_file.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>
#include <sstream>

#include "files/file_platform.h"
#include "files/text_encoding.h"
#include "files/text_fields.h"

namespace vindelkast {

namespace {

constexpr std::string_view kByteOrderMark = kUtf8ByteOrderMark;

bool isPlainAscii(std::string_view bytes) {
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return (c & 0x80) == 0; });
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

// Where a number starts: a digit, a plus sign, or a minus sign directly before a digit
// (a member without identity number is written with -1 and must read back so).
bool startsNumber(std::string_view text, std::size_t i) {
    if (isDigit(text[i]) || text[i] == '+') return true;
    return text[i] == '-' && i + 1 < text.size() && isDigit(text[i + 1]);
}

std::string_view nextWord(std::string_view text, std::size_t& pos) {
    while (pos < text.size() && isSpace(text[pos])) ++pos;
    const std::size_t start = pos;
    while (pos < text.size() && !isSpace(text[pos])) ++pos;
    return text.substr(start, pos - start);
}

}  // namespace

Member parseMemberLine(std::string_view line) {
    Member member;
    std::size_t pos = 0;
    member.surname = std::string(nextWord(line, pos));
    const std::string_view second = nextWord(line, pos);
    bool idRead = false;
    if (!second.empty() && startsNumber(second, 0)) {
        member.memberId = parseLeadingInt(second).value_or(-1);
        idRead = true;
    } else {
        member.firstName = std::string(second);
    }

    std::size_t numberStart = pos;
    while (numberStart < line.size() && !startsNumber(line, numberStart)) ++numberStart;
    // Without any number after the second word the rest of the line is the first name:
    // that is how a contest file stores a person with two given names.
    member.firstName += std::string(line.substr(pos, numberStart - pos));
    pos = numberStart;
    // Blanks around the first name would give a long name that nobody can type or find.
    const auto nameStart = member.firstName.find_first_not_of(" \t\r\n\v\f");
    if (nameStart == std::string::npos) {
        member.firstName.clear();
    } else {
        member.firstName.erase(0, nameStart);
        while (isSpace(member.firstName.back())) member.firstName.pop_back();
    }

    if (!idRead) {
        const std::string_view word = nextWord(line, pos);
        if (const auto id = parseLeadingInt(word)) member.memberId = *id;
    }
    const std::string_view handicap = nextWord(line, pos);
    if (const auto value = parseReal(handicap)) member.handicap = *value;
    return member;
}

std::string memberLine(const Member& member) {
    return longName(member) + " " + std::to_string(member.memberId) + " " + formatGeneral(member.handicap);
}

std::string pairSeparatorMessage(std::string_view name) {
    if (name.find(" /") == std::string_view::npos) return "";
    return "Ett namn f\xe5r inte inneh\xe5lla \" /\" (det skiljer paret \xe5t i startlistan): " +
           std::string(name);
}

bool isRegisterComment(std::string_view line) {
    std::size_t i = 0;
    while (i < line.size() && isSpace(line[i])) ++i;
    return i == line.size() || line[i] == '#';
}

std::string registerText(std::string_view bytes) {
    if (bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark) bytes.remove_prefix(kByteOrderMark.size());
    if (isPlainAscii(bytes)) return std::string(bytes);
    return utf8ToCp1252Replacing(bytes).value_or(std::string(bytes));
}

RegisterForm registerForm(std::string_view bytes) {
    RegisterForm form;
    // Plain ASCII could be either; the program's own encoding keeps its letters readable to
    // the older programs a club may share the file with.
    form.utf8 = bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark ||
                (!isPlainAscii(bytes) && utf8ToCp1252Replacing(bytes).has_value());
    const auto firstEnd = bytes.find('\n');
    if (firstEnd != std::string_view::npos && (firstEnd == 0 || bytes[firstEnd - 1] != '\r'))
        form.lineEnd = "\n";
    return form;
}

std::string registerLineBytes(std::string_view line, const RegisterForm& form) {
    return (form.utf8 ? cp1252ToUtf8(line) : std::string(line)) + form.lineEnd;
}

std::vector<Member> readMemberLines(std::istream& in) {
    std::vector<Member> members;
    std::istringstream text(
        registerText(std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>())));
    std::string line;
    while (std::getline(text, line)) {
        chompCr(line);
        if (!isRegisterComment(line)) members.push_back(parseMemberLine(line));
    }
    return members;
}

std::string registerFileText(const MemberRegister& reg) {
    std::string text;
    for (int i = 1; i < reg.memberCount(); ++i) {
        if (const Member* member = reg.entry(i)) text += memberLine(*member) + "\r\n";
    }
    return text;
}

int loadRegister(const std::string& fileName, MemberRegister& reg) {
    std::ifstream file(filePath(fileName), std::ios::binary);
    if (!file) return 0;
    reg.startWithByeMember();
    std::istringstream in(
        registerText(std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>())));
    std::string line;
    while (std::getline(in, line)) {
        chompCr(line);
        if (isRegisterComment(line)) continue;
        reg.append(parseMemberLine(line));
    }
    return reg.memberCount();
}

}  // namespace vindelkast
