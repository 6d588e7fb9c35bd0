#include "output/standings_view.h"

#include "model/imp_standings.h"
#include "model/name_forms.h"
#include "model/standings.h"
#include "output/text_format.h"

namespace vindelkast {

namespace {

const char* methodName(ScoringMethod method) {
    return method == ScoringMethod::Butler ? "Butler" : "korsvis";
}

// The standings of a contest scored in IMPs: total IMPs and IMPs per board.
std::vector<ViewLine> impStandingsLines(const Contest& contest) {
    std::vector<ViewLine> lines;
    lines.push_back({"pl  nr    namn                                        IMP IMP/giv"});
    const std::vector<ImpStanding> standings = impStandings(contest);
    const std::vector<int> places = impPlaces(standings);
    for (std::size_t i = 0; i < standings.size(); ++i) {
        const ImpStanding& s = standings[i];
        lines.push_back({formatText("%2d %3d %-40s %7s %7s", places[i], s.pair,
                                    pairName(contest, s.pair, NameForm::Long).c_str(),
                                    impText(s.total).c_str(), impText(s.perBoard()).c_str())});
    }
    return lines;
}

}  // namespace

std::string standingsCaption(const Contest& contest) {
    if (contest.scoringRule.imps())
        return formatText("St\xe4llning totalt, IMP (%s)", methodName(contest.scoringRule.method));
    return formatText("St\xe4llning totalt, medel %d", contestMean(contest));
}

std::vector<ViewLine> standingsLines(const Contest& contest) {
    if (contest.scoringRule.imps()) return impStandingsLines(contest);
    std::vector<ViewLine> lines;
    const int mean = contestMean(contest);
    const Totals totals = contestTotals(contest);
    if (contest.isTeamContest) {
        const TeamTotals teams = teamTotals(totals, contest.byePair);
        lines.push_back({formatText("%20s %5.1f", contest.teamName1.c_str(), teams.first)});
        lines.push_back({formatText("%20s %5.1f", contest.teamName2.c_str(), teams.second)});
        lines.push_back({""});
    }
    lines.push_back({"pl  nr    namn                                     po    %"});
    int place = 0;
    for (int slot = 1; slot <= totals.n; ++slot) {
        const int pair = totals.ranking[slot];
        if (pair == 0 || pair == contest.byePair) continue;
        const double total = totals.total[pair];
        lines.push_back(
            {formatText("%2d %3d %-40s %6.1f %5.1f", ++place, pair,
                        pairName(contest, pair, NameForm::Long).c_str(), total, percentOfMean(total, mean))});
    }
    return lines;
}

}  // namespace vindelkast
