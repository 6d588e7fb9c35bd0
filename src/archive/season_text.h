#pragma once

#include <string>
#include <vector>

#include "archive/evening.h"
#include "archive/season_ranking.h"
#include "archive/team_series.h"

namespace vindelkast {

// What a season ranking covers, for its caption.
struct SeasonRange {
    std::string from;  // YYYY-MM-DD
    std::string to;
    SeasonRule rule;
};

// "Säsongsställning 2024-01-01 till 2024-06-30, bästa 10 kvällar, minst 3 kvällar".
std::string seasonCaption(const SeasonRange& range);

// The caption, the heading and one line per place (Windows-1252).
std::vector<std::string> seasonLines(const SeasonRange& range, const std::vector<SeasonPlace>& places);

// "Lagserie "Lagtävling" (BK Vindeln), 2 kvällar: 2024-03-04, 2024-03-11".
std::string teamSeriesCaption(const TeamSeries& series);
// "Åberg Karin, Almqvist Birgitta, ...": the team's players over the series.
std::string teamPlayersText(const SeriesTeam& team);
// "+19": an IMP difference with its sign.
std::string impDifferenceText(const TeamScore& score);

// Each team series: its caption, the heading, and per team a line with its place, number,
// name, evenings, summed VP, IMPs scored-conceded and their difference, and a line with its
// players (Windows-1252).
std::vector<std::string> teamSeriesLines(const std::vector<TeamSeries>& series);

// The ranking for a spreadsheet, as a Swedish spreadsheet opens it right: UTF-8 with a
// byte-order mark, semicolons, the line "plats;medlemsnr;namn;kvällar;procent", then one line
// per place; a guest's member number is empty; two decimals after a comma.
std::string seasonCsv(const std::vector<SeasonPlace>& places);

// A member's evenings, one line each: date, contest, partner, percent and place (Windows-1252).
std::vector<std::string> playerHistoryLines(int memberId, const std::vector<PlayerEvening>& evenings);

}  // namespace vindelkast
