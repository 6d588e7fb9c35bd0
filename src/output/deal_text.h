#pragma once

#include <string>

#include "model/contest.h"

namespace vindelkast {

// The rank characters of one suit of a hand, in the order the hand holds them; "--" for a
// void. A board without a deal gives the empty text.
std::string suitText(const Board& board, Seat seat, int suit);

// One suit of a hand as Swedish players write it, highest card first with the honours
// E K D Kn and the ten as 10, the cards apart: "E Kn 10 4"; a dash (0x96) for a void, ""
// for a board without a deal. Windows-1252.
std::string swedishSuitText(const Board& board, Seat seat, int suit);

// The four suits of a seat, spades to clubs, separated by ",".
std::string handText(const Board& board, Seat seat);

}  // namespace vindelkast
