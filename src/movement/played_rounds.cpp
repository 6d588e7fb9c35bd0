#include "movement/played_rounds.h"

#include <algorithm>
#include <bitset>
#include <map>
#include <set>

namespace vindelkast {

namespace {

constexpr int kMostRounds = 127;
// Steps of the exhaustive search before the local one takes over; a movement listed in
// playing order needs about one per meeting.
constexpr long kStepBudget = 20000;

using Rounds = std::bitset<kMostRounds + 1>;

// A meeting with its pairs and group numbered densely, so a search looks them up without a map.
struct Seat {
    std::size_t ns, ew, group;
};
struct Seating {
    std::vector<Seat> seats;
    std::size_t pairs = 0, groups = 0;
};

Seating seatingOf(const std::vector<Meeting>& meetings) {
    Seating seating;
    std::map<int, std::size_t> pairs, groups;
    for (const Meeting& m : meetings) {
        const std::size_t ns = pairs.emplace(m.nsPair, pairs.size()).first->second;
        const std::size_t ew = pairs.emplace(m.ewPair, pairs.size()).first->second;
        const std::size_t group = groups.emplace(m.group, groups.size()).first->second;
        seating.seats.push_back({ns, ew, group});
    }
    seating.pairs = pairs.size();
    seating.groups = groups.size();
    return seating;
}

// Exhaustive search, the most constrained meeting first: exact, and keeps a file's own order
// of rounds, but lost on large movements listed in another order (a Mitchell of nine tables
// and more listed board by board).
class RoundSearch {
public:
    RoundSearch(const Seating& seating, int roundLimit, bool shareGroups)
        : m_seats(seating.seats),
          m_share(shareGroups),
          m_rounds(m_seats.size(), 0),
          m_pairs(seating.pairs),
          m_groups(seating.groups) {
        for (int r = 1; r <= roundLimit; ++r) m_allowed.set(static_cast<std::size_t>(r));
    }

    bool solve() {
        long steps = 0;
        return place(meetingsLeft(), steps);
    }
    const std::vector<int>& rounds() const { return m_rounds; }

private:
    std::size_t meetingsLeft() const { return m_seats.size(); }

    Rounds free(const Seat& s) const {
        Rounds taken = m_pairs[s.ns] | m_pairs[s.ew];
        if (!m_share) taken |= m_groups[s.group];
        return m_allowed & ~taken;
    }

    void mark(const Seat& s, int round, bool on) {
        const auto r = static_cast<std::size_t>(round);
        m_pairs[s.ns].set(r, on);
        m_pairs[s.ew].set(r, on);
        m_groups[s.group].set(r, on);
    }

    // The unplaced meeting with the fewest rounds left (the first such one in the file).
    std::size_t mostConstrained(Rounds& options) {
        std::size_t chosen = m_seats.size();
        std::size_t fewest = kMostRounds + 1;
        for (std::size_t i = 0; i < m_seats.size(); ++i) {
            if (m_rounds[i] != 0) continue;
            const Rounds open = free(m_seats[i]);
            if (open.count() < fewest) {
                fewest = open.count();
                chosen = i;
                options = open;
                if (fewest == 0) break;
            }
        }
        return chosen;
    }

    bool place(std::size_t left, long& steps) {
        if (left == 0) return true;
        if (++steps > kStepBudget) return false;
        Rounds options;
        const std::size_t i = mostConstrained(options);
        for (int r = 1; r <= kMostRounds && steps <= kStepBudget; ++r) {
            if (!options.test(static_cast<std::size_t>(r))) continue;
            m_rounds[i] = r;
            mark(m_seats[i], r, true);
            if (place(left - 1, steps)) return true;
            mark(m_seats[i], r, false);
            m_rounds[i] = 0;
        }
        return false;
    }

    const std::vector<Seat>& m_seats;
    bool m_share;
    Rounds m_allowed;
    std::vector<int> m_rounds;
    std::vector<Rounds> m_pairs;
    std::vector<Rounds> m_groups;
};

// Whether rounds are a movement: no pair, and unless shared no group, twice in a round.
bool playable(const Seating& seating, const std::vector<int>& rounds, int roundLimit, bool shareGroups) {
    std::set<std::pair<std::size_t, int>> pairs, groups;
    for (std::size_t i = 0; i < rounds.size(); ++i) {
        const Seat& s = seating.seats[i];
        if (rounds[i] < 1 || rounds[i] > roundLimit || !pairs.insert({s.ns, rounds[i]}).second ||
            !pairs.insert({s.ew, rounds[i]}).second)
            return false;
        if (!shareGroups && !groups.insert({s.group, rounds[i]}).second) return false;
    }
    return true;
}

// A Mitchell: the NS pairs stay at their tables and the boards move one table a round, so a
// table's round follows from its place among the tables and the group's place among the
// groups. Tried both ways the boards may move; the answer is checked before it is used.
std::vector<int> mitchellRounds(const std::vector<Meeting>& meetings, const Seating& seating, int roundLimit,
                                bool shareGroups) {
    std::set<int> north, east, groups;
    for (const Meeting& m : meetings) {
        north.insert(m.nsPair);
        east.insert(m.ewPair);
        groups.insert(m.group);
    }
    for (int pair : north)
        if (east.count(pair)) return {};
    const int count = static_cast<int>(groups.size());
    const auto place = [](const std::set<int>& set, int value) {
        return static_cast<int>(std::distance(set.begin(), set.find(value)));
    };
    for (int direction : {1, -1}) {
        std::vector<int> rounds;
        for (const Meeting& m : meetings) {
            const int step = direction * (place(north, m.nsPair) - place(groups, m.group));
            rounds.push_back(((step % count) + count) % count + 1);
        }
        if (playable(seating, rounds, roundLimit, shareGroups)) return rounds;
    }
    return {};
}

// Rounds numbered 1, 2, 3 ... in their order: a round no table plays is no round. A search may
// leave one out (a Mitchell of eight tables playing seven of its eight board groups).
std::vector<int> withoutGaps(std::vector<int> rounds) {
    const std::set<int> used(rounds.begin(), rounds.end());
    for (int& r : rounds) r = static_cast<int>(std::distance(used.begin(), used.find(r))) + 1;
    return rounds;
}

}  // namespace

std::vector<int> inferRounds(const std::vector<Meeting>& meetings, int roundLimit, bool shareGroups) {
    if (meetings.empty() || roundLimit < 1 || roundLimit > kMostRounds) return {};
    const Seating seating = seatingOf(meetings);
    RoundSearch search(seating, roundLimit, shareGroups);
    if (search.solve()) return withoutGaps(search.rounds());
    return withoutGaps(mitchellRounds(meetings, seating, roundLimit, shareGroups));
}

}  // namespace vindelkast
