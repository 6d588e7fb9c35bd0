#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "model/contest.h"
#include "model/name_forms.h"
#include "model/scoring_form.h"
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

// True when any of the board's results in `slots` has a non-zero tenth in its NS or EW
// matchpoints.
bool boardHasTenths(const Board& board, const std::vector<int>& slots);
// Matchpoints with one decimal, or rounded half up to a whole number, right-aligned.
std::string pointsText(float points, bool tenths, int width = 0);

// The pairs of a published standings list in order of place: empty places, the bye pair,
// pairs seated as the bye person and numbers nobody used (no first member and no result)
// are left out. A pair that has a result is always listed, with names or without.
std::vector<int> publishedPairs(const Contest& contest, const Totals& totals);
// The same rule for one pair; `scored`: it has a score on some board (hasScoredResult).
bool publishedPair(const Contest& contest, int pair, bool scored);

// True when the pair (player) has a score on any board.
bool hasScoredResult(const Contest& contest, int pair);

// True when the pair (player) has a member in the start list.
bool pairHasNames(const Contest& contest, int pair);

// The pair's name on a published page: pairName, or "Par 11" ("Spelare 11" in an
// individual contest) for a number without names, "Par B7" in an evening of sections.
std::string publishedPairName(const Contest& contest, int pair, NameForm form);
// The name of a standings row as a page shows it: a team event's team by its name, a pair as
// publishedPairName gives it.
std::string publishedRowName(const Contest& contest, const Standings& standings, std::size_t row,
                             NameForm form);

// The contest file, base64-encoded, inside a comment: the page carries its own data. Its
// results are in table order as sorting the page's `order` into it puts them.
void writeEmbeddedContest(const Contest& contest, int order, std::ostream& out);

// Leaves the contest as writing a full or old-style page in `order` always has: every board
// sorted into that order, into table order for the embedded file, back, and into the former
// order (each sort may exchange equal results), and dealCount lowered to the leading
// complete deals. The window shows the contest so afterwards.
void settleAfterPageExport(Contest& contest, int order);

}  // namespace vindelkast
