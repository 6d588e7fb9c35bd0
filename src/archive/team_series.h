#pragma once

#include <string>
#include <vector>

#include "archive/evening.h"
#include "model/team_standings.h"

namespace vindelkast {

// A team of a series over a season: its evenings' own figures added up.
struct SeriesTeam {
    int place = 0;
    int number = 0;
    std::string name;                     // as at its latest evening
    std::vector<ArchivedPlayer> players;  // everyone who played in it, in order of first evening
    std::vector<std::string> dates;       // its evenings
    TeamScore score;                      // VP in hundredths, IMPs scored and conceded
};

// The evenings of one name and arranger that were team events, and their teams ranked.
struct TeamSeries {
    std::string name;
    std::string arranger;
    std::vector<std::string> dates;
    std::vector<SeriesTeam> teams;
};

// Teams equal on VP, IMP difference and IMP quotient share a place.
bool sameStanding(const TeamScore& a, const TeamScore& b);

// The season's team series, in the order of their first evenings; a team is known by its
// number in the series (a series' later evening keeps its teams' numbers). Teams rank by
// summed VP, then IMP difference, then IMP quotient, as an evening's do.
std::vector<TeamSeries> rankTeamSeries(const std::vector<SeasonTeamEntry>& entries);

}  // namespace vindelkast
