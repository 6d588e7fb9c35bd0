#pragma once

#include <optional>
#include <string>
#include <vector>

#include "movement/contest_setup.h"

namespace vindelkast {

// The same plan for every section: the request's card, or the built-in movements.
std::vector<SectionPlan> sectionPlans(const std::vector<int>& pairCounts);

// "Klar": sets up the evening as `request` asks, as one field (setUpContest) or in its
// sections, each with its own movement for its own number of pairs (a built-in one, or its
// guide card) over the same boards and rounds. Each section is set up as `request` asks with
// its pair count, then laid into the contest with its pair numbers following on from the
// section before: A 1..16, B 17..34. A section of an odd number of pairs seats one number
// more, its sit-out ("fripar"), whose slots leave the boards; a guide card must seat exactly
// the section's pairs and that sit-out. Individual and Gröna Hissen evenings have no sections.
SetUpOutcome setUp(Contest& contest, const SetUpRequest& request);

// "" or why the request cannot be played in `sectionCount` sections at all (an individual or
// Gröna Hissen evening, one without guide cards, fewer than 2 or more than 8 sections).
std::string sectionsRefusal(const SetUpRequest& request, std::size_t sectionCount);

// Section `letter` set up alone with its plan, as setUpSections sets it up, and thrown away:
// the refusal setUpSections would give for it ("Sektion B: guidekortet är för 16 par,
// sektionen har 13"), or none. A guide card chosen for a section is tried so at once.
SetUpOutcome sectionOutcome(MemberRegister& reg, const SetUpRequest& request, const SectionPlan& plan,
                            char letter);

}  // namespace vindelkast
