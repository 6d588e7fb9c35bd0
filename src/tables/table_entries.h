#pragma once

#include <cstddef>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "model/contest.h"
#include "tables/table_store.h"

// What the tables sent that the contest file has no room for: the results held for the
// director (another result than the slot's), the director's decisions on them (for the phone
// that waits to hear), the entries already stored, so that a phone that sends an entry again
// hears "redan" even after a crash, whether the director has published the results pages, and
// without a movement the pairs each table has typed.
// Kept beside the contest file ("NAME.bordposter") and in the recovery file, like the codes.
namespace vindelkast {

inline constexpr const char* kTableEntriesExtension = ".bordposter";
// Bounded whatever a client sends; an evening stores at most 71 boards of 36 tables.
inline constexpr std::size_t kMaxConflicts = 256;
inline constexpr std::size_t kMaxEntries = 4000;

// A result a table gave for a slot that already holds another one.
struct PendingConflict {
    int id = 0;
    TableStore wanted;
    int existingScore = kNoScore;
    bool existingHasContract = false;
    PlayedContract existing;
    bool operator==(const PendingConflict&) const = default;
};

// What the director decided on a held result, told to the table that sent it.
struct ConflictDecision {
    int table = 0;
    int board = 0;
    bool accepted = false;  // the table's result was taken; else the slot's was kept
    bool operator==(const ConflictDecision&) const = default;
};

// Without a movement the tables type their pairs: the pairs (players) a table has given a
// result for in a round are that table's then, and no other table writes or reads their results.
struct TypedSeat {
    int table = 0;
    int round = 0;
    int ns = 0;
    int ew = 0;
    int nsPartner = 0;  // in an individual contest
    int ewPartner = 0;
    auto operator<=>(const TypedSeat&) const = default;
};

TypedSeat typedSeatOf(const TableStore& store);
// Why a table may not type these numbers in the round: another table has them then, and the
// contest still has them at a board of the round ("" when it may). Windows-1252.
std::string typedSeatTaken(const Contest& contest, const std::set<TypedSeat>& seats, const TypedSeat& wanted);

struct TableEntries {
    std::map<std::string, TableStore> stored;  // entry id -> the board, pairs and result it stored
    std::vector<PendingConflict> conflicts;    // in the order they came
    int nextConflict = 1;
    std::map<std::string, ConflictDecision> decided;  // held entry id -> the director's decision
    bool published = false;                           // the results pages are open to all (docs/table-api.md)
    std::set<TypedSeat> seats;
    bool operator==(const TableEntries&) const = default;
};

// The whole side file; "" when nothing was sent yet (no file is written).
std::string writeTableEntries(const TableEntries& entries);
// Reads the side file (untrusted text); "" on success, else the message with `entries` left
// as it was.
std::string readTableEntries(TableEntries& entries, std::string_view text);

}  // namespace vindelkast
