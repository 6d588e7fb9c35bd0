#pragma once

#include <span>

#include "model/contest.h"

// Pairs scored in IMPs. A board's bridge scores are compared among themselves: with
// cross-IMPs each against every other one, the IMPs averaged over the comparisons; with
// Butler each against the board's datum. EW get the negation of NS's IMPs.
// An adjusted result is compared with nothing: each side gets 3 IMPs for every 10 % its
// percentage lies above 50 % (60 % is +3, 40 % is -3), the IMP-pairs custom for average plus
// and minus. A result without a score is left out of every comparison and gets no points.
namespace vindelkast {

// The IMPs a score difference is worth on the standard scale (0 to 24, signed as the
// difference): 20-40 is 1, 50-80 is 2 ... 4000 and more is 24.
int impsForDifference(int difference);

// The board's datum: the mean of the NS scores, after leaving out the highest and the lowest
// when there are at least 5, rounded to the nearest 10 (halves away from zero). 0 for none.
int butlerDatum(std::span<const int> nsScores);

// The datum of a board's bridge scores (adjusted and unscored results left out).
int boardDatum(const Board& board);

// The IMPs a side with an adjusted result's percentage gets.
double adjustedImps(int percent);

// Scores both sides of every result in IMPs by `method` (CrossImps or Butler).
void scoreBoardInImps(Board& board, ScoringMethod method);

}  // namespace vindelkast
