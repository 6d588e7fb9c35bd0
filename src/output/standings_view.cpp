#include "output/standings_view.h"

#include "model/name_forms.h"
#include "model/standings.h"
#include "output/text_format.h"

namespace vindelkast {

std::string standingsCaption(const Contest& contest) {
    return formatText("St\xe4llning totalt, medel %d", contestMean(contest));
}

std::vector<ViewLine> standingsLines(const Contest& contest) {
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
