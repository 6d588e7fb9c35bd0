#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/contest.h"

// A team event's settings in a file beside the contest file ("NAME.lag"), so that the
// contest file stays as every reader knows it. Text (Windows-1252, CR LF) after a header:
//   %LAG 1
//   MONRAD | ALLA-MOT-ALLA | MONRAD-PAR   the form (the last: Swiss pairs)
//   LAG 13                     how many teams (Swiss pairs: pairs)
//   FRI-VP 12,00               what sitting a round out is worth
//   NAMN 3 Åsele Bridge        a team's name
//   FAST 1 3                   a meeting set for the next draw
//   JUSTERING 2 4 -1,50        victory points given a team in a round
// and in a series, from the evenings before:
//   TIDIGARE 3 45,12 80 61     a team's VP and IMPs scored and conceded
//   MOTT 1 3                   a meeting
//   HADE-FRI 5                 a team that has sat a round out
//   TIDIGARE-RONDER 7          the rounds played
namespace vindelkast {

inline constexpr const char* kTeamEventExtension = ".lag";
// The most teams an event seats: two pairs each on the contest's 72 numbers.
inline constexpr int kMaxEventTeams = kMaxPair / 2;
// The longest team name kept.
inline constexpr std::size_t kMaxTeamNameBytes = 40;

// The whole file ("" for a pairs evening, which has none).
std::string writeTeamEvent(const Contest& contest);

// Puts the file's settings into the contest. Returns "" on success, else the message
// naming the line; the contest is then left as it was.
std::string readTeamEvent(Contest& contest, std::string_view text);

// Meetings as a director types them ("1-3,5-7", blanks allowed; "" is none) between teams
// 1..teams, each team in one at most. "" or the message naming the part that is none.
std::string readMeetings(std::string_view text, int teams, std::vector<std::pair<int, int>>& meetings);

// Victory points as a director types them ("12", "-1,5", "2.25") in hundredths; false when
// the word is none or lies beyond ±limit hundredths.
bool vpWord(std::string_view word, int& hundredths, int limit = 10000);

}  // namespace vindelkast
