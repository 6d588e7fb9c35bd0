#pragma once

#include <string>

#include "model/contest.h"

// How far the evening has come, read from the result slots the movement laid.
namespace vindelkast {

// True when every board of the contest holds slots: a movement (built in, a guide card or
// a drawn round) laid them before play. A contest typed as it goes gets its slots one
// typed result at a time, so its boards say nothing about how often they will be played.
bool movementLaid(const Contest& contest);

// True when the board has all its results: every slot the movement laid (or the draw of
// its round, in Gröna Hissen) has a score; in a contest typed as it goes, when every
// playing table has scored it.
bool boardComplete(const Contest& contest, int board);

// True when every board of the contest is complete.
bool allResultsIn(const Contest& contest);

// The round in which a slot is played. Gröna Hissen keeps the table in the slot's round
// field, and a contest typed as it goes plays its boards group by group, so there the
// board's group is the round.
int slotRound(const Contest& contest, int board, const BoardResult& result);

// The rounds the movement plays: the highest round of any slot (a 7-round card with 24
// boards plays 7, whatever 24 / 3 says); the contest's round count where the rounds are
// the board groups.
int eveningRoundCount(const Contest& contest);

// The rounds of 1..eveningRoundCount in which every slot has a score.
int roundsComplete(const Contest& contest);

// What the director does next, for the window's status line (Windows-1252): after the
// set-up names and results, while results come in the standings, once all are in printing,
// publishing and the archive. Empty before the set-up.
std::string nextStepHint(const Contest& contest);

}  // namespace vindelkast
