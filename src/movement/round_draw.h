#pragma once

#include "model/contest.h"
#include "movement/draw_field.h"

namespace vindelkast {

// drawRound's answer when every round of the contest has its tables already.
constexpr int kEveryRoundDrawn = -1000;

// The field for drawing the round that starts at `firstBoard`: the ranking from the
// standings so far (the bye pair takes an empty last place), the meetings and bye rounds
// on the first board of every earlier round, the contest's meeting limit, and at least as
// many tables as the ranking fills (the contest's table count is raised to that).
DrawField drawFieldFor(Contest& contest, int firstBoard);

// Draws the next Gröna Hissen round and lays its tables down as empty result slots on the
// round's boards; the table that seats the bye pair is taken off again, so its opponent
// sits out. Returns the round drawn; 0 when no draw could be made (the boards are then as
// they were); -b when board b of an earlier round still has a result without a score;
// kEveryRoundDrawn when there is no round left to draw.
int drawRound(Contest& contest);

}  // namespace vindelkast
