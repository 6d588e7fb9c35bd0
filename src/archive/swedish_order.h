#pragma once

#include <string>
#include <string_view>

namespace vindelkast {

// Loads ICU's Swedish collation, once for the process: "" when names can be put in Swedish
// order, else the message for the director (which package to install).
std::string loadSwedishOrder();

// Compares two names (Windows-1252) as a Swedish list orders them: case aside, å, ä and ö
// after z, ü with y, é with e. Negative, zero or positive. Without ICU the bytes decide: call
// loadSwedishOrder first where the director is to be told.
int compareSwedish(std::string_view a, std::string_view b);

}  // namespace vindelkast
