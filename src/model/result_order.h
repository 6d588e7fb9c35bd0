#pragma once

#include "model/contest.h"

namespace vindelkast {

enum ResultOrder : int { TableOrder = 1, ScoreOrder = 2, PairOrder = 3 };

// Sorts a board's results into the contest's result order (a selection sort with
// exchanges, so equal keys may change places) and takes the bye pair's results off.
void sortResults(Board& board);

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
