#pragma once

#include <string>
#include <string_view>

#include "model/contest.h"

namespace vindelkast {

enum class Side { NorthSouth, EastWest };

// Matchpoints of one side of every result: 2 for each result beaten, 1 for each tie,
// adjusted results get their percentage of the full top and tie with every bridge score.
// With the rule's `neuberg` set, the bridge scores are instead matchpointed among
// themselves and raised to the board's whole field by Neuberg's formula. A rule in IMPs
// scores the board in IMPs instead (model/imp_scoring.h).
void scoreSide(Board& board, Side side, const ScoringRule& rule);
void scoreBoard(Board& board, const ScoringRule& rule);

// Neuberg's formula on the scale of 2 a result beaten: matchpoints earned among `played`
// results, as if the board had been played `outOf` times: (points + 1) * outOf / played - 1.
double neubergPoints(double points, int played, int outOf);
// An adjusted score's matchpoints for one side on a board of the given top: its percentage of
// that top, to one decimal.
float adjustedPoints(int code, Side side, int top);
// A bridge score's matchpoints on a board that also has adjusted results.
double withAdjusted(double points, int bridgeCount, int adjustedCount, bool neuberg);

// "%+-", "M+", "%=" ... → adjusted-score code, or -9999 when the text is not one.
int parseAdjustedScore(std::string_view text);
// The display form of an adjusted code ("%+-"); empty below 10000.
std::string adjustedScoreText(int code);
// Completes a score typed without its trailing zeros (42 → 420, 5 → 50).
int expandTypedScore(int typed);
// 0 when the score fits the board's vulnerability, else 1 ("ozon") or 2 ("zon").
int checkPlausibility(int nsScore, int board);
// The message that goes with a plausibility code; empty for 0.
std::string plausibilityMessage(int code);
// The largest integer not above x + 0.5.
int roundHalfUp(double x);

}  // namespace vindelkast
