#pragma once

#include <ostream>
#include <string>

#include "model/contest.h"

namespace vindelkast {

// Why a round page cannot be written for `round` (no rounds, or a round without boards);
// empty when it can.
std::string roundPageRefusal(const Contest& contest, int round);

// The page of one round: the round's leaders, its boards with diagrams and travellers,
// and the standings after the round; the travellers in result order (2). Returns the
// refusal message, writing nothing, when the round has no boards. The window's command
// leaves its contest in result order (2) afterwards, as the page always has.
std::string writeRoundHtml(const Contest& contest, std::ostream& out, int round);

}  // namespace vindelkast
