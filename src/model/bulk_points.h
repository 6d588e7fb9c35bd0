#pragma once

#include "model/contest.h"

namespace vindelkast {

// Gives every board the weight of the most-played boards: the matchpoints of a board with
// n scored results (1 < n < nmax) are multiplied by (nmax - 1) / (n - 1). Sides without
// points keep their mark. With the contest's rule by Neuberg's formula,
// (points + 1) * nmax / n - 1 instead. Returns the number of boards levelled; a contest
// scored in IMPs has none to level.
int levelBoards(Contest& contest);

// Gives the contest the director's scoring rule. A change of method scores every board afresh
// (points of one method mean nothing under another); a change of the matchpoint scaling only
// applies to what is scored and levelled from then on. Returns whether the rule changed.
bool chooseScoringRule(Contest& contest, const ScoringRule& rule);

// Matchpoints across the field or per section for an evening in sections; a change scores
// every board afresh. Returns whether it changed anything (never without sections).
bool chooseSectionComparison(Contest& contest, bool acrossField);

// Points of a board played n times raised to the most-played boards' count: linearly by
// (most - 1) / (n - 1), or by Neuberg's formula; a side without points keeps its mark.
float raisedPoints(float points, int n, int most, bool neuberg);

// Raises a board scored among n results to the most-played boards' count, the results of
// section `section` only (-1: every result): a bridge score's points by raisedPoints, an
// adjusted score's to its share of the raised top, which it was given of the board's slots.
void raiseBoard(Board& board, int n, int most, bool neuberg, int section = -1);

// Scores boards 1..boardCount afresh, as result entry does after every stored score.
void rescoreBoards(Contest& contest);

}  // namespace vindelkast
