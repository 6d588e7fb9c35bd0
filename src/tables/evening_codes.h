#pragma once

#include <string>

#include "model/contest.h"
#include "tables/table_codes.h"

namespace vindelkast {

// New codes for the evening of a set-up contest: one for each table its movement has (or for
// each table of the field when the tables type their pairs).
TableCodes newEveningCodes(const Contest& contest);

}  // namespace vindelkast
