#pragma once

#include <vector>

#include "movement/movement_generator.h"

namespace vindelkast {

// The seats of a Mitchell: NS pairs 1..tables stay at their tables, EW pairs move one table
// up and the boards one table down each round. With an even number of tables the EW pairs
// skip a table half-way; with a relay, tables 1 and `tables` share a board group and a
// group rests on a relay stand between the middle tables, so all `tables` rounds are played.
std::vector<TableRound> mitchellSeats(int tables, int rounds, bool relay);

// The most rounds a Mitchell of this size can have.
int mitchellMaxRounds(int tables, bool relay);

}  // namespace vindelkast
