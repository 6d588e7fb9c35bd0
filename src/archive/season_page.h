#pragma once

#include <string>
#include <vector>

#include "archive/season_ranking.h"
#include "archive/season_text.h"

namespace vindelkast {

// The season ranking as a page of its own: HTML5 in UTF-8, style inline and nothing loaded
// from elsewhere, readable on a phone without sideways scrolling.
std::string seasonPage(const SeasonRange& range, const std::vector<SeasonPlace>& places);

}  // namespace vindelkast
