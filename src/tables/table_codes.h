#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/contest.h"

// The evening's codes: one per table, which lets a phone write that table's results, and
// the director's. Kept beside the contest file ("NAME.bordkoder") and in the recovery
// file, so that after a crash the tables need not log in again.
namespace vindelkast {

inline constexpr const char* kTableCodesExtension = ".bordkoder";
inline constexpr int kMaxTables = kMaxPair / 2;  // 36
// 22^8 codes: see login_guard.h for what that leaves a guesser over an evening.
inline constexpr int kTableCodeLength = 8;
// Codes made before they were lengthened, still read so that a saved evening goes on with them.
inline constexpr int kShortTableCodeLength = 4;
inline constexpr int kDirectorCodeLength = 6;
// Letters and digits no one mixes up when reading them off a sheet (no 0/O, 1/I/L, 2/Z,
// 5/S, 6/G, 8/B).
inline constexpr std::string_view kCodeAlphabet = "ACDEFHJKMNPRTUVWXY3479";

struct TableCodes {
    std::string director;
    std::vector<std::string> tables;  // tables[t - 1] is the code of table t
    bool pairsTyped = false;          // no movement: the tables type their pair numbers
    bool operator==(const TableCodes&) const = default;
};

// New codes for the evening from libsodium's random source (the system's); all different.
TableCodes makeTableCodes(int tableCount, bool pairsTyped);
// The same from a seeded generator, for tests that need the same codes every run.
TableCodes makeTableCodes(int tableCount, bool pairsTyped, std::uint64_t seed);

// The table whose code this is (typed in any case, blanks around ignored); 0 for none.
int tableOfCode(const TableCodes& codes, std::string_view code);
bool isDirectorCode(const TableCodes& codes, std::string_view code);
// A code as the slips and the desk show it, in groups of four easier to read off and type:
// "ACDE FHJK". Typed with or without the blank, it opens the same table.
std::string codeForReading(std::string_view code);

// The whole side file as text, and its reader (untrusted text; "" on success, else the
// message with `codes` left as it was).
std::string writeTableCodes(const TableCodes& codes);
std::string readTableCodes(TableCodes& codes, std::string_view text);

}  // namespace vindelkast
