#pragma once

#include <string>
#include <vector>

#include "model/contest.h"
#include "output/view_line.h"

namespace vindelkast {

// The caption over a round's result: "Resultat rond R".
std::string roundCaption(int round);

// The result of one round: heading, then each pair's round total in order of place with
// short names. Empty for a round below 1 or beyond the contest's boards.
std::vector<ViewLine> roundResultLines(const Contest& contest, int round);

}  // namespace vindelkast
