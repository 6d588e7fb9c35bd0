#pragma once

#include <string>

#include "model/contest.h"
#include "tables/table_codes.h"

namespace vindelkast {

// The evening's table codes are kept in the working folder from the moment they are made,
// so that after a crash and the recovery offer the tables go on with the same codes. A
// normal exit, a clear or a declined recovery removes the file, so the next evening gets
// new ones.
inline constexpr const char* kEveningCodesFileName = "vindelkast-bordkoder.txt";

// The codes kept in `path` when they fit the contest (as many tables, the same way of
// finding the pairs), else new ones, written there safely. `problem` gets the message
// when they could not be kept; the codes work all the same.
TableCodes eveningCodes(const Contest& contest, const std::string& path, std::string& problem);

void forgetEveningCodes(const std::string& path);

}  // namespace vindelkast
