#pragma once

#include <vector>

#include "movement/movement_generator.h"

namespace vindelkast {

// The seats of a Howell for an even number of pairs, `group` being the board group.
// The complete Howell (pairs - 1 rounds) is cyclic: pair `pairs` stays at table 1, the
// others and the boards move one step on each round; every pair meets every other once and
// plays every group once. For 4 and 6 pairs no such movement has a group of its own per
// table, so two tables share one. A shortened Howell plays the first `rounds` rounds of
// the complete one; its groups are found by a search so that no pair plays a group twice
// and every group is played equally often. Empty when no movement was found.
std::vector<TableRound> howellSeats(int pairs, int rounds);

// Who meets whom in the complete Howell's rounds, without board groups: pair `pairs`
// at table 1, the others round a circle.
std::vector<TableRound> howellPairings(int pairs);

// The shortened Howell alone (howellSeats chooses it).
std::vector<TableRound> shortenedHowell(int pairs, int rounds);

// The number of board groups the Howell's seats use.
int howellGroups(int pairs, int rounds);

}  // namespace vindelkast
