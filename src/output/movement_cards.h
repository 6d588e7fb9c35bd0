#pragma once

#include <string>
#include <vector>

#include "model/contest.h"

namespace vindelkast {

// One card to print: its lines of fixed-pitch text (Windows-1252).
using PrintedCard = std::vector<std::string>;

// The table cards of a laid movement: for every table, each round's pairs and boards, and
// the rounds the table rests.
std::vector<PrintedCard> tableCards(const Contest& contest);

// The pair guide cards: for every pair but the bye pair, each round's table, direction,
// opponents and boards, and the rounds the pair sits out.
std::vector<PrintedCard> pairCards(const Contest& contest);

// A board list as ranges: "1-4", "5,9-10".
std::string boardRanges(const std::vector<int>& boards);

}  // namespace vindelkast
