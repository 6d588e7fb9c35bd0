#pragma once

#include <vector>

#include "model/contest.h"

// Which table plays what in a round, as the phones at the tables see it. The boards hold
// the movement as empty result slots; the table numbers follow from them:
// - Gröna Hissen: a round is a group of boards and each slot's round field is its table.
// - a built-in movement or guide card: the slot's round field is the round; a table keeps
//   its number while its boards move one group on per round (Mitchell and Howell alike).
//   Where two tables of a round would share a number, they are numbered by NS pair.
// - without a movement ("utan guidekort") a round is a group of boards and the tables
//   type their pair numbers.
namespace vindelkast {

struct TableSeat {
    int table = 0;  // 0: the table does not play this round
    int round = 0;
    int nsPair = 0;     // North in an individual contest
    int ewPair = 0;     // East
    int nsPartner = 0;  // South (individual contest)
    int ewPartner = 0;  // West
    std::vector<int> boards;
};

// True when the contest's boards hold a movement the tables can follow; false for a
// contest typed as it goes, whose tables must type their pair numbers.
bool tablesFollowMovement(const Contest& contest);

// The highest round of the evening (0 when there is none).
int lastTableRound(const Contest& contest, bool pairsTyped);
// Every table of a round, by table number (pairsTyped: none, the tables type them).
std::vector<TableSeat> roundTables(const Contest& contest, int round, bool pairsTyped);
// The tables of every round at once, indexed by round (index 0 stays empty).
std::vector<std::vector<TableSeat>> eveningTables(const Contest& contest, bool pairsTyped);
// One table's seat in a round; table 0 when it does not play then.
TableSeat tableSeat(const Contest& contest, int table, int round, bool pairsTyped);
// The highest table number of the evening: from the movement, else a table for every two
// pairs (four players).
int tableCountOfEvening(const Contest& contest, bool pairsTyped);

// True when every board of the seat has a score at its table.
bool seatFinished(const Contest& contest, const TableSeat& seat);
// True when the seat has a score on any of its boards: its pairs have sat down to play.
bool seatStarted(const Contest& contest, const TableSeat& seat);

// True when the evening has the table but it has no seat in the round: its pairs sit out (a
// Mitchell's stationary pair meeting the sit-out) or play at other tables (a Howell's table
// the sit-out would come to). False with typed pairs and in Gröna Hissen.
bool tableRests(const Contest& contest, int table, int round);

// The boards a round consists of when the tables type their pairs: the round's group.
std::vector<int> boardsOfGroupRound(const Contest& contest, int round);

// The round the table plays now: its first round with a board still without a score (the
// last round it plays when all have one). With typed pairs: the highest round any table has
// a score in (1 before the first score). 0 when there is no round.
int currentTableRound(const Contest& contest, int table, bool pairsTyped);
// The table's seat in that round (with a movement; table 0 when it plays none), found in one
// look at the movement rather than two.
TableSeat currentTableSeat(const Contest& contest, int table);

}  // namespace vindelkast
