#include "model/scoring_form.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "model/board_scoring.h"
#include "model/imp_scoring.h"
#include "model/imp_standings.h"
#include "model/section_standings.h"
#include "model/sections.h"
#include "model/standings.h"
#include "model/vp_form.h"

namespace vindelkast {

namespace {

const std::vector<FigureColumn> kMatchpointColumns{{"Po\xe4ng", 6, 1, "", '.', false}, {"%", 5, 1, "%", '.'}};
const std::vector<FigureColumn> kImpColumns{{"IMP", 7, 2, "IMP", ','}, {"IMP/giv", 7, 2, "IMP", ','}};

// Matchpoints: a total and its percentage of an average pair's, as in every list since the
// first; the ranking is the totals', so lines of exactly equal totals share a place.
class MatchpointForm final : public ScoringForm {
public:
    const char* name() const override { return ""; }
    const char* pointsName() const override { return "matchpo\xe4ngen"; }
    ExchangeCodes codes() const override {
        return {"MATCH_POINTS", "MATCH_POINTS", "", "MP", "MatchPoint", ""};
    }
    FigureColumn pointsColumn() const override { return {"Po", 4, 0, "", '.'}; }
    bool totalsAreMeans() const override { return false; }

    void scoreBoard(Board& board, const ScoringRule& rule) const override {
        scoreSide(board, Side::NorthSouth, rule);
        scoreSide(board, Side::EastWest, rule);
    }

    Standings standings(const Contest& contest, int section) const override {
        if (section >= 0 && contest.sections.any()) {
            const SectionStandings s = sectionStandings(contest, section);
            return rows(contest, s.totals, s.mean,
                        [&](int, double total) { return percentOfMean(total, s.mean); });
        }
        const int mean = contestMean(contest);
        return rows(contest, contestTotals(contest), mean,
                    [&](int, double total) { return percentOfMean(total, mean); });
    }
    Standings roundStandings(const Contest& contest, int round) const override {
        return rows(contest, roundTotals(contest, round), 0,
                    [&](int pair, double total) { return roundPercent(contest, pair, total); });
    }
    Standings standingsAfterRound(const Contest& contest, int round) const override {
        const int mean = contestMean(contest, lastBoardOfRound(contest, round * contest.boardsPerRound));
        return rows(contest, totalsAfterRound(contest, round), mean,
                    [&](int, double total) { return percentOfMean(total, mean); });
    }
    const char* pointsAbbreviation() const override { return "po"; }
    bool tiesSharePlace() const override { return false; }
    bool listsUnusedNumbers() const override { return false; }

    std::vector<FigureColumn> figureColumns() const override { return kMatchpointColumns; }
    bool pointsHaveTop() const override { return true; }
    bool exchangesExactFigures() const override { return true; }
    const char* pbnTotalColumns() const override { return "TotalScoreMP\\6R;TotalPercentage\\5R"; }
    const char* pbnPointsColumns() const override { return "MP_NS\\5R;MP_EW\\5R"; }

private:
    template <class Percent>
    static Standings rows(const Contest& contest, const Totals& totals, int mean, Percent percent) {
        Standings s{kMatchpointColumns, {}, mean, {}};
        for (int slot = 1; slot <= totals.n; ++slot) {
            const int pair = totals.ranking[slot];
            if (pair == 0 || sitsOut(contest, pair)) continue;
            StandingsRow row;
            row.pair = pair;
            row.figures = {totals.total[pair], percent(pair, totals.total[pair]), 0.0};
            const bool tied =
                !s.rows.empty() && totals.total[pair] == static_cast<float>(s.rows.back().figures[0]);
            row.place = tied ? s.rows.back().place : static_cast<int>(s.rows.size()) + 1;
            s.rows.push_back(row);
        }
        return s;
    }
};

// IMPs against every other result (cross-IMPs) or against the board's datum (Butler): the
// total IMPs and IMPs per board, places shared by totals equal to the hundredth shown.
class ImpForm final : public ScoringForm {
public:
    explicit ImpForm(ScoringMethod method) : m_method(method) {}

    const char* name() const override { return m_method == ScoringMethod::Butler ? "Butler" : "korsvis"; }
    const char* pointsName() const override { return "IMP:en"; }
    ExchangeCodes codes() const override {
        if (m_method == ScoringMethod::Butler)
            return {"BUTLER_IMPS", "IMPS", "IMP;Butler", "IMP", "IMP", "butler"};
        return {"CROSS_IMPS", "IMPS", "IMP;Cross", "IMP", "IMP", "crossImps"};
    }
    FigureColumn pointsColumn() const override { return {"IMP", 8, 2, "IMP", ','}; }
    bool showsDatum() const override { return m_method == ScoringMethod::Butler; }
    bool totalsAreMeans() const override { return true; }

    void scoreBoard(Board& board, const ScoringRule&) const override { scoreBoardInImps(board, m_method); }

    Standings standings(const Contest& contest, int section) const override {
        return rows(sectionImpStandings(contest, section));
    }
    Standings roundStandings(const Contest& contest, int round) const override {
        const int first = firstBoardOfRound(contest, round * contest.boardsPerRound);
        return rows(impStandings(contest, first, lastBoardOfRound(contest, first)));
    }
    Standings standingsAfterRound(const Contest& contest, int round) const override {
        return rows(impStandings(contest, 1, lastBoardOfRound(contest, round * contest.boardsPerRound)));
    }
    const char* pointsAbbreviation() const override { return "IMP"; }
    bool tiesSharePlace() const override { return true; }
    bool listsUnusedNumbers() const override { return true; }

    std::vector<FigureColumn> figureColumns() const override { return kImpColumns; }
    bool pointsHaveTop() const override { return false; }
    bool exchangesExactFigures() const override { return false; }
    const char* pbnTotalColumns() const override { return "TotalIMP\\7R;MeanIMP\\6R;NrBoards\\2R"; }
    const char* pbnPointsColumns() const override { return "IMP_NS\\6R;IMP_EW\\6R"; }

private:
    static Standings rows(const std::vector<ImpStanding>& standings) {
        Standings s{kImpColumns, {}, 0, {}};
        const std::vector<int> places = impPlaces(standings);
        for (std::size_t i = 0; i < standings.size(); ++i)
            s.rows.push_back({places[i],
                              standings[i].pair,
                              {standings[i].total, standings[i].perBoard(), 0.0},
                              standings[i].boards});
        return s;
    }

    ScoringMethod m_method;
};

const MatchpointForm kMatchpoints;
const ImpForm kCrossImps(ScoringMethod::CrossImps);
const ImpForm kButler(ScoringMethod::Butler);

}  // namespace

std::string figureText(const FigureColumn& column, double value) {
    char text[64];
    if (column.decimalMark == '.') {
        std::snprintf(text, sizeof text, "%.*f", column.decimals, value);
        return text;
    }
    const long scale = std::lround(std::pow(10.0, column.decimals));
    const long units = std::lround(value * static_cast<double>(scale));
    std::snprintf(text, sizeof text, "%s%ld", units < 0 ? "-" : "", std::labs(units) / scale);
    std::string out = text;
    if (column.decimals > 0) {
        const std::string fraction = std::to_string(std::labs(units) % scale);
        out += column.decimalMark;
        out += std::string(static_cast<std::size_t>(column.decimals) -
                               std::min(fraction.size(), static_cast<std::size_t>(column.decimals)),
                           '0') +
               fraction;
    }
    return out;
}

std::string standingsName(const Contest& contest, const Standings& standings, std::size_t row,
                          NameForm form) {
    if (row < standings.names.size()) return standings.names[row];
    return row < standings.rows.size() ? pairName(contest, standings.rows[row].pair, form) : std::string();
}

const ScoringForm& scoringForm(const ScoringRule& rule) {
    if (rule.pairMatchesInVp && rule.method != ScoringMethod::VictoryPoints)
        return swissPairsForm(rule.method);
    switch (rule.method) {
    case ScoringMethod::CrossImps:
        return kCrossImps;
    case ScoringMethod::Butler:
        return kButler;
    case ScoringMethod::VictoryPoints:
        return victoryPointForm();
    case ScoringMethod::Matchpoints:
        break;
    }
    return kMatchpoints;
}

ScoringRule ruleOfUsebioMethod(const std::string& code, bool* known) {
    ScoringRule rule;
    if (known) *known = true;
    if (code == "CROSS_IMPS")
        rule.method = ScoringMethod::CrossImps;
    else if (code == "BUTLER_IMPS" || code == "BUTLER")
        rule.method = ScoringMethod::Butler;
    else if (known)
        *known = code.empty() || code == "MATCH_POINTS";
    return rule;
}

ScoringRule ruleOfPbnTable(const std::string& pointsPrefix, const std::string& scoringTag) {
    ScoringRule rule;
    if (pointsPrefix == kCrossImps.codes().pbnPoints)
        rule.method =
            scoringTag.find("Butler") != std::string::npos ? ScoringMethod::Butler : ScoringMethod::CrossImps;
    return rule;
}

}  // namespace vindelkast
