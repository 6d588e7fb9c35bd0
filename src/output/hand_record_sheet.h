#pragma once

#include <string>

#include "model/contest.h"

namespace vindelkast {

// The hand-record sheet as simple HTML (Windows-1252 text) for the printer: per analysed
// board the four hands as a diagram with dealer and vulnerability, the double-dummy table
// and par; two boards to a row, six to a page. Only kept analyses are shown.
std::string handRecordSheet(const Contest& contest);

}  // namespace vindelkast
