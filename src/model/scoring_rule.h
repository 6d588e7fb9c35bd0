#pragma once

namespace vindelkast {

// How a board's results are turned into points: matchpoints (2 for each result beaten), or
// IMPs against every other result on the board (cross-IMPs) or against its datum (Butler), or
// a team event's IMPs between a match's two tables, each match then worth victory points.
// Swiss pairs score each board across the field by one of the first three and then turn each
// match between two pairs into victory points.
enum class ScoringMethod { Matchpoints, CrossImps, Butler, VictoryPoints };

// The contest's scoring rule, the director's choice. With matchpoints, adjusted results and
// levelling follow the program's own linear rule or Neuberg's formula.
struct ScoringRule {
    ScoringMethod method = ScoringMethod::Matchpoints;
    bool neuberg = false;
    bool pairMatchesInVp = false;  // Swiss pairs: `method` scores the boards, VP the matches

    bool imps() const { return method != ScoringMethod::Matchpoints; }
    bool operator==(const ScoringRule&) const = default;
};

}  // namespace vindelkast
