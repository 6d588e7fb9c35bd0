#include "movement/howell_movement.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>

namespace vindelkast {

namespace {

constexpr int kMaxElements = 16;

int wrap(int value, int modulus) { return ((value % modulus) + modulus) % modulus; }

// A starter for the cyclic Howell on the residues mod m and one fixed pair: residue 0
// meets the fixed pair, the other residues are paired with every difference once, and each
// table i gets a board offset c[i] such that the group a pair plays, group = c[i] + round,
// runs through every residue once as the rounds go. `share` lets two tables have the same
// offset, for the small fields where no starter without it exists.
struct Starter {
    std::vector<std::pair<int, int>> pairs;  // table i + 1: residues a, b
    std::vector<int> offsets;                // table i: board offset
};

class StarterSearch {
public:
    StarterSearch(int m, int share) : m_m(m), m_share(share) {}

    bool find(Starter& starter) {
        m_starter = {};
        m_usedResidue = 1;  // residue 0 meets the fixed pair
        m_usedDifference = 0;
        return pairUp() && (starter = m_starter, true);
    }

private:
    // First the residues are paired so that every difference occurs once.
    bool pairUp() {
        int first = 1;
        while (first < m_m && (m_usedResidue >> first & 1U)) ++first;
        if (first >= m_m) return placeOffsets(0);
        for (int second = first + 1; second < m_m; ++second) {
            const int difference = std::min(second - first, m_m - (second - first));
            if ((m_usedResidue >> second & 1U) || (m_usedDifference >> difference & 1U)) continue;
            m_usedResidue |= (1U << first) | (1U << second);
            m_usedDifference |= 1U << difference;
            m_starter.pairs.emplace_back(first, second);
            if (pairUp()) return true;
            m_starter.pairs.pop_back();
            m_usedResidue &= ~((1U << first) | (1U << second));
            m_usedDifference &= ~(1U << difference);
        }
        return false;
    }

    // Then each table gets an offset: a pair at table i plays group c[i] - its residue, and
    // these must differ for all residues.
    bool placeOffsets(std::size_t table) {
        if (table == 0) {
            m_groups = 0;
            m_offsetUse.fill(0);
            m_starter.offsets.assign(m_starter.pairs.size() + 1, 0);
            m_groups |= 1U;  // table 1: residue 0 with offset 0 plays group 0
            m_offsetUse[0] = 1;
            return placeOffsets(1);
        }
        if (table > m_starter.pairs.size()) return true;
        const auto [a, b] = m_starter.pairs[table - 1];
        for (int c = 0; c < m_m; ++c) {
            if (m_offsetUse[static_cast<std::size_t>(c)] >= m_share) continue;
            const unsigned ga = 1U << wrap(c - a, m_m);
            const unsigned gb = 1U << wrap(c - b, m_m);
            if ((m_groups & ga) || (m_groups & gb)) continue;
            m_groups |= ga | gb;
            ++m_offsetUse[static_cast<std::size_t>(c)];
            m_starter.offsets[table] = c;
            if (placeOffsets(table + 1)) return true;
            m_groups &= ~(ga | gb);
            --m_offsetUse[static_cast<std::size_t>(c)];
        }
        return false;
    }

    int m_m;
    int m_share;
    Starter m_starter;
    unsigned m_usedResidue = 0;
    unsigned m_usedDifference = 0;
    unsigned m_groups = 0;
    std::array<int, kMaxElements> m_offsetUse{};
};

Starter findStarter(int m) {
    Starter starter;
    for (int share = 1; share <= 2; ++share)
        if (StarterSearch(m, share).find(starter)) return starter;
    return {};
}

// The complete cyclic Howell: rounds m = pairs - 1.
std::vector<TableRound> completeHowell(int pairs) {
    const int m = pairs - 1;
    const Starter starter = findStarter(m);
    std::vector<TableRound> seats;
    if (starter.offsets.empty()) return seats;
    for (int r = 0; r < m; ++r) {
        for (std::size_t i = 0; i < starter.offsets.size(); ++i) {
            int a = pairs;  // the fixed pair
            int b = r + 1;  // residue 0 + r, numbered from 1
            if (i > 0) {
                a = wrap(starter.pairs[i - 1].first + r, m) + 1;
                b = wrap(starter.pairs[i - 1].second + r, m) + 1;
            }
            // Pairs change direction from round to round, so none sits NS all evening.
            if ((r + static_cast<int>(i)) % 2 == 1) std::swap(a, b);
            seats.push_back({r + 1, static_cast<int>(i) + 1, a, b, wrap(starter.offsets[i] + r, m)});
        }
    }
    return seats;
}

}  // namespace

int howellGroups(int pairs, int rounds) {
    return rounds >= pairs - 1 ? pairs - 1 : std::max(rounds, pairs / 2);
}

std::vector<TableRound> howellSeats(int pairs, int rounds) {
    if (pairs < 4 || pairs > kMaxElements || pairs % 2 == 1 || rounds < 1 || rounds > pairs - 1) return {};
    if (rounds == pairs - 1) {
        std::vector<TableRound> seats = completeHowell(pairs);
        // Six pairs have no cyclic Howell at all; the search shares groups between tables.
        if (!seats.empty()) return seats;
    }
    return shortenedHowell(pairs, rounds);
}

std::vector<TableRound> howellPairings(int pairs) {
    const int m = pairs - 1;
    std::vector<TableRound> seats;
    for (int r = 0; r < m; ++r)
        for (int i = 0; i < pairs / 2; ++i) {
            int a = i == 0 ? pairs : wrap(r + i, m) + 1;
            int b = wrap(r - i, m) + 1;
            if ((r + i) % 2 == 1) std::swap(a, b);
            seats.push_back({r + 1, i + 1, a, b, 0});
        }
    return seats;
}

}  // namespace vindelkast
