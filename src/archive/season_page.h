#pragma once

#include <string>
#include <vector>

#include "archive/evening.h"
#include "archive/season_ranking.h"
#include "archive/season_text.h"

namespace vindelkast {

// The season ranking as a page with the look of the evenings' results pages: HTML5 in
// UTF-8, style inline and nothing loaded from elsewhere, readable on a phone without
// sideways scrolling. Below the ranking, the evenings it counts. With `siteBase` (a web
// address or a path relative to the page, Windows-1252 like all core text) each evening
// links to its results pages published under it, one folder per evening named as
// `eveningFolder` names it (siteBase/2024-03-11-mandagsbridge/index.html). Below the players'
// ranking, each team series' ranking by VP with the teams' players.
std::string seasonPage(const SeasonRange& range, const std::vector<SeasonPlace>& places,
                       const std::vector<EveningKey>& evenings = {}, const std::string& siteBase = "",
                       const std::vector<TeamSeries>& series = {});

}  // namespace vindelkast
