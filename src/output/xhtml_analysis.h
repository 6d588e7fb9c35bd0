#pragma once

#include <ostream>

#include "model/contest.h"

namespace vindelkast {

// The double-dummy table and par of a board block on the XHTML page; nothing when the
// board has no kept analysis, so a page without analysis is as it always was.
void writeAnalysisBlock(const Contest& contest, const Board& board, std::ostream& out);

}  // namespace vindelkast
