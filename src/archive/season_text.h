#pragma once

#include <string>
#include <vector>

#include "archive/evening.h"
#include "archive/season_ranking.h"

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

// The ranking for a spreadsheet, as a Swedish spreadsheet opens it right: UTF-8 with a
// byte-order mark, semicolons, the line "plats;medlemsnr;namn;kvällar;procent", then one line
// per place; a guest's member number is empty; two decimals after a comma.
std::string seasonCsv(const std::vector<SeasonPlace>& places);

// A member's evenings, one line each: date, contest, partner, percent and place (Windows-1252).
std::vector<std::string> playerHistoryLines(int memberId, const std::vector<PlayerEvening>& evenings);

}  // namespace vindelkast
