#pragma once

#include <ctime>
#include <string>
#include <string_view>
#include <vector>

// The evening's journal: every change of the contest with its time, where it came from, what
// it was and what it changed from and to. Kept beside the contest ("kväll.logg") and in the
// recovery file, so that a correction is never lost and can always be looked up.
namespace vindelkast {

struct JournalEntry {
    std::string time;    // local time "2026-12-10 22:41:05"
    std::string source;  // kTypedSource, a table's "bord 4", kImportSource, kCommandLineSource
    std::string what;    // "resultat giv 7, bord 3"; an undo "\xc5ngrat: resultat giv 7, bord 3"
    std::string before;  // what the edit changed, as it stood before ("" when nothing to show)
    std::string after;
    std::vector<int> boards;  // the boards whose results it changed

    bool operator==(const JournalEntry&) const = default;
};

inline constexpr const char* kJournalExtension = ".logg";
inline constexpr const char* kTypedSource = "inmatning";
inline constexpr const char* kImportSource = "import";
inline constexpr const char* kCommandLineSource = "kommandorad";
inline constexpr const char* kDirectorSource = "ledaren";
// The entry of the moment the director opened the results pages to all.
inline constexpr const char* kPublishedWhat = "resultaten publicerade";

// The longest journal read: a long evening with every phone's result is a few hundred lines.
inline constexpr std::size_t kMaxJournalBytes = 8u << 20;

// "2026-12-10 22:41:05" for `when` in local time.
std::string journalTime(std::time_t when);
// "22:41" of a journal time.
std::string journalClock(std::string_view time);

// The journal's text, one line an entry; "" when there is none (no file is written). A field
// longer than the reader takes (4000 bytes as written) is cut short.
std::string writeJournal(const std::vector<JournalEntry>& entries);
// Reads a journal text; "" or the message, `entries` untouched on failure.
std::string readJournal(std::vector<JournalEntry>& entries, std::string_view text);

// Reads the journal beside the contest file at `contestPath` (no entries when there is none);
// "" or the message naming the file, `entries` untouched on failure.
std::string readJournalBeside(const std::string& contestPath, std::vector<JournalEntry>& entries);

}  // namespace vindelkast
