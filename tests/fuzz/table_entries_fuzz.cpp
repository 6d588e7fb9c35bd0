// What the tables sent comes back from disk and the recovery file: whatever the bytes, the
// reader must end, keep every entry and held result within the boards, pairs and tables, and
// what it accepted must write back to the same entries.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz_checks.h"
#include "tables/table_codes.h"
#include "tables/table_entries.h"
#include "tables/table_request.h"

using namespace vindelkast;

namespace {

void checkStore(const TableStore& s) {
    fuzz::require(Contest::validBoard(s.board) && Contest::validPair(s.nsPair) &&
                  Contest::validPair(s.ewPair));
    fuzz::require(s.played.tricks >= 0 && s.played.tricks <= 13 && s.played.contract.level <= 7);
    fuzz::require(isEntryId(s.entryId));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TableEntries entries;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (!readTableEntries(entries, text).empty()) {
        fuzz::require(entries == TableEntries{});
        return 0;
    }
    fuzz::require(entries.stored.size() <= kMaxEntries && entries.conflicts.size() <= kMaxConflicts);
    for (const auto& [id, s] : entries.stored) {
        fuzz::require(id == s.entryId);
        checkStore(s);
    }
    for (const PendingConflict& c : entries.conflicts) {
        checkStore(c.wanted);
        fuzz::require(c.wanted.table >= 1 && c.wanted.table <= kMaxTables && c.id < entries.nextConflict);
    }
    for (const TypedSeat& seat : entries.seats)
        fuzz::require(seat.table >= 1 && seat.table <= kMaxTables && Contest::validPair(seat.ns) &&
                      Contest::validPair(seat.ew));
    fuzz::require(entries.seats.size() <= kMaxEntries);
    TableEntries again;
    fuzz::require(readTableEntries(again, writeTableEntries(entries)).empty() || entries == TableEntries{});
    fuzz::require(entries == TableEntries{} || again == entries);
    return 0;
}
