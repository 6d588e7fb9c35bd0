#pragma once

#include "model/contest.h"
#include "movement/movement.h"

namespace vindelkast {

// Gives the contest a new movement made from its counts and bye pair. When the boards and
// the highest pair number match one of the built-in Howell movements (21 boards for 7-8
// pairs, 18 or 27 boards for 9-10 pairs, 27 boards for 11-12 pairs), its empty result
// slots are laid down on the boards; the bye pair's slots are then taken off again.
void buildBuiltInMovement(Contest& contest);

// True when one of those built-in movements plays `boards` boards for `pairs` pairs.
bool builtInMovementFits(int boards, int pairs);

// One table's sequence of rounds: a is the NS (or stationary) pair, b the EW pair and c
// the first board of round 1. Slots that would put a pair on a board twice are dropped.
void layMovementLine(Contest& contest, const Movement& movement, int a, int b, int c);

}  // namespace vindelkast
