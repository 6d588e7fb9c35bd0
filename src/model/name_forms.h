#pragma once

#include <string>

#include "model/contest.h"

namespace vindelkast {

enum class NameForm { Long, Short };

// A member's name in the chosen form; "--" style placeholders are the callers' business.
std::string memberName(const Member& member, NameForm form);

// First member, " & ", second member (unless that is the bye person); "-- " for a missing
// first member, and "-- " alone for a number outside 1..participantCount.
std::string pairName(const Contest& contest, int number, NameForm form);

// A participant's start-list name: the long name, or "--" for an empty reference.
std::string longNameOrDashes(const Member* member);

}  // namespace vindelkast
