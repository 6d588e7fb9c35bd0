#pragma once

#include <string>
#include <vector>

#include "archive/evening.h"
#include "archive/season_ranking.h"
#include "archive/season_text.h"

namespace vindelkast {

// What the window shows from the archive, each a call of its own that opens the archive at
// `place` (klubbarkiv.db or a PostgreSQL URI), reads and closes it again. "" or the message.

// The season ranking of every evening in the range, and those evenings and the ranking of
// each team series when asked for.
std::string seasonRankingAt(const std::string& place, const SeasonRange& range,
                            std::vector<SeasonPlace>& places, std::vector<EveningKey>* evenings = nullptr,
                            std::vector<TeamSeries>* series = nullptr);

// A member's evenings, oldest first.
std::string playerEveningsAt(const std::string& place, int memberId, std::vector<PlayerEvening>& evenings);

}  // namespace vindelkast
