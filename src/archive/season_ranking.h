#pragma once

#include <string>
#include <vector>

#include "archive/evening.h"

namespace vindelkast {

struct SeasonRule {
    int best = 0;     // the best N evenings count; 0: all of them
    int minimum = 1;  // only players with at least this many evenings are ranked
};

// One place of the season ranking. The figure is kept in hundredths of a percent, rounded
// half up, so that figures equal to two decimals are equal.
struct SeasonPlace {
    int place = 0;
    int memberId = 0;  // 0: a guest
    std::string name;
    int evenings = 0;  // every evening the player played in the range
    int counted = 0;   // the evenings the figure is the mean of
    long long hundredths = 0;
};

// Ranks the players: a member by id (named as at the latest evening), a guest by name. A
// player's figure is the mean of the best `rule.best` percentages (all, when fewer); ties go
// to more evenings, then to the name in Swedish order; equal figures share a place.
std::vector<SeasonPlace> rankSeason(const std::vector<SeasonEntry>& entries, const SeasonRule& rule);

// "54,13": a figure with a decimal comma and two decimals, as players read it.
std::string percentText(long long hundredths);

}  // namespace vindelkast
