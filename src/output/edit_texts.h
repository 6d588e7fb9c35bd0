#pragma once

#include <string>
#include <vector>

#include "model/contest.h"

// The parts of a contest an edit shows in the journal before and after it.
namespace vindelkast {

// "par 7", "par 3 och 7", "par 3, 5 och 7".
std::string numbersText(const std::vector<int>& pairs);
// "7 Anna Berg & Bo Ek; 9 -- " for the given pairs, in their order.
std::string startListText(const Contest& contest, const std::vector<int>& pairs);
// "24 par, 27 brickor, 9 ronder".
std::string setUpText(const Contest& contest);
// "par 12", or "inget" when the field has no bye pair.
std::string byePairText(const Contest& contest);

}  // namespace vindelkast
