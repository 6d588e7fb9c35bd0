#include "support/random_contests.h"

#include <algorithm>

#include "model/board_results.h"
#include "model/board_scoring.h"
#include "model/result_order.h"

namespace vindelkast::test {

namespace {

int pick(std::mt19937& random, int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
}

bool chance(std::mt19937& random, int percent) { return pick(random, 1, 100) <= percent; }

int randomScore(std::mt19937& random) {
    if (chance(random, 15)) return kNoScore;
    if (chance(random, 5)) return kAdjustedBase + 10 * (4 + pick(random, 0, 2)) + 4 + pick(random, 0, 2);
    return 10 * pick(random, -150, 150);
}

// A pair number of the contest, now and then 0 or one beyond it.
int randomPair(const Contest& c, std::mt19937& random) {
    if (chance(random, 3)) return 0;
    return pick(random, 1, std::min(kMaxPair, c.maxPairNumber + (chance(random, 3) ? 1 : 0)));
}

void randomResult(const Contest& c, BoardResult& r, std::mt19937& random) {
    r = BoardResult{};
    r.round = pick(random, 1, 12);
    r.nsPair = randomPair(c, random);
    r.ewPair = randomPair(c, random);
    if (c.isIndividual) {
        r.nsPlayer2 = randomPair(c, random);
        r.ewPlayer2 = randomPair(c, random);
    }
    setScore(r, randomScore(random));
    r.nsPoints = static_cast<float>(pick(random, 0, 140)) / 2;
    r.ewPoints = chance(random, 5) ? -0.0f : static_cast<float>(pick(random, 0, 1400)) / 20;
}

void refillBoard(Contest& c, Board& board, std::mt19937& random) {
    board.resultCount = pick(random, 0, std::min(kMaxResults, c.maxPairNumber / 2 + 2));
    for (int i = 0; i < board.resultCount; ++i) randomResult(c, board.results[i], random);
    if (chance(random, 70)) scoreBoard(board, ScoringRule{});
}

}  // namespace

void fillRandomContest(Contest& c, std::mt19937& random) {
    c.isIndividual = chance(random, 20);
    c.maxPairNumber = pick(random, 4, kMaxPair);
    c.byePair = chance(random, 40) ? pick(random, 1, c.maxPairNumber) : 0;
    c.boardCount = pick(random, 1, kMaxBoard);
    c.boardsPerRound = pick(random, 1, 4);
    c.roundCount = c.boardCount / c.boardsPerRound;
    c.setUpDone = true;
    for (int b = 1; b <= c.boardCount; ++b) refillBoard(c, c.boards[b], random);
}

int changeRandomly(Contest& c, std::mt19937& random) {
    const int b = pick(random, 1, c.boardCount);
    Board& board = c.boards[b];
    const int kind = pick(random, 1, 100);
    if (kind <= 3) {
        c.byePair = chance(random, 50) ? pick(random, 1, c.maxPairNumber) : 0;
        return 0;
    }
    if (kind <= 5) {
        c.isIndividual = !c.isIndividual;
        return 0;
    }
    if (kind <= 7) {
        setResultOrder(c, pick(random, 1, 3));
        return 0;
    }
    if (kind <= 10) {
        refillBoard(c, board, random);
        return b;
    }
    if (board.resultCount == 0 || kind <= 15) {
        if (board.resultCount < kMaxResults) randomResult(c, board.results[board.resultCount++], random);
        return b;
    }
    BoardResult& r = board.results[pick(random, 0, board.resultCount - 1)];
    if (kind <= 20) {
        removePair(board, r.nsPair);
    } else if (kind <= 30) {
        (chance(random, 50) ? r.nsPair : r.ewPair) = randomPair(c, random);
    } else {
        setScore(r, randomScore(random));
        if (chance(random, 90)) scoreBoard(board, ScoringRule{});
    }
    return b;
}

}  // namespace vindelkast::test
