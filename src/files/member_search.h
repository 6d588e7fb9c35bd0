#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/contest.h"
#include "model/member_register.h"

namespace vindelkast {

// What a name typed into the start list asks for: the start of a surname and the start of
// a first name (empty: any), compared with or without regard to case.
struct NameQuery {
    std::string surnameStart;
    std::string firstNameStart;
    bool exactCase = false;
};

// The query a typed text stands for: its first word starts the surname, its second the
// first name, further words do not count. A text with a capital (A-Z, Å, Ä, Ö) compares
// exactly, any other text without regard to case. Nothing when the text is empty or does
// not begin with a letter: then the names offered so far stay.
std::optional<NameQuery> nameQueryFor(std::string_view typed);

bool matchesNameQuery(const Member& member, const NameQuery& query);

// The members the query finds, in register order, over the whole register from entry 0
// (the bye person) on; an empty entry ends the walk. Members already in the start list
// (first or second person of a participant 1..maxPairNumber) are left out.
std::vector<const Member*> searchMembers(const MemberRegister& reg, const Contest& contest,
                                         const NameQuery& query);

}  // namespace vindelkast
