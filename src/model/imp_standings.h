#pragma once

#include <vector>

#include "model/contest.h"

namespace vindelkast {

// One pair's line of an IMP contest's standings.
struct ImpStanding {
    int pair = 0;
    double total = 0.0;  // IMPs over the boards it has points on
    int boards = 0;      // boards with points (adjusted ones included)
    double perBoard() const { return boards > 0 ? total / boards : 0.0; }
};

// Every pair of the contest but the bye pair, highest total first; equal totals (to the
// hundredth shown) by IMPs per board, then by pair number. A pair that missed boards is not
// made up for: the IMPs per board say how it did on those it played.
std::vector<ImpStanding> impStandings(const Contest& contest);

// The standings of one section's pairs only (-1, or an evening without sections: the whole
// field), in the same order; impPlaces then places them within the section.
std::vector<ImpStanding> sectionImpStandings(const Contest& contest, int section);

// The same over boards firstBoard..lastBoard only (a round, or the boards up to a round).
std::vector<ImpStanding> impStandings(const Contest& contest, int firstBoard, int lastBoard);

// The place of each line of `standings` (in its order): one more than the lines with a higher
// total; equal totals, to the hundredth shown, share a place.
std::vector<int> impPlaces(const std::vector<ImpStanding>& standings);

}  // namespace vindelkast
