#pragma once

#include "model/contest.h"
#include "model/standings.h"

// Scoring and standings of an evening in sections. Per section, a board's results are
// compared only with those of the same section. Across the field every result of every
// section on a board is compared; the top is that of the most-played count, and a board
// played fewer times is raised to it by the contest's rule (linear or Neuberg).
namespace vindelkast {

// Scores every board of the contest afresh by its rule and sections.
void scoreSectionedBoards(Contest& contest);

// Scores after a change of one board's results. A contest without sections scores that
// board alone; across the field every board, since one board's count moves the top of all.
void scoreContestBoard(Contest& contest, Board& board);

// Levelling an evening scored per section: within each section, a board its tables played
// fewer times than the section's most-played boards is raised to that count by the contest's
// rule. Returns the boards levelled in some section.
int levelSections(Contest& contest);

// The standings of one section (its pairs only, places among themselves), with the mean
// of a pair of that section: the section's own when it is matchpointed alone.
struct SectionStandings {
    Totals totals;
    int mean = 0;
};
SectionStandings sectionStandings(const Contest& contest, int section);

}  // namespace vindelkast
