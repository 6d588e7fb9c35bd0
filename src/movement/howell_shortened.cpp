#include <algorithm>
#include <cstdint>
#include <vector>

#include "movement/howell_movement.h"

namespace vindelkast {

namespace {

// A small fixed generator, so the same request always gives the same card.
class Shuffler {
public:
    std::uint32_t next() {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 17;
        m_state ^= m_state << 5;
        return m_state;
    }
    template <typename T>
    void shuffle(std::vector<T>& items) {
        for (std::size_t i = items.size(); i > 1; --i) std::swap(items[i - 1], items[next() % i]);
    }

private:
    std::uint32_t m_state = 2463534242U;
};

// Gives each table of each round a board group: no pair plays a group twice, a round's
// tables play different groups (or at most `share` tables one group), and every group is
// played `cap` times. Depth-first, always on the table with the fewest groups left.
class GroupSearch {
public:
    GroupSearch(std::vector<TableRound>& seats, int pairs, int rounds, int groups, int share)
        : m_seats(seats),
          m_groups(groups),
          m_share(share),
          m_cap(static_cast<int>(seats.size()) / groups),
          m_pairUsed(static_cast<std::size_t>(pairs) + 1, 0),
          m_roundUse(static_cast<std::size_t>(rounds) * static_cast<std::size_t>(groups), 0),
          m_groupUse(static_cast<std::size_t>(groups), 0),
          m_done(seats.size(), false) {}

    bool run(Shuffler& shuffler, long budget) {
        m_budget = budget;
        m_shuffler = &shuffler;
        return place(0);
    }

private:
    std::uint32_t open(const TableRound& seat) const {
        std::uint32_t mask = ~(m_pairUsed[static_cast<std::size_t>(seat.nsPair)] |
                               m_pairUsed[static_cast<std::size_t>(seat.ewPair)]);
        for (int g = 0; g < m_groups; ++g)
            if (m_groupUse[static_cast<std::size_t>(g)] >= m_cap || roundUse(seat.round, g) >= m_share)
                mask &= ~(1U << g);
        return mask & ((1U << m_groups) - 1U);
    }

    int& roundUse(int round, int group) {
        return m_roundUse[static_cast<std::size_t>((round - 1) * m_groups + group)];
    }
    int roundUse(int round, int group) const {
        return m_roundUse[static_cast<std::size_t>((round - 1) * m_groups + group)];
    }

    void mark(TableRound& seat, int group, int step) {
        const std::uint32_t bit = 1U << group;
        if (step > 0) {
            m_pairUsed[static_cast<std::size_t>(seat.nsPair)] |= bit;
            m_pairUsed[static_cast<std::size_t>(seat.ewPair)] |= bit;
        } else {
            m_pairUsed[static_cast<std::size_t>(seat.nsPair)] &= ~bit;
            m_pairUsed[static_cast<std::size_t>(seat.ewPair)] &= ~bit;
        }
        roundUse(seat.round, group) += step;
        m_groupUse[static_cast<std::size_t>(group)] += step;
        seat.group = group;
    }

    bool place(std::size_t placed) {
        if (placed == m_seats.size()) return true;
        if (--m_budget < 0) return false;
        std::size_t best = m_seats.size();
        int fewest = m_groups + 1;
        std::uint32_t bestMask = 0;
        for (std::size_t i = 0; i < m_seats.size(); ++i) {
            if (m_done[i]) continue;
            const std::uint32_t mask = open(m_seats[i]);
            const int count = __builtin_popcount(mask);
            if (count == 0) return false;
            if (count < fewest) {
                fewest = count;
                best = i;
                bestMask = mask;
            }
        }
        std::vector<int> choices;
        for (int g = 0; g < m_groups; ++g)
            if (bestMask >> g & 1U) choices.push_back(g);
        m_shuffler->shuffle(choices);
        m_done[best] = true;
        for (int g : choices) {
            mark(m_seats[best], g, 1);
            if (place(placed + 1)) return true;
            mark(m_seats[best], g, -1);
        }
        m_done[best] = false;
        return false;
    }

    std::vector<TableRound>& m_seats;
    int m_groups;
    int m_share;
    int m_cap;
    std::vector<std::uint32_t> m_pairUsed;
    std::vector<int> m_roundUse;
    std::vector<int> m_groupUse;
    std::vector<bool> m_done;
    long m_budget = 0;
    Shuffler* m_shuffler = nullptr;
};

// Groups of their own are tried a while; sharing a group between two tables is found fast.
constexpr long kNodesPerTry = 20000;
constexpr int kTriesOwnGroups = 8;
constexpr int kTries = 60;

}  // namespace

// Rounds taken from the complete Howell, first in order, then other choices of rounds.
std::vector<TableRound> shortenedHowell(int pairs, int rounds) {
    const std::vector<TableRound> complete = howellPairings(pairs);
    const int groups = howellGroups(pairs, rounds);
    const int tables = pairs / 2;
    if (complete.empty() || (rounds * tables) % groups != 0) return {};
    std::vector<int> order(static_cast<std::size_t>(pairs - 1));
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int>(i) + 1;
    Shuffler shuffler;
    for (int share = 1; share <= 3; ++share) {
        for (int attempt = 0; attempt < (share == 1 ? kTriesOwnGroups : kTries); ++attempt) {
            if (attempt > 0) shuffler.shuffle(order);
            std::vector<TableRound> seats;
            for (int r = 0; r < rounds; ++r)
                for (const TableRound& seat : complete)
                    if (seat.round == order[static_cast<std::size_t>(r)]) {
                        seats.push_back(seat);
                        seats.back().round = r + 1;
                    }
            if (GroupSearch(seats, pairs, rounds, groups, share).run(shuffler, kNodesPerTry)) return seats;
        }
    }
    return {};
}

}  // namespace vindelkast
