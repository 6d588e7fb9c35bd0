#pragma once

#include "model/contest.h"

namespace vindelkast {

// An individual contest's result line seats four players. Returns the first of them (not 0)
// who already sits on the board or is named twice in the line, else 0; a result line that
// seats someone twice must not be stored.
int playerSeatedTwice(const Board& board, int north, int east, int south, int west);

}  // namespace vindelkast
