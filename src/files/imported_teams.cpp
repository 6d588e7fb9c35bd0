#include "files/imported_teams.h"

#include <algorithm>
#include <map>

#include "model/result_order.h"
#include "model/team_matches.h"

namespace vindelkast {

namespace {

// Swiss pairs: the pairs are the entrants, and each slot keeps its table where the file gave
// its round. A round's matches sit at tables in the order of their North-South pairs.
void laySwissPairs(Contest& c, const ImportedTeams& file) {
    // The pairs that played or have names; a bye pair the import added is none of them.
    int highest = 2;
    for (int b = 1; b <= c.lastBoard(); ++b)
        for (int i = 0; i < c.boards[b].resultCount; ++i)
            highest = std::max({highest, c.boards[b].results[i].nsPair, c.boards[b].results[i].ewPair});
    for (int p = 1; p <= kMaxPair; ++p)
        if (c.participants[p].first && c.participants[p].first != c.byeMember) highest = std::max(highest, p);
    const int pairs = std::min(highest, kMaxPair);
    for (int p = pairs + 1; p <= kMaxPair; ++p) c.participants[p] = Participant{};
    TeamSetup teams;
    teams.form = TeamForm::SwissPairs;
    teams.teamCount = pairs;
    teams.byeVp = file.byeVp;
    teams.names.resize(static_cast<std::size_t>(pairs));
    c.teams = std::move(teams);
    c.maxPairNumber = pairs;
    c.participantCount = pairs;
    c.byePair = 0;
    if (file.boardsPerMatch >= 1 && file.boardsPerMatch <= c.boardCount)
        c.boardsPerRound = file.boardsPerMatch;
    const int k = std::max(c.boardsPerRound, 1);
    c.roundCount = std::max(1, c.boardCount / k);
    c.tableCount = c.playingTableCount = pairs / 2;
    c.sections = {};
    for (int first = 1; first <= c.lastBoard(); first += k) {
        std::map<int, int> tableOf;  // North-South pair -> table, over the round's boards
        for (int b = first; b < first + k && b <= c.lastBoard(); ++b)
            for (int i = 0; i < c.boards[b].resultCount; ++i) tableOf[c.boards[b].results[i].nsPair] = 0;
        int table = 0;
        for (auto& entry : tableOf) entry.second = ++table;
        for (int b = first; b < first + k && b <= c.lastBoard(); ++b) {
            for (int i = 0; i < c.boards[b].resultCount; ++i)
                c.boards[b].results[i].round = tableOf[c.boards[b].results[i].nsPair];
            sortResults(c.boards[b]);
        }
    }
}

}  // namespace

void layTeamEvent(Contest& c, const ImportedTeams& file) {
    if (file.form == TeamForm::SwissPairs) {
        laySwissPairs(c, file);
        return;
    }
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
