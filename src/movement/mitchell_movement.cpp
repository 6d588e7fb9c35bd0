#include "movement/mitchell_movement.h"

namespace vindelkast {

namespace {

int wrap(int value, int modulus) { return ((value % modulus) + modulus) % modulus; }

// Where a table's boards stand in the relay's cycle of `tables` positions: table 1 and the
// last table share position 0, and position tables/2 is the relay stand.
int relayPosition(int table, int tables) { return wrap(table + (table >= tables / 2 ? 1 : 0), tables); }

}  // namespace

int mitchellMaxRounds(int tables, bool relay) { return tables % 2 == 1 || relay ? tables : tables - 1; }

std::vector<TableRound> mitchellSeats(int tables, int rounds, bool relay) {
    std::vector<TableRound> seats;
    const bool skip = tables % 2 == 0 && !relay;
    for (int r = 0; r < rounds; ++r) {
        // The skip: from the second half on, EW pairs move two tables at once.
        const int moved = r + (skip && r >= tables / 2 ? 1 : 0);
        for (int t = 0; t < tables; ++t) {
            TableRound seat;
            seat.round = r + 1;
            seat.table = t + 1;
            seat.nsPair = t + 1;
            seat.ewPair = tables + 1 + wrap(t - moved, tables);
            seat.group = wrap((relay ? relayPosition(t, tables) : t) + r, tables);
            seats.push_back(seat);
        }
    }
    return seats;
}

}  // namespace vindelkast
