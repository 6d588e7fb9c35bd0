#pragma once

#include <string>
#include <vector>

#include "archive/evening.h"
#include "archive/season_ranking.h"
#include "archive/season_text.h"

namespace vindelkast {

// What the window shows from the archive, each a call of its own that opens the archive at
// `place` (klubbarkiv.db or a PostgreSQL URI), reads and closes it again. "" or the message.

// The season ranking of every evening in the range.
std::string seasonRankingAt(const std::string& place, const SeasonRange& range,
                            std::vector<SeasonPlace>& places);

// A member's evenings, oldest first.
std::string playerEveningsAt(const std::string& place, int memberId, std::vector<PlayerEvening>& evenings);

}  // namespace vindelkast
