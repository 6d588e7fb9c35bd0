// A team event's teams as the archive keeps them.
#include "archive/evening_record.h"
#include "archive/team_series.h"
#include "model/name_forms.h"
#include "model/scoring_form.h"
#include "model/team_matches.h"
#include "model/team_standings.h"

namespace vindelkast {

namespace {

double quotient(const TeamScore& t) {
    if (t.impsAgainst == 0) return t.impsFor == 0 ? 1.0 : t.impsFor;
    return static_cast<double>(t.impsFor) / t.impsAgainst;
}

// What a series' later evening brought with it is the earlier evenings': the evening counts
// only its own.
TeamScore ownScore(TeamScore total, const TeamSetup& teams) {
    for (const CarriedTotals& carried : teams.carried)
        if (carried.team == total.team) {
            total.vp -= carried.vp;
            total.impsFor -= carried.impsFor;
            total.impsAgainst -= carried.impsAgainst;
        }
    return total;
}

}  // namespace

bool sameStanding(const TeamScore& a, const TeamScore& b) {
    return a.vp == b.vp && a.impsFor - a.impsAgainst == b.impsFor - b.impsAgainst &&
           quotient(a) == quotient(b);
}

void addTeams(const Contest& contest, Evening& evening) {
    // The standings name the teams as every list of the evening does.
    const Standings standings = scoringForm(contest).standings(contest);
    std::vector<TeamScore> own;
    for (const TeamScore& total : teamEventTotals(contest)) own.push_back(ownScore(total, contest.teams));
    const std::vector<TeamScore> ranked = rankTeams(own);
    for (std::size_t i = 0; i < ranked.size(); ++i) {
        const TeamScore& t = ranked[i];
        ArchivedTeam team{t.team,        teamName(contest, t.team), {}, t.vp, t.impsFor,
                          t.impsAgainst, static_cast<int>(i) + 1};
        for (std::size_t row = 0; row < standings.rows.size(); ++row)
            if (standings.rows[row].pair == t.team)
                team.name = standingsName(contest, standings, row, NameForm::Long);
        if (i > 0 && sameStanding(t, ranked[i - 1])) team.place = evening.teams.back().place;
        for (int pair : contest.teams.pairsOf(t.team))
            if (pair <= kMaxPair)
                for (ArchivedPlayer& player : playersOf(contest, pair))
                    team.players.push_back(std::move(player));
        evening.teams.push_back(std::move(team));
    }
}

}  // namespace vindelkast
