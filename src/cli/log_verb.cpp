// The journal beside a contest on the terminal: what was changed, when, from where, from what
// to what.
#include <filesystem>
#include <string>

#include "cli/cli_io.h"
#include "cli/cli_verbs.h"
#include "files/edit_journal.h"
#include "files/file_platform.h"
#include "files/safe_write.h"
#include "output/journal_view.h"

namespace vindelkast::cli {

namespace {

int runLog(const Args& args) {
    const std::string& path = args.file(0);
    std::vector<JournalEntry> entries;
    if (const std::string problem = readJournalBeside(path, entries); !problem.empty()) {
        printError(problem);
        return 1;
    }
    if (entries.empty()) {
        std::error_code error;
        // A mistyped name would otherwise look like an evening without changes.
        if (!std::filesystem::exists(filePath(path), error)) {
            printError(pathText(path) + " finns inte");
            return 1;
        }
        printLine("Inga \xe4ndringar \xe4r loggade.");
        return 0;
    }
    // The window's "Ändringslogg" as it shows and prints.
    for (const ViewLine& line : journalLines(entries)) printLine(line.text);
    return 0;
}

}  // namespace

Verb logVerb() {
    return {"log",
            "log T\xc4VLING.sco",
            "Visar \xe4ndringsloggen bredvid t\xe4vlingen (T\xc4VLING.logg): varje \xe4ndring med tid, "
            "varifr\xe5n den kom och vad den \xe4ndrade fr\xe5n och till.",
            1,
            {},
            runLog};
}

}  // namespace vindelkast::cli
