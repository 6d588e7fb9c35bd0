#pragma once

#include <string_view>
#include <vector>

#include "model/contest.h"
#include "output/view_line.h"

namespace vindelkast {

// The pair number typed in answer to "För vilket par: ", or 0 when the answer is not a
// number from 1 to maxPairNumber.
int privateProtocolPair(const Contest& contest, std::string_view answer);

// One line per board (the pair's seat, scores, matchpoints and opponents, or "frirond"),
// then the NS and EW sums. Empty in an individual contest or for a pair outside
// 1..maxPairNumber.
std::vector<ViewLine> privateProtocolLines(const Contest& contest, int pair);

}  // namespace vindelkast
