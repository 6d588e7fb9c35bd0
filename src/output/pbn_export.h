#pragma once

#include <ostream>

#include "model/contest.h"

namespace vindelkast {

// The contest as a PBN 2.1 file in export format, UTF-8: per board the game's tags and
// deal, the kept double-dummy analysis when there is one, and the board's score table;
// the first game also carries the standings. Never runs the solver.
void writePbn(const Contest& contest, std::ostream& out);

// "kväll" → "kväll.pbn" when the name has no extension of its own.
std::string pbnFileName(const std::string& path);

}  // namespace vindelkast
