#include "movement/played_rounds.h"

#include <algorithm>
#include <bitset>
#include <map>

namespace vindelkast {

namespace {

constexpr int kMostRounds = 127;
// Steps of the search before it gives up; a real movement needs about one per meeting.
constexpr long kStepBudget = 40000;

using Rounds = std::bitset<kMostRounds + 1>;

class RoundSearch {
public:
    RoundSearch(const std::vector<Meeting>& meetings, int roundLimit, bool shareGroups)
        : m_meetings(meetings), m_share(shareGroups), m_rounds(meetings.size(), 0) {
        for (int r = 1; r <= roundLimit; ++r) m_allowed.set(static_cast<std::size_t>(r));
        // Dense indexes, so the search looks a pair or group up without a map.
        std::map<int, std::size_t> pairs, groups;
        for (const Meeting& m : meetings) {
            const std::size_t ns = pairs.emplace(m.nsPair, pairs.size()).first->second;
            const std::size_t ew = pairs.emplace(m.ewPair, pairs.size()).first->second;
            const std::size_t group = groups.emplace(m.group, groups.size()).first->second;
            m_seats.push_back({ns, ew, group});
        }
        m_pairs.resize(pairs.size());
        m_groups.resize(groups.size());
    }

    bool solve() {
        long steps = 0;
        return place(meetingsLeft(), steps);
    }
    const std::vector<int>& rounds() const { return m_rounds; }

private:
    std::size_t meetingsLeft() const { return m_meetings.size(); }

    struct Seat {
        std::size_t ns, ew, group;
    };

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
        std::size_t chosen = m_meetings.size();
        std::size_t fewest = kMostRounds + 1;
        for (std::size_t i = 0; i < m_meetings.size(); ++i) {
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

    const std::vector<Meeting>& m_meetings;
    bool m_share;
    Rounds m_allowed;
    std::vector<int> m_rounds;
    std::vector<Seat> m_seats;
    std::vector<Rounds> m_pairs;
    std::vector<Rounds> m_groups;
};

}  // namespace

std::vector<int> inferRounds(const std::vector<Meeting>& meetings, int roundLimit, bool shareGroups) {
    if (meetings.empty() || roundLimit < 1 || roundLimit > kMostRounds) return {};
    RoundSearch search(meetings, roundLimit, shareGroups);
    if (!search.solve()) return {};
    return search.rounds();
}

}  // namespace vindelkast
