#pragma once

#include <vector>

#include "movement/contest_setup.h"

namespace vindelkast {

// Sets up an evening in sections, each with its own movement for its own number of pairs
// (a built-in one, or the guide card the request names) over the same boards and rounds.
// Each section is set up as `request` asks with its pair count, then laid into the contest
// with its pair numbers following on from the section before: A 1..16, B 17..34. The first
// section that sits a pair out gives the contest its bye pair; another section's sit-out is a
// number no board holds. Individual and Gröna Hissen evenings have no sections.
SetUpOutcome setUpSections(Contest& contest, const SetUpRequest& request, const std::vector<int>& pairCounts,
                           bool acrossField);

}  // namespace vindelkast
