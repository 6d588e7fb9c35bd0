#pragma once

#include <ostream>
#include <string>

#include "model/contest.h"

namespace vindelkast {

// Why the contest cannot be exported yet (results entered round by round are exported
// once the last board of the first round has a score); empty when it can.
std::string xmlExportRefusal(const Contest& contest);

// The identity key of a member in the XML document: arranger code, ":" and the member's
// identity number; empty for a missing member.
std::string xmlPersonId(const Contest& contest, const Member* member);

// Writes the whole contest as a bridgeData document, version 1.11, in Windows-1252
// declared as ISO-8859-1, lines ending in CR LF. Returns the refusal message, writing
// nothing, when the contest has too few scored boards. An IMP contest says so in <scoring>
// (crossImps or butler); its results carry the total IMPs as the score, without a percent,
// and each side's IMPs on a board to the hundredth.
std::string writeXml(const Contest& contest, std::ostream& out);

}  // namespace vindelkast
