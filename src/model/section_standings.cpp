#include "model/section_standings.h"

#include <algorithm>
#include <vector>

#include "model/sections.h"

namespace vindelkast {

SectionStandings sectionStandings(const Contest& contest, int section) {
    SectionStandings out;
    out.totals = contestTotals(contest);
    std::vector<int> pairs, field;
    for (int slot = 1; slot <= out.totals.n; ++slot) {
        const int pair = out.totals.ranking[slot];
        // The standings give a number no board seats (a section's sit-out) no place.
        if (pair != 0 && !sitsOut(contest, pair)) field.push_back(pair);
        if (pair != 0 && !sitsOut(contest, pair) && sectionOf(contest, pair) == section)
            pairs.push_back(pair);
    }
    out.totals.ranking.fill(0);
    for (std::size_t i = 0; i < pairs.size(); ++i) out.totals.ranking[i + 1] = pairs[i];
    // A pair of a section scored alone meets at most the section's results on a board.
    int mostPlayed = 0, fullest = 0;
    for (int b = 1; b <= contest.lastBoard(); ++b) {
        const Board& board = contest.boards[b];
        int here = 0;
        for (int i = 0; i < board.resultCount; ++i) {
            const BoardResult& r = board.results[i];
            const bool ours = contest.sections.acrossField || sectionOf(contest, r.nsPair) == section;
            here += ours ? 1 : 0;
        }
        fullest = std::max(fullest, here);
    }
    // The totals make up a missed board up to the most any pair of the field played (a
    // section with a sit-out against one without), so the mean counts that many boards.
    for (int pair : field) {
        int played = 0;
        for (int b = 1; b <= contest.lastBoard(); ++b)
            for (int i = 0; i < contest.boards[b].resultCount; ++i) {
                const BoardResult& r = contest.boards[b].results[i];
                if ((r.nsPair == pair || r.ewPair == pair) && hasScore(r.nsScore)) ++played;
            }
        mostPlayed = std::max(mostPlayed, played);
    }
    out.mean = fullest > 0 ? mostPlayed * (fullest - 1) : 0;
    return out;
}

}  // namespace vindelkast
