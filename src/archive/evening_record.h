#pragma once

#include <string>
#include <vector>

#include "archive/evening.h"
#include "model/contest.h"
#include "model/member_register.h"

namespace vindelkast {

// An evening made from a contest, or the message why it could not be.
struct EveningReading {
    Evening evening;
    std::string message;          // "" when the evening can be archived
    bool dateUnreadable = false;  // the message asks for the date: give one and try again
    bool nothingScored = false;   // no set-up or no result yet: there is no evening to keep
};

// A pair's two players (an individual contest's one), as the archive keeps them.
std::vector<ArchivedPlayer> playersOf(const Contest& contest, int number);

// A team event's teams as the evening ended for them, in order of place: each team's own
// rounds with the director's corrections, without what earlier evenings of its series brought.
void addTeams(const Contest& contest, Evening& evening);

// What the archive keeps of a scored contest: its standings as the standings view shows
// them (percent to one decimal, running places), every scored result and the contracts the
// tables gave. `date` replaces a contest date that cannot be read ("" asks for none). A
// contest without a scored result is refused: its players would all count 0 %.
EveningReading eveningFromContest(const Contest& contest, const std::string& date = "");

// Reads a contest file (and the contracts kept beside it) the way opening it does, with names
// looked up in `reg` (a missing name is a guest), and makes its evening. A file that is not
// a contest, or has lines that could not be read, is refused with the reason.
EveningReading readEveningFile(const std::string& path, MemberRegister& reg, const std::string& date = "");

}  // namespace vindelkast
