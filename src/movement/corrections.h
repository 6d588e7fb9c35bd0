#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/contest.h"

// Mending what went wrong at the tables of an evening: pairs seated the wrong way round, a
// result on the wrong board, an artificial score for one table, wrong pair numbers on a slip,
// two pairs that changed places. Each correction is done whole or not at all; on success the
// boards it changed are sorted and scored afresh, and each contract follows its result.
//
// The seat rule: a score made at the table belongs to the seat, since the NS cards made it
// whoever held them, so turning a result round keeps its NS score. An adjusted score was given
// to the pairs, so it turns round with them (its NS and EW percentages change places).
namespace vindelkast {

struct Correction {
    std::string problem;      // "" when done, else why not (Windows-1252)
    std::string name;         // what the change journal calls it, e.g. "NS/ÖV omvända bord 3, rond 2"
    std::vector<int> boards;  // the boards whose results changed, in ascending order
};

// Every result of `table` in `round` (as the movement or the draw seats them) gets its NS and
// EW pairs turned round, by the seat rule. Needs a movement or drawn rounds: an evening typed
// as it goes has no tables to find.
Correction turnTable(Contest& contest, int table, int round);

// Moves the result of `nsPair` against `ewPair` from `fromBoard` to `toBoard`, its score and
// contract with it. An unscored slot of the same two pairs on `toBoard` (the movement laid it)
// takes the result; any other result of either pair there refuses the move. The slot a
// movement laid on `fromBoard` stays there without a score; a typed one goes.
Correction moveResult(Contest& contest, int fromBoard, int nsPair, int ewPair, int toBoard);

// Replaces the result of `nsPair` against `ewPair` on `board` with an adjusted score typed as
// in the grid ("%=", "%+-", "M-+"); its contract goes, the other results stay.
Correction giveArtificialScore(Contest& contest, int board, int nsPair, int ewPair, std::string_view typed);

// The NS and EW pairs of one result change places, by the seat rule.
Correction turnResult(Contest& contest, int board, int nsPair, int ewPair);

// One result gets other pair numbers: `newNs` against `newEw`, its score and seats as they were.
// A number outside the field, or of a pair with another result on the board, is refused.
Correction renumberResult(Contest& contest, int board, int nsPair, int ewPair, int newNs, int newEw);

// From `fromRound` on, `pairA` and `pairB` trade numbers in every result (A becomes B and B
// becomes A; where B played nothing from then on, A simply becomes B).
Correction tradePlaces(Contest& contest, int pairA, int pairB, int fromRound);

}  // namespace vindelkast
