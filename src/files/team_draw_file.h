#pragma once

#include <string>
#include <string_view>

#include "model/team_standings.h"

// What a team event's next draw needs, as the director keeps it in a text file
// (Windows-1252): the match length, the rounds, the teams, each played round's results and
// byes, and the meetings set for the next round. A line is a keyword and its values; empty
// lines and lines starting with '#' say nothing.
//   brickor 8            boards in a match
//   ronder 7             rounds in all
//   lag 1 Norrfors BK    a team's number and name, before the first round
//   rond 1               the rounds in order, each followed by
//   1 2 34 12            a match: home, away, home's IMPs, away's IMPs
//   fri 5                a team that sat the round out
//   fast 1 3             a meeting of the next round the director has set
namespace vindelkast {

// Reads the file's text into `event`. Returns "" on success, else the message (Swedish,
// Windows-1252) naming the line; `event` is then incomplete.
std::string readTeamDraw(std::string_view text, TeamEvent& event);

}  // namespace vindelkast
