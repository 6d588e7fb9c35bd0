#pragma once

#include <string>
#include <string_view>

#include "model/contest.h"

// The movement's rounds and table numbers, in a file of their own beside the contest file
// ("NAME.ronder"), so the contest file stays as every reader knows it. The contest file
// keeps a board's slots in playing order only, and its reader numbers them 1, 2, 3...:
// a board that rests in some rounds, or that two tables play in one round (a relay and a
// shared board group), would come back another movement. Text after a versioned header:
//   %RONDER 1
//   S BOARD NS EW ROUND       each slot's round
//   T ROUND NS EW TABLE       the guide card's table of each seat
namespace vindelkast {

inline constexpr const char* kRoundsExtension = ".ronder";

// The whole file as text (Windows-1252, CR LF), or "" when reading the contest file alone
// gives back the same rounds and there are no card tables to keep.
std::string writeRounds(const Contest& contest);

// Puts the rounds on the slots of a contest just read and the tables into its movement,
// and sorts the boards again. Returns "" on success, else the message; the contest is then
// left as it was.
std::string readRounds(Contest& contest, std::string_view text);

}  // namespace vindelkast
