// The journal comes from disk and the recovery file: whatever the bytes, the reader must end,
// refuse without touching the entries it was given, and what it accepts writes back to the
// same entries.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "files/edit_journal.h"
#include "fuzz_checks.h"

using namespace vindelkast;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<JournalEntry> kept{
        {"2026-12-10 22:41:05", kTypedSource, "resultat giv 7, bord 3", "NS 4 \x96 \xd6V 11: 420", "", {7}}};
    std::vector<JournalEntry> entries = kept;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (!readJournal(entries, text).empty()) {
        fuzz::require(entries == kept);
        return 0;
    }
    // No entries write no file: the header alone stands for none.
    std::vector<JournalEntry> again;
    fuzz::require(entries.empty() ? writeJournal(entries).empty()
                                  : readJournal(again, writeJournal(entries)).empty());
    fuzz::require(again == entries);
    return 0;
}
