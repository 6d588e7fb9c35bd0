#include "files/member_add.h"

#include <fstream>

#include "files/member_file.h"
#include "files/member_lookup.h"
#include "files/safe_write.h"
#include "files/text_encoding.h"
#include "files/text_fields.h"

namespace vindelkast {

namespace {

std::string trimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return "";
    return trimRight(text.substr(first));
}

// The number typed in a field: nothing when it is not a whole number.
std::optional<int> typedNumber(std::string_view text) {
    const auto words = splitWords(text);
    if (words.size() != 1) return std::nullopt;
    return parseInt(words[0]);
}

// Whether the member's line in the register file reads back as the same person.
bool survivesTheFile(const Member& member) {
    const std::string line = memberLine(member);
    if (isRegisterComment(line)) return false;
    const Member back = parseMemberLine(line);
    return back.surname == member.surname && back.firstName == member.firstName &&
           back.memberId == member.memberId && back.handicap == member.handicap;
}

}  // namespace

std::string appendMemberToFile(const std::string& path, const Member& member) {
    // A file whose last line lacks its line end would swallow the new member.
    bool needsLineEnd = false;
    {
        std::ifstream old(path, std::ios::binary | std::ios::ate);
        if (old && old.tellg() > 0) {
            old.seekg(-1, std::ios::end);
            needsLineEnd = old.get() != '\n';
        }
    }
    std::ofstream out(path, std::ios::binary | std::ios::app);
    if (!out) return cannotWriteMessage(path);
    if (needsLineEnd) out << "\r\n";
    out << memberLine(member) << "\r\n";
    out.close();
    if (!out) return cannotWriteMessage(path);
    return "";
}

AddedMember addMemberToRegister(MemberRegister& reg, std::string_view nameText, std::string_view idText,
                                std::string_view handicapText, const std::string& registerPath) {
    AddedMember result;
    const std::string name = trimBlanks(nameText);
    Member member;
    const auto blank = name.find(' ');
    member.surname = name.substr(0, blank);
    if (blank != std::string::npos) member.firstName = trimBlanks(name.substr(blank + 1));
    member.memberId = typedNumber(idText).value_or(-1);
    if (member.memberId < 1) member.memberId = nextFreeMemberId(reg);
    member.handicap = typedNumber(handicapText).value_or(0);
    if (member.surname.empty()) {
        result.message = "Skriv personens namn";
        return result;
    }
    if (!survivesTheFile(member)) {
        result.message = "Personen kan inte sparas i medlemsregistret s\xe5 h\xe4r: " + name;
        return result;
    }
    result.member = reg.append(member);
    result.message = appendMemberToFile(registerPath, member);
    return result;
}

AddedMember addMemberToRegisterUtf8(MemberRegister& reg, std::string_view nameUtf8, std::string_view idUtf8,
                                    std::string_view handicapUtf8, const std::string& registerPath) {
    const auto name = utf8ToCp1252(nameUtf8);
    if (!name) return {nullptr, notRepresentableMessage()};
    // Digits and signs are the same in both; anything else is not a number either way.
    return addMemberToRegister(reg, *name, utf8ToCp1252(idUtf8).value_or(""),
                               utf8ToCp1252(handicapUtf8).value_or(""), registerPath);
}

}  // namespace vindelkast
