#pragma once

#include <ostream>
#include <string>

#include "model/contest.h"

// The round page of a contest scored in IMPs: the same parts as with matchpoints, with IMPs
// (two decimals, decimal comma) where those show points and percent; equal totals share a
// place.
namespace vindelkast {

// The round's leaders: the pairs placed first and second on the round's boards (at most five).
void writeImpLeaders(const Contest& contest, int round, int firstBoard, int lastBoard, std::ostream& out);

// The traveller's heading (with Butler, the board's datum above it), and a result's line in
// it: both sides' IMPs after the score.
std::string impTravellerHeading(const Contest& contest, const Board& board);
std::string impTravellerLine(const BoardResult& r);

// The standings after the round (boards 1..lastBoard) with each pair's IMPs in the round.
void writeImpStandingsAfter(const Contest& contest, int firstBoard, int lastBoard, std::ostream& out);

}  // namespace vindelkast
