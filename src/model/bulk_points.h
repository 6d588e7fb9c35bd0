#pragma once

#include "model/contest.h"

namespace vindelkast {

// Gives every board the weight of the most-played boards: the matchpoints of a board with
// n scored results (1 < n < nmax) are multiplied by (nmax - 1) / (n - 1). Sides without
// points keep their mark. With the contest's `neuberg` set, Neuberg's formula
// (points + 1) * nmax / n - 1 instead. Returns the number of boards levelled.
int levelBoards(Contest& contest);

// Scores boards 1..boardCount afresh, as result entry does after every stored score.
void rescoreBoards(Contest& contest);

}  // namespace vindelkast
