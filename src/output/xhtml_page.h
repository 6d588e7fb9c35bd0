#pragma once

#include <ostream>

#include "model/contest.h"

namespace vindelkast {

// The inline style sheet of the XHTML page.
void writeXhtmlStyleSheet(std::ostream& out);

// One board's block of the XHTML page: heading, deal diagram and score table. A board
// numbered above dealCount is shown without a deal.
void writeBoardBlock(const Contest& contest, const Board& board, std::ostream& out);

// The XHTML 1.0 Strict page: style sheet, the contest file inside, the standings table and
// a grid of board blocks, two to a row. Every board's results are written in `order`; the
// former order is set back afterwards.
void writeXhtml(Contest& contest, std::ostream& out, int order);

}  // namespace vindelkast
