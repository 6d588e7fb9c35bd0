#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vindelkast {

// A contest's date is free text. The archive reads "YYYY-MM-DD", "YYYYMMDD", "D/M YYYY" and
// "D.M.YYYY" (blanks around it allowed) and gives the date as "YYYY-MM-DD"; nothing when
// the text is none of these or no day of the calendar (years 1900-2999).
std::optional<std::string> readEveningDate(std::string_view text);

}  // namespace vindelkast
