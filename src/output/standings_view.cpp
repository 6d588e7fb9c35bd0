#include "output/standings_view.h"

#include <algorithm>

#include "model/name_forms.h"
#include "model/scoring_form.h"
#include "model/section_standings.h"
#include "model/standings.h"
#include "output/text_format.h"

namespace vindelkast {

namespace {

const char* const kHeading = "pl  nr    namn                                     po    %";

// The width of the names: 40 characters, less what figures beyond the two the lists have always
// had take, so that a line fits the window's list as the matchpoint list does.
int nameWidth(const Standings& standings) {
    int figures = 0;
    for (const FigureColumn& column : standings.columns) figures += column.width + 1;
    return std::clamp(40 - std::max(0, figures - 17), 24, 40);
}

// A list's heading: the matchpoint and IMP lists keep the headings they have always had, any
// other columns are headed by their own headings over their figures.
std::string headingLine(const Standings& standings) {
    const std::string total = standings.columns[0].heading;
    if (total == "Po\xe4ng") return kHeading;
    if (total == "IMP") return "pl  nr    namn                                        IMP IMP/giv";
    std::string line = padRight("pl  nr    namn", static_cast<std::size_t>(7 + nameWidth(standings)));
    for (const FigureColumn& column : standings.columns)
        line += formatText(" %*s", column.width, column.heading);
    return line;
}

// The standings over the field: each row's figures by their columns, its place shared with
// equal lines where the form lists ties so, else counted on.
std::vector<ViewLine> fieldStandingsLines(const Contest& contest, const ScoringForm& form) {
    const Standings standings = form.standings(contest);
    std::vector<ViewLine> lines{{headingLine(standings), Colour::Black, true}};
    int count = 0;
    for (const StandingsRow& row : standings.rows) {
        // A name is cut only where the figures took some of its width.
        const int width = nameWidth(standings);
        std::string line = formatText(
            "%2d %3s %-*.*s", form.tiesSharePlace() ? row.place : count + 1,
            pairLabel(contest, row.pair).c_str(), width, width < 40 ? width : 1000,
            standingsName(contest, standings, static_cast<std::size_t>(count), NameForm::Long).c_str());
        for (std::size_t c = 0; c < standings.columns.size(); ++c)
            line += formatText(" %*s", standings.columns[c].width,
                               figureText(standings.columns[c], row.figures[c]).c_str());
        lines.push_back({line});
        ++count;
    }
    return lines;
}

std::string standingLine(const Contest& contest, int place, int pair, double total, int mean) {
    return formatText("%2d %3s %-40s %6.1f %5.1f", place, pairLabel(contest, pair).c_str(),
                      pairName(contest, pair, NameForm::Long).c_str(), total, percentOfMean(total, mean));
}

// Each section's standings, then the whole field's in order of each pair's percentage of
// its section's mean (across the field, of the one mean: the order of the totals).
std::vector<ViewLine> sectionedStandingsLines(const Contest& contest) {
    std::vector<ViewLine> lines;
    struct Entry {
        int pair;
        double total, percent;
        int mean;
    };
    std::vector<Entry> field;
    for (std::size_t s = 0; s < contest.sections.list.size(); ++s) {
        const SectionStandings section = sectionStandings(contest, static_cast<int>(s));
        if (s > 0) lines.push_back({""});
        lines.push_back({formatText("Sektion %c, medel %d", contest.sections.list[s].letter, section.mean),
                         Colour::Black, true});
        lines.push_back({kHeading, Colour::Black, true});
        for (int place = 1; place <= section.totals.n && section.totals.ranking[place] != 0; ++place) {
            const int pair = section.totals.ranking[place];
            const double total = section.totals.total[pair];
            lines.push_back({standingLine(contest, place, pair, total, section.mean)});
            field.push_back({pair, total, percentOfMean(total, section.mean), section.mean});
        }
    }
    std::stable_sort(field.begin(), field.end(),
                     [](const Entry& a, const Entry& b) { return a.percent > b.percent + 1e-9; });
    lines.push_back({""});
    lines.push_back({contest.sections.acrossField ? "Alla sektioner (matchpo\xe4ng \xf6ver f\xe4ltet)"
                                                  : "Alla sektioner (efter procent)",
                     Colour::Black, true});
    lines.push_back({kHeading, Colour::Black, true});
    int place = 0;
    for (const Entry& e : field) lines.push_back({standingLine(contest, ++place, e.pair, e.total, e.mean)});
    return lines;
}

}  // namespace

std::string standingsCaption(const Contest& contest) {
    const ScoringForm& form = scoringForm(contest);
    if (*form.name())
        return formatText("St\xe4llning totalt, %s (%s)", form.pointsAbbreviation(), form.name());
    if (contest.sections.any())
        return contest.sections.acrossField ? "St\xe4llning per sektion och totalt, \xf6ver f\xe4ltet"
                                            : "St\xe4llning per sektion och totalt, sektionsvis";
    return formatText("St\xe4llning totalt, medel %d", contestMean(contest));
}

std::vector<ViewLine> standingsLines(const Contest& contest) {
    const ScoringForm& form = scoringForm(contest);
    // Sections are ranked by each one's mean, and two teams by their summed points: totals that
    // are already means are listed over the field as they are.
    if (form.totalsAreMeans()) return fieldStandingsLines(contest, form);
    if (contest.sections.any()) return sectionedStandingsLines(contest);
    std::vector<ViewLine> lines;
    if (contest.isTeamContest) {
        const TeamTotals teams = teamTotals(contestTotals(contest), contest.byePair);
        lines.push_back({formatText("%20s %5.1f", contest.teamName1.c_str(), teams.first)});
        lines.push_back({formatText("%20s %5.1f", contest.teamName2.c_str(), teams.second)});
        lines.push_back({""});
    }
    for (ViewLine& line : fieldStandingsLines(contest, form)) lines.push_back(std::move(line));
    return lines;
}

}  // namespace vindelkast
