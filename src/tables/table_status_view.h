#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/contest.h"
#include "tables/table_service.h"

// What the director's status pane shows of the tables while they enter their results.
namespace vindelkast {

struct TableStatusRow {
    int table = 0;
    std::string label;   // the table as the players read it: "B3" in an evening of sections
    int round = 0;       // the round the table plays now (as its phone shows it); 0 when none
    bool rests = false;  // the table has no boards that round
    int entered = -1;    // boards of that round with a score; -1 when the tables type their pairs
    int boards = 0;      // boards of that round
    std::int64_t lastContactMs = -1;  // -1: never heard from
    int conflicts = 0;                // results held for the director
    std::string code;                 // the table's code for the evening
};

std::vector<TableStatusRow> tableStatus(const Contest& contest, const TableService& service);

// The main window's status line while the server is on: the address the phones open, how
// many tables have finished the round in play, and the results waiting for the director.
struct ServerStatusLine {
    std::string text;  // Windows-1252
    int conflicts = 0;
};
ServerStatusLine serverStatusLine(const Contest& contest, const TableService& service,
                                  const std::string& address);

// One held conflict as the director reads it: table, board, pairs, what the table gave
// and what the slot holds.
std::string conflictText(const Contest& contest, const PendingConflict& conflict);

// One phone locked out after wrong codes, as the desk lists it: its address, the table it
// tried and how long the lock-out lasts: "10.0.0.66, bord 3: utel\xe5st 10 minuter till".
std::string lockOutText(const Contest& contest, const LockOut& lockOut);

// One table guessed at from several addresses, as the desk lists it: "Bord 3: 24 felaktiga
// koder fr\xe5n 17 adresser \x96 l\xe5st f\xf6r nya telefoner i 8 minuter till".
std::string tableAttackText(const Contest& contest, const TableAttack& attack);

}  // namespace vindelkast
