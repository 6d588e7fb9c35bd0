#include "model/vp_form.h"

#include "model/board_results.h"
#include "model/team_matches.h"

namespace vindelkast {

namespace {

const std::vector<FigureColumn> kVpColumns{
    {"VP", 7, 2, "VP", ','}, {"IMP+/-", 7, 0, "IMP", '.'}, {"Kvot", 6, 3, "", ','}};

// The quotient a list shows: a team that conceded nothing shows what it scored.
double quotient(const TeamScore& t) {
    if (t.impsAgainst == 0) return t.impsFor == 0 ? 1.0 : t.impsFor;
    return static_cast<double>(t.impsFor) / t.impsAgainst;
}

class VictoryPointForm final : public ScoringForm {
public:
    const char* name() const override { return "VP"; }
    const char* pointsName() const override { return "IMP:en"; }
    ExchangeCodes codes() const override { return {"IMPS", "IMPS", "IMP", "IMP", "IMP", "victoryPoints"}; }
    FigureColumn pointsColumn() const override { return {"IMP", 5, 0, "IMP", '.'}; }
    bool totalsAreMeans() const override { return true; }

    // Each table's North-South side gets its team's IMPs against the match's other table.
    void scoreBoard(Board& board, const ScoringRule&) const override {
        for (int i = 0; i < board.resultCount; ++i) {
            BoardResult& r = board.results[i];
            const BoardResult* other = findResult(std::as_const(board), firstPairOfTeam(teamOfPair(r.ewPair)),
                                                  secondPairOfTeam(teamOfPair(r.nsPair)));
            const std::optional<int> imps = other ? matchBoardImps(r.nsScore, other->nsScore) : std::nullopt;
            r.nsPoints = imps ? static_cast<float>(*imps) : kNoPoints;
            r.ewPoints = imps ? static_cast<float>(-*imps) : kNoPoints;
            if (imps && *imps == 0) r.ewPoints = 0.0f;
        }
    }

    Standings standings(const Contest& contest, int) const override { return rows(contest, 1, kMaxBoard); }
    Standings roundStandings(const Contest& contest, int round) const override {
        return rows(contest, round, round);
    }
    Standings standingsAfterRound(const Contest& contest, int round) const override {
        return rows(contest, 1, round);
    }
    const char* pointsAbbreviation() const override { return "IMP"; }
    bool tiesSharePlace() const override { return true; }
    bool listsUnusedNumbers() const override { return true; }

    std::vector<FigureColumn> figureColumns() const override { return kVpColumns; }
    bool pointsHaveTop() const override { return false; }
    bool exchangesExactFigures() const override { return false; }
    const char* pbnTotalColumns() const override {
        return "TotalVP\\7R;IMPDifference\\7R;IMPQuotient\\6R;NrBoards\\2R";
    }
    const char* pbnPointsColumns() const override { return "IMP_NS\\4R;IMP_EW\\4R"; }

private:
    static Standings rows(const Contest& contest, int firstRound, int lastRound) {
        Standings s{kVpColumns, {}, 0, {}};
        std::vector<int> boards(static_cast<std::size_t>(contest.teams.teamCount) + 1, 0);
        for (int round = firstRound; round <= std::min(lastRound, drawnTeamRounds(contest)); ++round)
            for (const MatchCard& card : roundMatches(contest, round))
                for (int team : {card.home, card.away})
                    if (team >= 1 && team <= contest.teams.teamCount)
                        boards[static_cast<std::size_t>(team)] += card.boardsDone;
        const std::vector<TeamScore> ranked = rankTeams(teamEventTotals(contest, firstRound, lastRound));
        for (const TeamScore& t : ranked) {
            StandingsRow row{static_cast<int>(s.rows.size()) + 1,
                             t.team,
                             {t.vp / 100.0, static_cast<double>(t.impsFor - t.impsAgainst), quotient(t)},
                             boards[static_cast<std::size_t>(t.team)]};
            // Lines equal on every key share a place.
            if (!s.rows.empty() && s.rows.back().figures == row.figures) row.place = s.rows.back().place;
            s.rows.push_back(row);
            s.names.push_back(contest.teams.nameOf(t.team));
        }
        return s;
    }
};

const VictoryPointForm kVictoryPoints;

}  // namespace

const ScoringForm& victoryPointForm() { return kVictoryPoints; }

}  // namespace vindelkast
