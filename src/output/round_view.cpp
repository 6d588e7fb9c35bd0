#include "output/round_view.h"

#include <algorithm>
#include <string_view>

#include "model/name_forms.h"
#include "model/scoring_form.h"
#include "model/standings.h"
#include "output/text_format.h"

namespace vindelkast {

namespace {

// How the round's list has always been laid out over each form's total: its heading, the
// total's width and whether pairs go by their section labels. Other totals are headed by
// their own column.
struct RoundLayout {
    std::string heading;
    int width = 0;
    bool sectionLabels = true;
};

RoundLayout layoutOf(const FigureColumn& total) {
    const std::string_view heading = total.heading;
    if (heading == "Po\xe4ng") return {"pl nr   namn                    po", 5, true};
    if (heading == "IMP") return {"pl nr   namn                       IMP", 7, false};
    return {formatText("%-31s%*s", "pl nr   namn", total.width, total.heading), total.width, true};
}

}  // namespace

std::string roundCaption(int round) { return formatText("Resultat rond %d", round); }

std::vector<ViewLine> roundResultLines(const Contest& contest, int round) {
    if (round < 1 || contest.boardsPerRound <= 0) return {};
    // A round past the last board has nothing to show and no boards in the arrays.
    if (firstBoardOfRound(contest, round * contest.boardsPerRound) > std::min(contest.boardCount, kMaxBoard))
        return {};
    const ScoringForm& form = scoringForm(contest);
    const Standings standings = form.roundStandings(contest, round);
    const FigureColumn& total = standings.columns[0];
    const RoundLayout layout = layoutOf(total);
    std::vector<ViewLine> lines{{layout.heading}};
    for (std::size_t i = 0; i < standings.rows.size(); ++i) {
        const StandingsRow& row = standings.rows[i];
        const std::string pair =
            layout.sectionLabels ? pairLabel(contest, row.pair) : std::to_string(row.pair);
        lines.push_back(
            {formatText("%2d %2s %-24s %*s", form.tiesSharePlace() ? row.place : static_cast<int>(i) + 1,
                        pair.c_str(), pairName(contest, row.pair, NameForm::Short).c_str(), layout.width,
                        figureText(total, row.figures[0]).c_str())});
    }
    return lines;
}

}  // namespace vindelkast
