#pragma once

#include <vector>

#include "model/contest.h"

namespace vindelkast {

enum ResultOrder : int { TableOrder = 1, ScoreOrder = 2, PairOrder = 3 };

// Sorts a board's results into the contest's result order (a selection sort with
// exchanges, so equal keys may change places) and takes the bye pair's results off.
void sortResults(Board& board);

// The slots of a board's results in `order`, as sortResults would leave them with that
// order from the results lying in `slots` order (every slot in turn when not given), the
// bye pair's results left out. A writer reads a board through it and leaves the contest as
// it is.
std::vector<int> orderedSlots(const Contest& contest, const Board& board, int order);
std::vector<int> orderedSlots(const Contest& contest, const Board& board, int order, std::vector<int> slots);

// Every slot of the board in turn: 0, 1, ... resultCount - 1.
std::vector<int> slotsAsTheyLie(const Board& board);

// Stores a new order (0 steps it: 1 → 3, 2 → 1, others → 2), re-sorts every board
// and returns the former value.
int setResultOrder(Contest& contest, int order);

// Sets an order for the length of one task and puts the former one back afterwards.
class ResultOrderScope {
public:
    ResultOrderScope(Contest& contest, int order)
        : m_contest(contest), m_previous(setResultOrder(contest, order)) {}
    ~ResultOrderScope() { setResultOrder(m_contest, m_previous); }
    ResultOrderScope(const ResultOrderScope&) = delete;
    ResultOrderScope& operator=(const ResultOrderScope&) = delete;

private:
    Contest& m_contest;
    int m_previous;
};

}  // namespace vindelkast
