#include "files/imported_names.h"

#include <algorithm>

#include "files/foreign_text.h"
#include "files/member_file.h"
#include "files/member_lookup.h"
#include "files/text_fields.h"

namespace vindelkast {

namespace {

// A word of a name: it holds a letter (a Windows-1252 letter counts), not only digits and signs.
bool hasLetter(std::string_view word) {
    return std::any_of(word.begin(), word.end(), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || static_cast<unsigned char>(c) >= 0xC0;
    });
}

std::string withNoBreakSpaces(std::string text) {
    std::replace(text.begin(), text.end(), ' ', kNoBreakSpace);
    return text;
}

// Surname last when that last word is a name; a number there ("Visitor 1") belongs to the
// whole name.
Member splitNaturalOrder(const std::string& name) {
    Member member;
    const auto blank = name.rfind(' ');
    if (blank == std::string::npos || !hasLetter(name.substr(blank + 1))) {
        member.surname = name;
        return member;
    }
    member.surname = name.substr(blank + 1);
    member.firstName = name.substr(0, blank);
    return member;
}

}  // namespace

bool nameReadsBack(const Member& member) {
    const std::string name = longName(member);
    if (name.empty() || name == "--" || name == "fripar" || !pairSeparatorMessage(name).empty()) return false;
    if (isRegisterComment(name) || longName(parseMemberLine(name)) != name) return false;
    const Member back = parseMemberLine(memberLine(member));
    return back.surname == member.surname && back.firstName == member.firstName;
}

Member memberFromForeignName(std::string_view name) {
    const std::string tidy = tidyText(name);
    if (tidy.empty() || tidy == "--") return {};
    Member member = splitNaturalOrder(tidy);
    if (nameReadsBack(member)) return member;
    member.firstName = withNoBreakSpaces(member.firstName);
    if (nameReadsBack(member)) return member;
    member.surname = withNoBreakSpaces(longName(member));
    member.firstName.clear();
    if (!nameReadsBack(member)) member.surname.insert(member.surname.begin(), kNoBreakSpace);
    return member;
}

std::string foreignName(const Member& member) {
    if (member.firstName.empty()) return member.surname;
    return member.firstName + " " + member.surname;
}

Member* registerMemberFor(MemberRegister& reg, const ImportedPlayer& player, int line,
                          std::vector<ImportNote>& notes) {
    const std::string written = tidyText(player.name);
    Member wanted = memberFromForeignName(written);
    if (wanted.surname.empty()) return nullptr;
    // The club's own register may hold the person in either order of the words; its entry 0
    // is the bye person, whom no player of a file is.
    const auto known = [&reg](const std::string& name) {
        Member* found = reg.findByLongName(name);
        return found == &reg.byeMember() ? nullptr : found;
    };
    const auto blank = written.rfind(' ');
    if (blank != std::string::npos)
        if (Member* found = known(written.substr(blank + 1) + " " + written.substr(0, blank))) return found;
    if (Member* found = known(written)) return found;
    if (player.memberId >= kFirstFederationNumber) {
        for (Member* member : reg.entries()) {
            if (!member || member->memberId != player.memberId) continue;
            notes.push_back({line, written + " finns i medlemsregistret som " + longName(*member) + " (id " +
                                       std::to_string(player.memberId) + ")"});
            return member;
        }
    }
    if (Member* found = known(longName(wanted))) return found;
    if (longName(wanted) != longName(splitNaturalOrder(written)))
        notes.push_back({line, "namnet " + written +
                                   " skrivs med h\xe5rda mellanslag s\xe5 att det kan l\xe4sas "
                                   "tillbaka ur t\xe4vlingsfilen"});
    wanted.memberId = player.memberId;
    return reg.append(wanted);
}

}  // namespace vindelkast
