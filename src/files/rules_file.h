#pragma once

#include <string>
#include <string_view>

#include "model/contest.h"

// The scoring rules the director chose for the contest beyond the program's defaults, in a
// file of their own beside the contest file ("NAME.regler"), which every reader knows as it
// is. Reopening a contest scored by Neuberg's formula must go on scoring it so: a board
// scored again by the linear rule would move the standings without anyone asking for it.
//   %REGLER 1
//   NEUBERG          adjusted results and levelling by Neuberg's formula
//   KORSIMP          pairs scored in cross-IMPs instead of matchpoints
//   BUTLER           pairs scored in IMPs against the board's datum
// A matchpoint contest's file is as it always was. A version that knows no IMPs refuses the
// file of an IMP contest ("okänd regel") rather than matchpointing its boards again.
namespace vindelkast {

inline constexpr const char* kRulesExtension = ".regler";

// The whole file as text (Windows-1252, CR LF), or "" when the contest keeps the defaults.
std::string writeRules(const Contest& contest);

// Sets the contest's rules from the file; a contest without one keeps the defaults, as
// reading its contest file left them. Returns "" or the message; the contest is then left
// as it was.
std::string readRules(Contest& contest, std::string_view text);

}  // namespace vindelkast
