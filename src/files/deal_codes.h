#pragma once

#include <string>
#include <string_view>

#include "model/contest.h"

namespace vindelkast {

// Stores a deal given as 39 two-digit card codes: North's 13, East's 13, South's 13; West
// gets the codes not named, in ascending order. A code 00, above 52, repeated or missing
// leaves its slot empty, so the deal reads as incomplete. Returns whether it is complete.
bool storeCodePairsDeal(Board& board, std::string_view text);

// The 78-digit form of a complete deal: North's, East's and South's card codes.
std::string codePairsText(const Board& board);

}  // namespace vindelkast
