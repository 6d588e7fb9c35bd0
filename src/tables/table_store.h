#pragma once

#include <string>

#include "model/contest.h"

namespace vindelkast {

// One result from a table, as the table service decided it may be stored.
struct TableStore {
    int table = 0;
    int round = 0;
    int board = 0;
    int nsPair = 0;  // the slot: North and East in an individual contest
    int ewPair = 0;
    int nsPartner = 0;  // South and West in an individual contest
    int ewPartner = 0;
    bool newSlot = false;  // typed pairs not yet on the board: the slot is laid first
    int nsScore = kNoScore;
    PlayedContract played;
    std::string entryId;
    bool operator==(const TableStore&) const = default;
};

// Stores a table's result the way a score typed in the grid is stored: a new slot for typed
// pairs is laid on every board of the round, as a grid row would, then the score is stored
// (which scores the board) and the contract kept beside it. Returns "" or the message.
std::string storeTableResult(Contest& contest, const TableStore& store);

}  // namespace vindelkast
