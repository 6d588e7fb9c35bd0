#pragma once

#include <string_view>

#include "files/imported_session.h"

namespace vindelkast {

// Reads a pairs session from a PBN file in either form club programs write:
//  - a [ScoreTable] per board whose columns name the pairs (PairId_NS, PairId_EW), the
//    contract (Contract, Declarer, Result), the scores (Score_NS and Score_EW, or Score) and
//    the matchpoints (MP_NS, MP_EW), with the names in a [TotalScoreTable] (PairId, Names);
//  - one game per table result: [Board], [PairNS] and [PairEW] (or [PairId_NS] and
//    [PairId_EW]), [Contract], [Declarer], [Result] (the declarer's tricks), [Score], and the
//    players in [North], [South], [East] and [West].
// Deals come from the [Deal] tags, texts from [Event], [Site] and [Date]; a tag value "#"
// repeats the previous game's. Values may be UTF-8 or Latin-1. A table row with a word where a
// number belongs, or a result without its pairs, is refused with the line.
SessionReading readPbnResults(std::string_view bytes);

}  // namespace vindelkast
