#pragma once

#include <vector>

#include "model/contest.h"
#include "movement/table_rounds.h"

// How far the evening has come as the tables see it: which round is in play, how many of
// its tables are done, where the pairs go next and when the evening is over.
namespace vindelkast {

struct EveningState {
    int round = 0;       // the round in play: the first one a table has not finished
    int rounds = 0;      // the rounds the tables play
    int tablesDone = 0;  // tables that have finished `round`
    int tables = 0;      // tables that play `round` (0: a Gröna Hissen round not drawn yet)
    bool over = false;   // every table has finished every round
};

// With typed pairs the tables are the pairs that typed a result in the round's boards,
// done when they have every board of it; the evening is over when the last round's
// tables are all done.
EveningState eveningState(const Contest& contest, bool pairsTyped);

// Where one of a round's players or pairs sits in the round after.
struct NextSeat {
    int participant = 0;  // pair number (player number in an individual contest)
    int table = 0;        // 0: sits out the next round
    int seat = North;     // North or East for a pair's line; any seat in an individual contest
    std::vector<int> boards;
};

// For every participant of the seat (NS, EW, then South and West in an individual contest),
// where the movement puts it in the next round; empty in the last round, for typed pairs and
// before a Gröna Hissen round is drawn. For a round the table rests (a seat without pairs),
// the participants who sit down at it in the next round.
std::vector<NextSeat> nextSeats(const Contest& contest, const TableSeat& seat);

// The round a table's phone is on: the table's current round (currentTableRound), or a round
// it rests in before that, from the round in play on, while it has not begun a later round.
// A table that rests is thus told so until the round after begins.
int tableRoundOnView(const Contest& contest, int table, bool pairsTyped, const EveningState& state);

// True when the round after `round` has begun for `table`: every table has finished
// `round` and the round after is drawn, or the table already has a score in the round after.
bool nextRoundStarted(const Contest& contest, int table, int round, bool pairsTyped);
// The same with the evening's state already worked out.
bool nextRoundStarted(const Contest& contest, int table, int round, bool pairsTyped,
                      const EveningState& state);

}  // namespace vindelkast
