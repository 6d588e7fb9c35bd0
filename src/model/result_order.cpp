#include "model/result_order.h"

#include <algorithm>
#include <numeric>
#include <utility>

#include "model/board_results.h"

namespace vindelkast {

namespace {

constexpr long kLastKey = 9999999;

bool holdsPair(const BoardResult& r, int pair) { return r.nsPair == pair || r.ewPair == pair; }

// The number of the result's that sits out (the bye pair, a section's sit-out), or 0.
int sitOutOf(const Contest& contest, const BoardResult& r) {
    if (sitsOut(contest, r.nsPair)) return r.nsPair;
    return sitsOut(contest, r.ewPair) ? r.ewPair : 0;
}

long sortKey(const Contest& contest, int order, const BoardResult& r) {
    if (sitOutOf(contest, r) > 0) return kLastKey;
    if (contest.byePair == 0 && (r.nsPair == 0 || r.ewPair == 0)) return kLastKey;
    switch (order) {
    case TableOrder:
        return r.round;
    case ScoreOrder:
        return -static_cast<long>(r.nsScore);
    default:
        return r.nsPair;
    }
}

// True when `candidate` (with `key`) goes before the chosen result (with `chosenKey`).
// By score, equal scores go by the lower North-South pair; otherwise the first one found
// with the lowest key stays chosen.
bool goesBefore(int order, long key, const BoardResult& candidate, long chosenKey,
                const BoardResult& chosen) {
    return key < chosenKey || (order == ScoreOrder && key == chosenKey && candidate.nsPair < chosen.nsPair);
}

// True when the selection sorts below would exchange nothing: no result goes before the one
// lying ahead of it, which for this order (a key, then the North-South pair) holds for every
// later one too, and no result is the bye pair's. Reading a file adds its results one by
// one, mostly in order, and sorts after each; every save sorts each board there and back:
// this keeps those from costing n² each time.
template <typename ResultAt>
bool alreadySorted(const Contest& contest, int order, std::size_t count, ResultAt result) {
    for (std::size_t i = 0; i < count; ++i) {
        const BoardResult& r = result(i);
        if (sitOutOf(contest, r) > 0) return false;
        if (i > 0 && goesBefore(order, sortKey(contest, order, r), r, sortKey(contest, order, result(i - 1)),
                                result(i - 1)))
            return false;
    }
    return true;
}

}  // namespace

void sortResults(Board& board) {
    if (!board.contest) return;
    const Contest& contest = *board.contest;
    const int order = contest.resultOrder;
    const auto resultAt = [&board](std::size_t i) -> const BoardResult& { return board.results[i]; };
    if (alreadySorted(contest, order, static_cast<std::size_t>(std::max(board.resultCount, 0)), resultAt))
        return;
    int i = 0;
    while (i < board.resultCount) {
        if (const int out = sitOutOf(contest, board.results[i]); out > 0) {
            removePair(board, out);
            i = 0;
            continue;
        }
        int chosen = i;
        long chosenKey = sortKey(contest, order, board.results[i]);
        for (int j = i + 1; j < board.resultCount; ++j) {
            const long key = sortKey(contest, order, board.results[j]);
            if (goesBefore(order, key, board.results[j], chosenKey, board.results[chosen])) {
                chosen = j;
                chosenKey = key;
            }
        }
        if (chosen != i) std::swap(board.results[i], board.results[chosen]);
        ++i;
    }
}

std::vector<int> orderedSlots(const Contest& contest, const Board& board, int order, std::vector<int> slots) {
    // sortResults on indexes: the same exchanges, so equal keys land where it puts them.
    const auto result = [&board](int slot) -> const BoardResult& { return board.results[slot]; };
    const auto resultAt = [&](std::size_t i) -> const BoardResult& { return result(slots[i]); };
    if (alreadySorted(contest, order, slots.size(), resultAt)) return slots;
    std::size_t i = 0;
    while (i < slots.size()) {
        if (const int out = sitOutOf(contest, result(slots[i])); out > 0) {
            std::erase_if(slots, [&](int slot) { return holdsPair(result(slot), out); });
            i = 0;
            continue;
        }
        std::size_t chosen = i;
        long chosenKey = sortKey(contest, order, result(slots[i]));
        for (std::size_t j = i + 1; j < slots.size(); ++j) {
            const long key = sortKey(contest, order, result(slots[j]));
            if (goesBefore(order, key, result(slots[j]), chosenKey, result(slots[chosen]))) {
                chosen = j;
                chosenKey = key;
            }
        }
        if (chosen != i) std::swap(slots[i], slots[chosen]);
        ++i;
    }
    return slots;
}

std::vector<int> slotsAsTheyLie(const Board& board) {
    std::vector<int> slots(static_cast<std::size_t>(std::clamp(board.resultCount, 0, kMaxResults)));
    std::iota(slots.begin(), slots.end(), 0);
    return slots;
}

std::vector<int> orderedSlots(const Contest& contest, const Board& board, int order) {
    return orderedSlots(contest, board, order, slotsAsTheyLie(board));
}

int setResultOrder(Contest& contest, int order) {
    const int previous = contest.resultOrder;
    int next = order;
    if (order == 0)
        next = previous == TableOrder ? PairOrder : previous == ScoreOrder ? TableOrder : ScoreOrder;
    contest.resultOrder = static_cast<std::uint8_t>(next);
    const int last = contest.lastBoard();
    for (int b = 1; b <= last; ++b) sortResults(contest.boards[b]);
    return previous;
}

}  // namespace vindelkast
