#include "output/round_view.h"

#include <algorithm>

#include "model/imp_standings.h"
#include "model/name_forms.h"
#include "model/standings.h"
#include "output/text_format.h"

namespace vindelkast {

namespace {

// A contest scored in IMPs: each pair's IMPs on the round's boards; equal ones share a place.
std::vector<ViewLine> impRoundLines(const Contest& contest, int round) {
    const int first = firstBoardOfRound(contest, round * contest.boardsPerRound);
    const std::vector<ImpStanding> standings = impStandings(contest, first, lastBoardOfRound(contest, first));
    const std::vector<int> places = impPlaces(standings);
    std::vector<ViewLine> lines{{"pl nr   namn                       IMP"}};
    for (std::size_t i = 0; i < standings.size(); ++i)
        lines.push_back({formatText("%2d %2d %-24s %7s", places[i], standings[i].pair,
                                    pairName(contest, standings[i].pair, NameForm::Short).c_str(),
                                    impText(standings[i].total).c_str())});
    return lines;
}

}  // namespace

std::string roundCaption(int round) { return formatText("Resultat rond %d", round); }

std::vector<ViewLine> roundResultLines(const Contest& contest, int round) {
    if (round < 1 || contest.boardsPerRound <= 0) return {};
    // A round past the last board has nothing to show and no boards in the arrays.
    if (firstBoardOfRound(contest, round * contest.boardsPerRound) > std::min(contest.boardCount, kMaxBoard))
        return {};
    if (contest.scoringRule.imps()) return impRoundLines(contest, round);
    std::vector<ViewLine> lines;
    const Totals totals = roundTotals(contest, round);
    lines.push_back({"pl nr   namn                    po"});
    int place = 0;
    for (int slot = 1; slot <= totals.n; ++slot) {
        const int pair = totals.ranking[slot];
        if (pair == 0 || sitsOut(contest, pair)) continue;
        lines.push_back({formatText("%2d %2s %-24s %5.1f", ++place, pairLabel(contest, pair).c_str(),
                                    pairName(contest, pair, NameForm::Short).c_str(),
                                    static_cast<double>(totals.total[pair]))});
    }
    return lines;
}

}  // namespace vindelkast
