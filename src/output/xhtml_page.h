#pragma once

#include <ostream>

#include "model/contest.h"

namespace vindelkast {

// The inline style sheet of the XHTML page.
void writeXhtmlStyleSheet(std::ostream& out);

// One board's block of the XHTML page: heading, deal diagram and score table with the
// results in `order`. A board past the leading complete deals is shown without a deal.
void writeBoardBlock(const Contest& contest, const Board& board, int order, std::ostream& out);

// The XHTML 1.0 Strict page: style sheet, the contest file inside, the standings table and
// a grid of board blocks, two to a row. Every board's results are written in `order`; the
// contest is left as it is (settleAfterPageExport gives the window's after-effect).
void writeXhtml(const Contest& contest, std::ostream& out, int order);

}  // namespace vindelkast
