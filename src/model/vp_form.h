#pragma once

#include "model/scoring_form.h"

namespace vindelkast {

// A team event's form: a board is IMPs between a match's two tables, a match victory points
// on the 20-point scale, the teams ranked by victory points, IMP difference and IMP quotient.
const ScoringForm& victoryPointForm();
// Swiss pairs' form: a board is scored across the field by `boards` (matchpoints, cross-IMPs
// or Butler), a match between two pairs is victory points on the same scale.
const ScoringForm& swissPairsForm(ScoringMethod boards);

}  // namespace vindelkast
