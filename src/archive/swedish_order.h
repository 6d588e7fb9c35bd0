#pragma once

#include <string_view>

namespace vindelkast {

// Compares two names (Windows-1252) as a Swedish list orders them: case aside, å, ä and ö
// after z, ü with y, é with e. Negative, zero or positive.
int compareSwedish(std::string_view a, std::string_view b);

}  // namespace vindelkast
