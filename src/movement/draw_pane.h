#pragma once

#include <string>
#include <vector>

#include "model/contest.h"

namespace vindelkast {

// What "Lotta rond" shows: a message for a box (may be empty) and the lines of the round
// pane (empty when there is nothing to show).
struct DrawPane {
    std::string message;
    std::vector<std::string> lines;
    int round = 0;  // the round shown, 0 when none
};

// Draws the next round and gives the pane's text: "Lottning för rond %d", an empty line,
// one "Bord" line per table and, with a bye pair, the pair that sits out. When results of
// an earlier round are missing, that round's tables are shown again with a message.
DrawPane drawRoundPane(Contest& contest);

// The pane's lines for a round already drawn.
std::vector<std::string> roundTableLines(Contest& contest, int round);

}  // namespace vindelkast
