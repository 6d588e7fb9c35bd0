#include "output/round_view.h"

#include <algorithm>

#include "model/name_forms.h"
#include "model/standings.h"
#include "output/text_format.h"

namespace vindelkast {

std::string roundCaption(int round) { return formatText("Resultat rond %d", round); }

std::vector<ViewLine> roundResultLines(const Contest& contest, int round) {
    if (round < 1 || contest.boardsPerRound <= 0) return {};
    // A round past the last board has nothing to show and no boards in the arrays.
    if (firstBoardOfRound(contest, round * contest.boardsPerRound) > std::min(contest.boardCount, kMaxBoard))
        return {};
    std::vector<ViewLine> lines;
    const Totals totals = roundTotals(contest, round);
    lines.push_back({"pl nr   namn                    po"});
    int place = 0;
    for (int slot = 1; slot <= totals.n; ++slot) {
        const int pair = totals.ranking[slot];
        if (pair == 0 || pair == contest.byePair) continue;
        lines.push_back({formatText("%2d %2s %-24s %5.1f", ++place, pairLabel(contest, pair).c_str(),
                                    pairName(contest, pair, NameForm::Short).c_str(),
                                    static_cast<double>(totals.total[pair]))});
    }
    return lines;
}

}  // namespace vindelkast
