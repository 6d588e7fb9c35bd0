#pragma once

#include <string>

#include "model/contest.h"

namespace vindelkast {

// The rank characters of one suit of a hand, in the order the hand holds them; "--" for a
// void. A board without a deal gives the empty text.
std::string suitText(const Board& board, Seat seat, int suit);

// The four suits of a seat, spades to clubs, separated by ",".
std::string handText(const Board& board, Seat seat);

}  // namespace vindelkast
