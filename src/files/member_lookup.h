#pragma once

#include <string_view>

#include "model/contest.h"
#include "model/member_register.h"

namespace vindelkast {

// The first member of the whole register whose long name is exactly `longNameText`.
Member* findMemberByLongName(std::string_view longNameText, const MemberRegister& reg);

// True when the member is the first or second person of a participant 1..maxPairNumber.
bool isInStartList(const Contest& contest, const Member* member);

// Identity numbers from here on are the federation's; below it they are the club's own.
inline constexpr int kFirstFederationNumber = 1000;

// One more than the highest club number (identity numbers below 1000) in the register;
// federation numbers do not count. 1 when there is none.
int nextFreeMemberId(const MemberRegister& reg);

}  // namespace vindelkast
