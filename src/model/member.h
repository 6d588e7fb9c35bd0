#pragma once

#include <string>

namespace vindelkast {

// One person of the member register.
struct Member {
    std::string surname;
    std::string firstName;
    int memberId = -1;
    double handicap = 0.0;
};

// Surname, blank, first name; the surname alone when the first name is empty.
std::string longName(const Member& member);
// Surname, blank, first letter of the first name (nothing after the blank without one).
std::string shortName(const Member& member);

}  // namespace vindelkast
