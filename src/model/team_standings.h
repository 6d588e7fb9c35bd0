#pragma once

#include <string>
#include <utility>
#include <vector>

#include "model/victory_points.h"

// A team event as far as its standings and the next draw go: the teams, the matches played
// round by round in IMPs, and who sat a round out.
namespace vindelkast {

constexpr int kMaxTeams = 100;

struct TeamMatch {
    int home = 0;  // team numbers
    int away = 0;
    int homeImps = 0;
    int awayImps = 0;
};

struct TeamRound {
    std::vector<TeamMatch> matches;
    std::vector<int> byes;  // teams that sat the round out
};

struct TeamEvent {
    int boards = 0;                                  // boards in a match
    int rounds = 0;                                  // rounds the event has in all
    std::vector<int> teams;                          // numbers in the director's seeding order
    std::vector<std::string> names;                  // beside `teams` (Windows-1252)
    std::vector<TeamRound> played;                   // the rounds so far, the first first
    std::vector<std::pair<int, int>> fixedMeetings;  // set by the director for the next round

    // The team's name, "" for a number the event does not have.
    const std::string& nameOf(int team) const;
};

// What a team has gathered: victory points in hundredths, the IMPs it scored and conceded.
struct TeamScore {
    int team = 0;
    int vp = 0;
    int impsFor = 0;
    int impsAgainst = 0;
};

// Every team's totals, in the seeding order; a bye is worth `byeVp` and no IMPs.
std::vector<TeamScore> teamTotals(const TeamEvent& event, int byeVp = kDefaultByeVp);

// Best first: more victory points, then the larger IMP difference, then the larger IMP
// quotient (scored over conceded; conceding none beats any quotient, and a team with no IMPs
// either way stands at 1). Teams equal on all three keep the order they were given in.
std::vector<TeamScore> rankTeams(std::vector<TeamScore> totals);

}  // namespace vindelkast
