#pragma once

#include "model/contest.h"

// Scoring a contest: a board after a change, every board afresh, and levelling, whether the
// evening is one field, sections scored per section or sections across the field. The one
// place that knows how a contest's boards are scored; a board alone is board_scoring's.
namespace vindelkast {

// Scores after a change of one board's results. A contest without sections scores that
// board alone; per section each section's results among themselves; across the field every
// board, since one board's count moves the top of all.
void scoreContestBoard(Contest& contest, Board& board);

// Scores boards 1..boardCount afresh, as result entry does after every stored score.
void rescoreBoards(Contest& contest);

// Gives every board the weight of the most-played boards: the matchpoints of a board with
// n scored results (1 < n < nmax) are multiplied by (nmax - 1) / (n - 1). Sides without
// points keep their mark. With the contest's rule by Neuberg's formula,
// (points + 1) * nmax / n - 1 instead. Per section, within each section by its own counts.
// Returns the number of boards levelled; a contest scored in IMPs has none to level, nor one
// scored across the field, whose scoring levels already.
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

}  // namespace vindelkast
