#pragma once

#include <optional>
#include <vector>

#include "model/contest.h"
#include "output/view_line.h"

namespace vindelkast {

// The score tables (travellers) of board `board`, or of every board of its round when
// `roundWise` (each followed by an empty line). Adjusted scores are red. Nothing when the
// board is outside 1..boardCount: the pane then keeps what it shows.
std::optional<std::vector<ViewLine>> scoreTableLines(const Contest& contest, int board, bool roundWise);

}  // namespace vindelkast
