#pragma once

#include <functional>

namespace vindelkast {

// The most pairs that vertices 0..n-1 form at once using only pairs `allowed` accepts
// (i < j): a maximum matching, Edmonds' method.
int mostPairs(int n, const std::function<bool(int, int)>& allowed);

}  // namespace vindelkast
