#pragma once

#include <array>
#include <string>

#include "model/contest.h"

// The played contracts as the result pages write them.
namespace vindelkast {

// A page's names of the strains in the contract's own order: clubs, diamonds, hearts,
// spades, notrump.
using ContractStrains = std::array<std::string, 5>;

// The strains by their Swedish initials, as text in Swedish writes a contract: "3R", "1K".
const ContractStrains& swedishLetterStrains();

// The contract the table gave for this result, or nullptr.
const PlayedContract* playedContract(const Contest& contest, int board, const BoardResult& result);

// "4" + the strain's name + "X"/"XX"; `passed` for a board passed out.
std::string contractWith(const Contract& contract, const ContractStrains& strains, const std::string& passed);

// The tricks against the contract: "=", "+1", "-2"; "" for a board passed out.
std::string tricksAgainstContract(const PlayedContract& played);

// The declarer's seat in Swedish: "N", "Ö", "S", "V" (Windows-1252).
std::string swedishSeat(int seat);

}  // namespace vindelkast
