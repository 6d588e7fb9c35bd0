#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "model/contest.h"
#include "model/standings.h"

namespace vindelkast {

// Pieces the HTML pages share. Every page line ends in CR LF.
inline constexpr const char* kPageLineEnd = "\r\n";

// `text` right-aligned in `width` characters (a longer text is written whole).
std::string rightAligned(const std::string& text, int width);
std::string rightAligned(int number, int width);
// A real in fixed-point notation with one decimal, right-aligned in `width`.
std::string oneDecimal(double value, int width = 0);

// `text` followed by blanks up to `width` characters, and by at least one blank.
std::string padAtLeastOne(const std::string& text, std::size_t width);

// True when the result holds the contest's bye pair.
bool holdsByePair(const Contest& contest, const BoardResult& result);

// True when any result of the board has a non-zero tenth in its NS or EW matchpoints.
bool boardHasTenths(const Board& board);
// Matchpoints with one decimal, or rounded half up to a whole number, right-aligned.
std::string pointsText(float points, bool tenths, int width = 0);

// The pairs of a published standings list in order of place: empty places, the bye pair,
// and pairs without a first member or seated as the bye person are left out.
std::vector<int> publishedPairs(const Contest& contest, const Totals& totals);

// The contest file, base64-encoded, inside a comment: the page carries its own data.
void writeEmbeddedContest(Contest& contest, std::ostream& out);

}  // namespace vindelkast
