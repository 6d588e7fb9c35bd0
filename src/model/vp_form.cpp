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

// The teams' (pairs') lines by VP over the rounds `firstRound`..`lastRound`.
Standings vpRows(const Contest& contest, int firstRound, int lastRound) {
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
        s.names.push_back(teamName(contest, t.team));
    }
    return s;
}

TeamSetup teamsOfTwoPairs() {
    TeamSetup teams;
    teams.form = TeamForm::Swiss;
    return teams;
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
        static const TeamSetup kTwoPairs = teamsOfTwoPairs();
        const TeamSetup& teams = board.contest ? board.contest->teams : kTwoPairs;
        for (int i = 0; i < board.resultCount; ++i) {
            BoardResult& r = board.results[i];
            const std::vector<MatchTable> tables =
                teams.matchTables(teams.teamOfPair(r.nsPair), teams.teamOfPair(r.ewPair));
            const BoardResult* other =
                tables.size() == 2 ? findResult(std::as_const(board), tables[1].nsPair, tables[1].ewPair)
                                   : nullptr;
            const std::optional<int> imps = other ? matchBoardImps(r.nsScore, other->nsScore) : std::nullopt;
            r.nsPoints = imps ? static_cast<float>(*imps) : kNoPoints;
            r.ewPoints = imps ? static_cast<float>(-*imps) : kNoPoints;
            if (imps && *imps == 0) r.ewPoints = 0.0f;
        }
    }

    Standings standings(const Contest& contest, int) const override { return vpRows(contest, 1, kMaxBoard); }
    Standings roundStandings(const Contest& contest, int round) const override {
        return vpRows(contest, round, round);
    }
    Standings standingsAfterRound(const Contest& contest, int round) const override {
        return vpRows(contest, 1, round);
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
};

// Swiss pairs: the boards are the field's, scored and shown as a pairs evening scores them;
// the standings are the matches' victory points.
class SwissPairsForm final : public ScoringForm {
public:
    explicit SwissPairsForm(ScoringMethod boards) : m_boards(boards) {}

    const char* name() const override { return "VP"; }
    const char* pointsName() const override { return field().pointsName(); }
    ExchangeCodes codes() const override { return field().codes(); }
    FigureColumn pointsColumn() const override { return field().pointsColumn(); }
    bool showsDatum() const override { return field().showsDatum(); }
    bool totalsAreMeans() const override { return true; }
    void scoreBoard(Board& board, const ScoringRule& rule) const override {
        field().scoreBoard(board, {rule.method, rule.neuberg, false});
    }

    Standings standings(const Contest& contest, int) const override { return vpRows(contest, 1, kMaxBoard); }
    Standings roundStandings(const Contest& contest, int round) const override {
        return vpRows(contest, round, round);
    }
    Standings standingsAfterRound(const Contest& contest, int round) const override {
        return vpRows(contest, 1, round);
    }
    const char* pointsAbbreviation() const override { return field().pointsAbbreviation(); }
    bool tiesSharePlace() const override { return true; }
    bool listsUnusedNumbers() const override { return true; }

    std::vector<FigureColumn> figureColumns() const override { return kVpColumns; }
    bool pointsHaveTop() const override { return field().pointsHaveTop(); }
    bool exchangesExactFigures() const override { return field().exchangesExactFigures(); }
    const char* pbnTotalColumns() const override {
        return "TotalVP\\7R;IMPDifference\\7R;IMPQuotient\\6R;NrBoards\\2R";
    }
    const char* pbnPointsColumns() const override { return field().pbnPointsColumns(); }

private:
    const ScoringForm& field() const { return scoringForm(ScoringRule{m_boards, false, false}); }
    ScoringMethod m_boards;
};

const VictoryPointForm kVictoryPoints;
const SwissPairsForm kSwissMatchpoints(ScoringMethod::Matchpoints);
const SwissPairsForm kSwissCrossImps(ScoringMethod::CrossImps);
const SwissPairsForm kSwissButler(ScoringMethod::Butler);

}  // namespace

const ScoringForm& victoryPointForm() { return kVictoryPoints; }

const ScoringForm& swissPairsForm(ScoringMethod boards) {
    return boards == ScoringMethod::CrossImps ? kSwissCrossImps
           : boards == ScoringMethod::Butler  ? kSwissButler
                                              : kSwissMatchpoints;
}

}  // namespace vindelkast
