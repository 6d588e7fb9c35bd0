#pragma once

#include "model/contest.h"

namespace vindelkast {

// addResult's answer when the board already holds its 72 results.
constexpr int kBoardFull = -1;

// Writes a NS score into a slot with the EW score derived from it. Anything at or below
// kNoScore is no score on both sides, so no typed value can turn into an adjusted code.
void setScore(BoardResult& result, int nsScore);

// Appends a result and sorts the board into the contest's result order. With
// `refuseIfPresent`, a pair set against itself or already on the board is refused:
// the answer is that pair's number (0 when the result was added).
int addResult(Board& board, int nsPair, int ewPair, int round, int nsScore, float nsPoints, float ewPoints,
              bool refuseIfPresent);

// Appends an unscored copy of another board's result unless one of its pairs
// (players) already sits on this board. The board is not re-sorted.
void copyResultTo(Board& board, const BoardResult& result);

BoardResult* findResult(Board& board, int nsPair, int ewPair);
const BoardResult* findResult(const Board& board, int nsPair, int ewPair);

// Deletes every result in which the pair sits NS or EW, keeping the others in order.
void removePair(Board& board, int pair);

bool hasPair(const Board& board, int number);
int pairScore(const Board& board, int number);
float pairMatchpoints(const Board& board, int number);
int opponentOf(const Board& board, int pair);
// The results with a score, of section `section` only (-1: all of them).
int countScored(const Board& board, int section = -1);
int mostFrequentScore(const Board& board);
void setSecondPlayers(Board& board, int north, int south, int west);

}  // namespace vindelkast
