#pragma once

#include <ostream>
#include <string>

#include "model/contest.h"

namespace vindelkast {

// The question the old-style export asks; answering No adds identity numbers and "Dummy".
inline constexpr const char* kOldHtmlIdentityQuestion = "Utan idnummer och \"Dummy?\"";

// The identity text of a participant: each member's identity number in width 6 (a plus
// sign before numbers below 1000) and a blank; empty for a number outside the start list.
std::string identityText(const Contest& contest, int number);

// The old-style page: the standings and every board as fixed-pitch text in one
// preformatted block, boards two by two with their deal diagrams and travellers, and the
// contest file inside. Every board's results are written in `order` (a result order value);
// the contest is left as it is (settleAfterPageExport gives the window's after-effect).
// `withIdentity` adds the identity text and "Dummy" to every standings line.
void writeOldHtml(const Contest& contest, std::ostream& out, int order, bool withIdentity);

}  // namespace vindelkast
