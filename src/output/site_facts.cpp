#include "output/site_facts.h"

#include <algorithm>

#include "model/board_results.h"
#include "model/evening_progress.h"
#include "model/standings.h"
#include "output/page_parts.h"

namespace vindelkast {

namespace {

void gatherResults(const Contest& contest, SiteFacts& facts) {
    const auto add = [&facts](int number, PairResult result) {
        if (Contest::validPair(number)) facts.results[number].push_back(result);
    };
    for (int b = 1; b <= contest.lastBoard(); ++b) {
        const Board& board = contest.boards[b];
        facts.top[b] = std::max(0, 2 * (countScored(board) - 1));
        for (int i = 0; i < board.resultCount; ++i) {
            const BoardResult& r = board.results[i];
            if (sitsOut(contest, r.nsPair) || sitsOut(contest, r.ewPair)) continue;
            add(r.nsPair, {b, i, true});
            add(r.ewPair, {b, i, false});
            if (contest.isIndividual) {
                add(r.nsPlayer2, {b, i, true});
                add(r.ewPlayer2, {b, i, false});
            }
        }
    }
}

// The pairs the published standings list (publishedPairs), without working out the totals:
// every page served live asks this.
void markPublished(const Contest& contest, SiteFacts& facts) {
    std::array<bool, kParticipantSlots> scored{};
    const auto mark = [&scored](int number, int score) {
        if (Contest::validPair(number) && hasScore(score)) scored[number] = true;
    };
    for (int b = 1; b <= contest.lastBoard(); ++b) {
        const Board& board = contest.boards[b];
        for (int i = 0; i < board.resultCount; ++i) {
            const BoardResult& r = board.results[i];
            mark(r.nsPair, r.nsScore);
            mark(r.ewPair, r.ewScore);
            if (contest.isIndividual) {
                mark(r.nsPlayer2, r.nsScore);
                mark(r.ewPlayer2, r.ewScore);
            }
        }
    }
    for (int pair = 1; pair <= std::clamp(contest.maxPairNumber, 0, kMaxPair); ++pair)
        facts.published[pair] = publishedPair(contest, pair, scored[pair]);
}

bool sitsBothWays(const std::vector<PairResult>& results) {
    const auto ns = [](const PairResult& r) { return r.northSouth; };
    return std::any_of(results.begin(), results.end(), ns) &&
           !std::all_of(results.begin(), results.end(), ns);
}

// Places within one list: tied figures share a place, pairs without a figure get none.
void placeRows(const LiveStandings& figures, StandingsList& list) {
    std::vector<int> pairs;
    for (const ListedPair& row : list.rows) pairs.push_back(row.pair);
    for (ListedPair& row : list.rows)
        if (figures.pairs[row.pair].hasFigure) row.place = sharedLivePlace(figures, row.pair, pairs);
}

void makeLists(const Contest& contest, SiteFacts& facts) {
    std::vector<int> order;
    for (int pair : facts.figures.order)
        if (facts.published[pair]) order.push_back(pair);
    const bool twoWays = std::any_of(order.begin(), order.end(),
                                     [&facts](int pair) { return sitsBothWays(facts.results[pair]); });
    if (contest.sections.any()) {
        // One list a section, places within it, as each section's standings stand.
        for (const Section& section : contest.sections.list)
            facts.lists.push_back({std::string("sektion ") + section.letter, {}});
    } else if (twoWays || contest.isIndividual) {
        facts.lists = {{"", {}}};
    } else {
        facts.lists = {{"NS", {}}, {"\xd6V", {}}};
    }
    for (int pair : order) {
        const std::vector<PairResult>& results = facts.results[pair];
        const int list = contest.sections.any() ? std::max(sectionOf(contest, pair), 0)
                         : facts.lists.size() == 2 && !results.empty() && !results.front().northSouth ? 1
                                                                                                      : 0;
        facts.lists[list].rows.push_back({pair, 0});
        facts.listOf[pair] = list;
    }
    for (StandingsList& list : facts.lists) {
        placeRows(facts.figures, list);
        for (const ListedPair& row : list.rows) facts.placeOf[row.pair] = row.place;
    }
    if (facts.lists.size() == 2 && facts.lists[1].rows.empty()) facts.lists.pop_back();
}

}  // namespace

SiteFacts siteFacts(const Contest& contest, const SiteView& view) {
    SiteFacts facts;
    facts.figures = view.live ? liveStandings(contest) : finalStandings(contest);
    gatherResults(contest, facts);
    markPublished(contest, facts);
    makeLists(contest, facts);
    return facts;
}

int resultRound(const Contest& contest, const PairResult& result) {
    return slotRound(contest, result.board, contest.boards[result.board].results[result.slot]);
}

}  // namespace vindelkast
