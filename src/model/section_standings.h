#pragma once

#include "model/contest.h"
#include "model/standings.h"

// The standings of an evening in sections, one section at a time.
namespace vindelkast {

// The standings of one section (its pairs only, places among themselves), with the mean
// of a pair of that section: the section's own when it is matchpointed alone.
struct SectionStandings {
    Totals totals;
    int mean = 0;
};
SectionStandings sectionStandings(const Contest& contest, int section);

}  // namespace vindelkast
