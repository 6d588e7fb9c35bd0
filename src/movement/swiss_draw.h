#pragma once

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "model/team_standings.h"

// The Monrad draw of a team event: each round the teams meet teams near them in the
// standings, never a team they have met when the round can be drawn without that.
namespace vindelkast {

// Two teams' meeting, the lower number first, whichever was home.
std::pair<int, int> meetingOf(int a, int b);

struct SwissDrawInput {
    std::vector<int> standings;                      // team numbers, the best first
    std::set<std::pair<int, int>> met;               // meetings so far (meetingOf)
    std::set<int> hadBye;                            // teams that have sat a round out
    int roundsLeft = 1;                              // this one included
    std::vector<std::pair<int, int>> fixedMeetings;  // set by the director for this round
};

struct SwissDraw {
    std::string message;                     // why no draw was made ("" when one was)
    std::vector<std::pair<int, int>> pairs;  // the better-placed team first, the best pair first
    int bye = 0;                             // the team that sits out (0: none)
    int repeats = 0;                         // pairs that have met before
    bool repeatUnavoidable = false;          // no draw of the teams left free avoids a repeat
    bool nextRoundRepeats = false;           // no draw found lets the next round avoid a repeat
};

// Draws the next round. The bye (with an odd number of teams) goes to the lowest-placed
// team that has not had one and has no fixed meeting. The free teams are paired from the top,
// as the Monrad draw always was: the best team still free meets the nearest team below it
// whose pairing still lets every team left be paired with no more repeated meetings than the
// fewest the round needs; a partner it has not met always comes before one it has. So no two
// teams meet again while any draw avoids it, and when none does, the draw has the fewest
// repeats and says so. With a round to come after this one, the first draw in that order
// after which the next round can still be drawn without a repeat goes first, so that a repeat
// comes as late as it can; when none is found, the draw says so.
SwissDraw drawSwissRound(const SwissDrawInput& input);

// The draw's input from an event: the standings (byes worth `byeVp`), its meetings and byes,
// the rounds left and the fixed meetings. Before the first round the seeding order stands
// unless `shuffleFirstRound`, when the order is drawn from the system's random source.
SwissDrawInput swissDrawInput(const TeamEvent& event, int byeVp, bool shuffleFirstRound);

}  // namespace vindelkast
