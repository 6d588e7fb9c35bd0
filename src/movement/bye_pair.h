#pragma once

#include <string>

#include "model/contest.h"

namespace vindelkast {

// A bye pair number must be a real pair number before it may index the start list.
inline bool validByePair(int pair) { return Contest::validPair(pair); }

// Makes `pair` the bye pair: both its persons become the bye person ("fripar").
// A number outside 1..72 changes nothing.
void makeByePair(Contest& contest, int pair);

// True when a real person (anybody but "fripar") sits under `pair`: such an entry is a
// playing pair and may never be turned into the bye pair.
bool holdsRealPerson(const Contest& contest, int pair);

// The bye pair as "Klar" settles it, from the number typed in the bye pair field (already
// checked to be 0..72). Pairs contest only. A typed number is taken as it is unless a real
// person sits there (then nothing changes; "Klar" refuses such a number); with 0 the
// highest pair whose first person is "fripar" becomes the bye pair, or, when there is none
// and the highest pair number is odd, that odd number does (the next one when the odd
// pair has names) and the highest pair number grows by one.
void settleByePairAtSetUp(Contest& contest, int typedByePair);

// Closing the name panel in a pairs contest: an odd highest pair number grows by one, and
// without a bye pair that new number becomes the bye pair. An even field is left alone.
// An odd field whose last entry is the bye pair ("fripar") needs no bye pair any more
// (a pair before it was deleted): that entry is emptied and the field shrinks by one. An
// evening in sections is left alone: each section has its own sit-out already.
void settleByePairOnNamesClosed(Contest& contest);

// After "fripar" has been placed under `pair` (chosen from the register, shuffled or
// swapped there): when its first person is the bye person it becomes the bye pair.
// True when it did, so that the window shows the number in the bye pair field.
bool takeByePairIfFripar(Contest& contest, int pair);

// The bye pair field as the contest takes it while it is typed: numbers outside 1..72
// and anything that is not a number give 0 (no bye pair).
int byePairFromField(const std::string& text);

}  // namespace vindelkast
