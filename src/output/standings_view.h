#pragma once

#include <string>
#include <vector>

#include "model/contest.h"
#include "output/view_line.h"

namespace vindelkast {

// The caption over the overall standings: "Ställning totalt, medel M".
std::string standingsCaption(const Contest& contest);

// The overall standings: the two team lines and an empty line in a team match, the
// heading, then one line per pair in order of place (the bye pair and empty places left
// out). Where the scoring form does not share places among ties (matchpoints), places are a
// running count, so tied pairs get consecutive places.
std::vector<ViewLine> standingsLines(const Contest& contest);

}  // namespace vindelkast
