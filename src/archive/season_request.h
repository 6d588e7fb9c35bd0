#pragma once

#include <string>

#include "archive/season_text.h"

namespace vindelkast {

// The season a director asks for, as typed: the first and last day in any form the archive
// reads, the best N evenings ("" counts all of them) and the fewest evenings a ranked player
// needs ("" is 1). Fills `range` and returns "", or returns the message that says what to fix.
std::string readSeasonRequest(const std::string& from, const std::string& to, const std::string& best,
                              const std::string& minimum, SeasonRange& range);

}  // namespace vindelkast
