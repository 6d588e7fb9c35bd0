#pragma once

#include <string_view>

#include "model/contest.h"

namespace vindelkast {

// The ways a deal is written in the files the program reads.
enum class DealEncoding {
    CodePairs,     // 39 two-digit card codes, North, East, South (BRI, DUP, contest file)
    OwnerBits,     // 13 bytes, one per rank, two bits of owner per suit (CDS)
    OwnerLetters,  // 26 letters a..p, each naming the owners of two cards (DLM)
    Pbn,           // a PBN "[Deal " line: first hand, colon, four hands clockwise
};

// Stores one deal on the board, replacing what it held. A card that is repeated, unknown
// or a fourteenth one of its hand is left out, so such a deal is incomplete. Returns
// whether the deal is complete.
bool storeDeal(Board& board, std::string_view text, DealEncoding encoding);

}  // namespace vindelkast
