#pragma once

#include <array>
#include <string>
#include <vector>

#include "model/contest.h"

namespace vindelkast {

// How a page or a terminal names the five strains, notrump first ("NT", "&spades;" ...).
using StrainNames = std::array<std::string, 5>;
const StrainNames& letterStrains();  // "NT", "S", "H", "D", "K"... as letters for text

// How they name the seats N, E, S, W, NS, EW (in Swedish: N, Ö, S, V, NS, ÖV).
using SeatNames = std::array<std::string, 6>;
const SeatNames& swedishSeats();  // Windows-1252

// "Par: NS +620 (4S NS)", "Par: ÖV +300 (5RX ÖV)", "Par: 0 (passad)".
std::string parLine(const BoardAnalysis& analysis, const StrainNames& strains, const SeatNames& seats);

// The declarer rows of a table in print order (N, S, Ö, V) as seat indexes.
inline constexpr std::array<int, 4> kTableRows{North, South, East, West};

// The terminal's lines of one board: heading, strain row, four declarer rows and par.
std::vector<std::string> analysisLines(const Contest& contest, int board);

}  // namespace vindelkast
