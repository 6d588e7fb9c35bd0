#include "files/member_add.h"

#include <algorithm>
#include <sstream>
#include <vector>

#include "files/member_file.h"
#include "files/member_lookup.h"
#include "files/register_lock.h"
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

std::string appendMemberToFile(const std::string& path, Member& member, int nextFreeId) {
    RegisterLock lock(path);
    std::string old;
    if (!lock.held() || !lock.readAll(old)) return cannotWriteMessage(path);

    // Another program may have added persons since this one read the register: their club
    // numbers are taken too. Federation numbers belong to the person and stay as typed.
    std::istringstream lines(old);
    const std::vector<Member> inFile = readMemberLines(lines);
    int highest = nextFreeId - 1;
    bool taken = false;
    for (const Member& other : inFile) {
        if (other.memberId >= kFirstFederationNumber) continue;
        highest = std::max(highest, other.memberId);
        taken = taken || other.memberId == member.memberId;
    }
    if (taken && member.memberId < kFirstFederationNumber) member.memberId = highest + 1;

    // The register stays in the encoding and line ends it has (an editor that saved it as
    // UTF-8 with LF must not find one line in another form), so the new line is only added.
    // Replacing the whole file instead would make a program waiting for the lock find a file
    // nobody reads any more, again and again while this one adds persons.
    const RegisterForm form = registerForm(old);
    // A file whose last line lacks its line end would swallow the new member.
    std::string text = !old.empty() && old.back() != '\n' ? form.lineEnd : "";
    text += registerLineBytes(memberLine(member), form);
    return lock.appendWhole(text, old.size()) ? "" : cannotWriteMessage(path);
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
    result.message = pairSeparatorMessage(longName(member));
    if (!result.message.empty()) return result;
    if (!survivesTheFile(member)) {
        result.message = "Personen kan inte sparas i medlemsregistret s\xe5 h\xe4r: " + name;
        return result;
    }
    const int wanted = member.memberId;
    result.message = appendMemberToFile(registerPath, member, nextFreeMemberId(reg));
    if (result.message.empty() && member.memberId != wanted)
        result.message = "Id " + std::to_string(wanted) + " fanns redan i medlemsregistret; " +
                         longName(member) + " fick id " + std::to_string(member.memberId) + ".";
    result.member = reg.append(member);
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
