#include "model/result_order.h"

#include <algorithm>
#include <utility>

#include "model/board_results.h"

namespace vindelkast {

namespace {

constexpr long kLastKey = 9999999;

bool holdsPair(const BoardResult& r, int pair) { return r.nsPair == pair || r.ewPair == pair; }

long sortKey(const Contest& contest, const BoardResult& r) {
    if (contest.byePair > 0 && holdsPair(r, contest.byePair)) return kLastKey;
    if (contest.byePair == 0 && (r.nsPair == 0 || r.ewPair == 0)) return kLastKey;
    switch (contest.resultOrder) {
    case TableOrder:
        return r.round;
    case ScoreOrder:
        return -static_cast<long>(r.nsScore);
    default:
        return r.nsPair;
    }
}

}  // namespace

void sortResults(Board& board) {
    if (!board.contest) return;
    const Contest& contest = *board.contest;
    const bool byScore = contest.resultOrder == ScoreOrder;
    int i = 0;
    while (i < board.resultCount) {
        if (contest.byePair > 0 && holdsPair(board.results[i], contest.byePair)) {
            removePair(board, contest.byePair);
            i = 0;
            continue;
        }
        int chosen = i;
        long chosenKey = sortKey(contest, board.results[i]);
        for (int j = i + 1; j < board.resultCount; ++j) {
            const long key = sortKey(contest, board.results[j]);
            const bool lowerPair = board.results[j].nsPair < board.results[chosen].nsPair;
            if (key < chosenKey || (byScore && key == chosenKey && lowerPair)) {
                chosen = j;
                chosenKey = key;
            }
        }
        if (chosen != i) std::swap(board.results[i], board.results[chosen]);
        ++i;
    }
}

int setResultOrder(Contest& contest, int order) {
    const int previous = contest.resultOrder;
    int next = order;
    if (order == 0)
        next = previous == TableOrder ? PairOrder : previous == ScoreOrder ? TableOrder : ScoreOrder;
    contest.resultOrder = static_cast<std::uint8_t>(next);
    const int last = std::min(contest.boardCount, kMaxBoard);
    for (int b = 1; b <= last; ++b) sortResults(contest.boards[b]);
    return previous;
}

}  // namespace vindelkast
