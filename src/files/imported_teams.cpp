#include "files/imported_teams.h"

#include <algorithm>

#include "model/team_matches.h"

namespace vindelkast {

void layTeamEvent(Contest& c, const ImportedTeams& file) {
    int teamCount = std::max(2, (c.maxPairNumber + 1) / 2);  // two pairs a team
    for (const ImportedTeam& t : file.teams) teamCount = std::max(teamCount, t.number);
    teamCount = std::min(teamCount, kMaxPair / 2);
    TeamSetup teams;
    teams.form = file.form;
    teams.teamCount = teamCount;
    teams.byeVp = file.byeVp;
    teams.names.resize(static_cast<std::size_t>(teamCount));
    // A file names an unnamed team as the lists do ("Lag 3"): it stays unnamed.
    for (const ImportedTeam& t : file.teams)
        if (t.number >= 1 && t.number <= teamCount && t.name != TeamSetup{}.nameOf(t.number))
            teams.names[static_cast<std::size_t>(t.number - 1)] = t.name;
    c.teams = std::move(teams);
    // Every team's two pairs play; a round is the boards of one match.
    c.maxPairNumber = 2 * teamCount;
    c.participantCount = std::max(c.participantCount, c.maxPairNumber);
    c.byePair = 0;
    if (file.boardsPerMatch >= 1 && file.boardsPerMatch <= c.boardCount)
        c.boardsPerRound = file.boardsPerMatch;
    c.roundCount = std::max(1, c.boardCount / c.boardsPerRound);
    c.tableCount = c.playingTableCount = teamCount / 2 * 2;
    c.sections = {};
    c.scoringRule.method = ScoringMethod::VictoryPoints;
    // A correction the file gives for the whole event belongs to the last round drawn.
    for (VpAdjustment a : file.adjustments) {
        if (a.team < 1 || a.team > teamCount) continue;
        if (a.round < 1) a.round = std::max(1, drawnTeamRounds(c));
        c.teams.adjustments.push_back(a);
    }
}

}  // namespace vindelkast
