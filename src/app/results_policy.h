#pragma once

#include <string>

namespace vindelkast {

// What a results page served to the phones may do: it carries its one style sheet inline,
// allowed by that sheet's hash alone, and runs nothing at all. The same whichever server
// answers.
const std::string& resultsPagePolicy();

}  // namespace vindelkast
