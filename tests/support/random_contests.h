#pragma once

#include <random>

#include "model/contest.h"

namespace vindelkast::test {

// Contests of every shape the model can hold, for tests that compare a quick way of
// computing something with the plain one: individual or pairs, with or without a bye pair,
// results scored, unscored and adjusted, and also the odd shapes a damaged file or a half-typed
// grid leaves (a pair twice on a board, pair 0, points that no scoring gives).
void fillRandomContest(Contest& contest, std::mt19937& random);

// One change as the evening makes them: a score typed, changed or cleared, a board scored
// again, a pair number changed, a result added or removed, the results sorted into another
// order, another bye pair or contest kind.
// Returns the board it changed (0: the whole contest).
int changeRandomly(Contest& contest, std::mt19937& random);

}  // namespace vindelkast::test
