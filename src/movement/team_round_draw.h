#pragma once

#include <string>
#include <vector>

#include "model/contest.h"
#include "movement/contest_setup.h"

// Setting up a team event and drawing its rounds. A round drawn is laid down at once as empty
// result slots on its boards, two tables to a match, so a draw is whole or not there at all.
namespace vindelkast {

struct TeamPlan {
    TeamForm form = TeamForm::Swiss;
    int teams = 0;
    int boardsPerMatch = 0;
    int rounds = 0;  // round robin: 0 for a full one, each team meeting every other once
    int byeVp = 1200;
    std::vector<std::string> names;  // by team number - 1 (Windows-1252); fewer is allowed
    // Swiss pairs (whose teams are pairs): how the boards are scored across the field.
    ScoringMethod boardScoring = ScoringMethod::Matchpoints;
};

// The rounds a full round robin of `teams` takes.
int roundRobinRounds(int teams);

// Sets the contest up as a team event from `request`'s texts and `plan`: the boards of every
// round, two pairs per team, no movement (the rounds are drawn), victory points. "" or the
// message; on a message the contest is not set up.
std::string setUpTeamEvent(Contest& contest, SetUpRequest request, const TeamPlan& plan);

// Sets `next` up as the series' next evening after `previous`: the same teams, names, form
// and bye VP, the totals brought forward, the meetings and byes so far kept for the draw.
// `plan` gives the evening's boards per match and rounds. "" or why not (an evening not yet
// played to its end carries nothing).
std::string continueTeamSeries(const Contest& previous, Contest& next, SetUpRequest request, TeamPlan plan);

struct DrawnMatch {
    int home = 0;
    int away = 0;
    int table = 0;  // the home team's own; a team's match goes on at the next
    bool repeat = false;
};

struct TeamRoundDraw {
    int round = 0;        // the round drawn; 0 when none was
    std::string message;  // why not, or what the director should know of the draw
    std::vector<DrawnMatch> matches;
    int bye = 0;  // the team that sits out (0: none)
    int repeats = 0;
    bool repeatUnavoidable = false;
    bool nextRoundRepeats = false;  // the round after this one will need a repeat
};

// Draws the event's next round: Monrad from the standings (round 1 at random from the
// system's source unless `seeded`, then in the teams' order), or the round robin's next
// round. A Monrad round waits for every board of the round before it; drawn `early`, from the
// standings a round before that, it waits for that round only, so the tables have their next
// match before the last one ends (none of them meets a team it plays now or has played). The
// fixed meetings are used and forgotten.
TeamRoundDraw drawTeamRound(Contest& contest, bool seeded, bool early = false);

// Takes the last round drawn off the boards, so that it can be drawn again. "" or why not: a
// table has entered a result in it.
std::string undrawTeamRound(Contest& contest);

// Exchanges two teams' places in the last round drawn (a team that sits out then plays and
// the other sits out). "" or why not: a result is entered at one of their tables.
std::string moveTeams(Contest& contest, int a, int b);

}  // namespace vindelkast
