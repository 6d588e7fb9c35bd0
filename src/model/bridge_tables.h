#pragma once

#include <string>

#include "model/contest.h"

namespace vindelkast {

// The fixed tables that go with a board number, suits and ranks.
inline constexpr const char* kContestMagic = "%SCO2";
inline constexpr const char* kRankChars = " A23456789TJQKA";

// Texts are Windows-1252 bytes.
const std::string& directionName(int index);        // 0 "Väst", 1 "Nord", 2 "Öst", 3 "Syd"
const std::string& vulnerabilityNameAt(int index);  // 0 "Alla", 1 "Ingen", 2 "NS", 3 "ÖV"
const std::string& suitName(int suit);              // "Spader", "Hjärter", "Ruter", "Klöver"

const std::string& dealerName(int board);
int vulnerability(int board);  // 0 all, 1 none, 2 NS, 3 EW
const std::string& vulnerabilityName(int board);
bool nsVulnerable(int board);
bool ewVulnerable(int board);

Card cardFromCode(int code);
Card cardFromSuitRank(int suit, int rank);
char rankChar(int rank);
int rankFromChar(char c);

// The EW score that goes with a NS score: negated, the same adjusted code, or no score.
int ewScoreFor(int nsScore);

}  // namespace vindelkast
