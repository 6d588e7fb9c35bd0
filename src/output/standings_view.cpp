#include "output/standings_view.h"

#include <algorithm>

#include "model/imp_standings.h"
#include "model/name_forms.h"
#include "model/section_standings.h"
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
    lines.push_back(
        {"pl  nr    namn                                        IMP IMP/giv", Colour::Black, true});
    const std::vector<ImpStanding> standings = impStandings(contest);
    const std::vector<int> places = impPlaces(standings);
    for (std::size_t i = 0; i < standings.size(); ++i) {
        const ImpStanding& s = standings[i];
        lines.push_back({formatText("%2d %3s %-40s %7s %7s", places[i], pairLabel(contest, s.pair).c_str(),
                                    pairName(contest, s.pair, NameForm::Long).c_str(),
                                    impText(s.total).c_str(), impText(s.perBoard()).c_str())});
    }
    return lines;
}

const char* const kHeading = "pl  nr    namn                                     po    %";

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
    if (contest.scoringRule.imps())
        return formatText("St\xe4llning totalt, IMP (%s)", methodName(contest.scoringRule.method));
    if (contest.sections.any())
        return contest.sections.acrossField ? "St\xe4llning per sektion och totalt, \xf6ver f\xe4ltet"
                                            : "St\xe4llning per sektion och totalt, sektionsvis";
    return formatText("St\xe4llning totalt, medel %d", contestMean(contest));
}

std::vector<ViewLine> standingsLines(const Contest& contest) {
    if (contest.scoringRule.imps()) return impStandingsLines(contest);
    if (contest.sections.any()) return sectionedStandingsLines(contest);
    std::vector<ViewLine> lines;
    const int mean = contestMean(contest);
    const Totals totals = contestTotals(contest);
    if (contest.isTeamContest) {
        const TeamTotals teams = teamTotals(totals, contest.byePair);
        lines.push_back({formatText("%20s %5.1f", contest.teamName1.c_str(), teams.first)});
        lines.push_back({formatText("%20s %5.1f", contest.teamName2.c_str(), teams.second)});
        lines.push_back({""});
    }
    lines.push_back({kHeading, Colour::Black, true});
    int place = 0;
    for (int slot = 1; slot <= totals.n; ++slot) {
        const int pair = totals.ranking[slot];
        if (pair == 0 || sitsOut(contest, pair)) continue;
        lines.push_back({standingLine(contest, ++place, pair, totals.total[pair], mean)});
    }
    return lines;
}

}  // namespace vindelkast
