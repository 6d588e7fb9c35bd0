#pragma once

#include <string>

#include "model/contest.h"

// Whether an evening's sections fit the contest they are read into. The contest file numbers
// the pairs and the sections file only groups them: a pair outside every section would be
// scored against no field, so the two must agree before the sections are taken.
namespace vindelkast {

// "" or why `sections` cannot be the contest's: sections in an individual or Gröna Hissen
// contest; a pair number of the contest (1..maxPairNumber, and any above that plays a board
// or has a name) before, between or after the sections; a section past the contest's pairs.
std::string sectionsMisfit(const Contest& contest, const Sections& sections);

}  // namespace vindelkast
