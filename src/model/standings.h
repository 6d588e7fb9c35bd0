#pragma once

#include <array>

#include "model/contest.h"

namespace vindelkast {

// Totals per pair number and the pair number in each place (0 = an empty place).
struct Totals {
    std::array<float, kParticipantSlots> total{};
    std::array<int, kParticipantSlots> ranking{};
    int n = 0;  // highest pair number; places 1..n
};

Totals computeTotals(const Contest& contest, int firstBoard, int lastBoard, bool compensate, bool handicap);
Totals contestTotals(const Contest& contest);
Totals roundTotals(const Contest& contest, int round);
Totals totalsAfterRound(const Contest& contest, int round);

// Total of an average pair over boards 1..lastBoard (0 or less: every board).
int contestMean(const Contest& contest, int lastBoard = 0);
// The top of a board played by the whole field (across the field in an evening in sections).
int boardTop(const Contest& contest);
// The top a pair's board is scored on: its section's in an evening matchpointed per section.
int pairBoardTop(const Contest& contest, int pair);
int firstBoardOfRound(const Contest& contest, int board);
int lastBoardOfRound(const Contest& contest, int board);
// The round a board belongs to (0 while boards per round is unknown).
int roundOfBoard(const Contest& contest, int board);
// The place that ties share: 1 + the pairs whose total exceeds t by more than 0.05.
int sharedPlace(float total, const Totals& totals);
double percentOfMean(double total, int mean);
// A pair's round total as a percentage of the round's tops.
double roundPercent(const Contest& contest, int pair, double roundTotal);

struct TeamTotals {
    double first = 0.0;
    double second = 0.0;
};
TeamTotals teamTotals(const Totals& totals, int byePair);

// Cuts a total to one decimal towards zero, absorbing single-precision representation
// error (7.1999998 is 7.2, 45.96 is 45.9).
float cutToTenth(double total);

}  // namespace vindelkast
