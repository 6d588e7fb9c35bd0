#pragma once

#include "model/contest.h"

namespace vindelkast::test {

// Gives boards 1..dealCount a kept analysis without running the solver: a trick table that
// differs from board to board (North-South take 7 + board % 6 in notrump) with its par.
void keepSampleAnalyses(Contest& contest);

}  // namespace vindelkast::test
