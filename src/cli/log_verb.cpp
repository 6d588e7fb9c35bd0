// The journal beside a contest on the terminal: what was changed, when, from where, from what
// to what.
#include <filesystem>
#include <iostream>
#include <string>

#include "cli/cli_io.h"
#include "cli/cli_verbs.h"
#include "files/edit_journal.h"
#include "files/file_platform.h"
#include "files/safe_write.h"

namespace vindelkast::cli {

namespace {

// "22:41:05  bord 3  resultat giv 7, bord 3: NS 4 – ÖV 11: 420 → NS 4 – ÖV 11: 450", put
// together in UTF-8: the arrow is no Windows-1252 character.
Utf8 entryLine(const JournalEntry& entry) {
    const auto shown = [](const std::string& cp1252) { return Utf8{terminalText(cp1252)}; };
    Utf8 line = shown(entry.time.substr(11) + "  " + entry.source + "  " + entry.what);
    if (entry.before.empty() && entry.after.empty()) return line;
    const auto side = [&shown](const std::string& text) { return shown(text.empty() ? "(tomt)" : text); };
    return line + ": "_utf8 + side(entry.before) + " \xe2\x86\x92 "_utf8 + side(entry.after);
}

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
    std::string day;
    for (const JournalEntry& entry : entries) {
        if (entry.time.substr(0, 10) != day) {
            if (!day.empty()) std::cout << "\n";
            day = entry.time.substr(0, 10);
            printLine(day);
        }
        std::cout << entryLine(entry).bytes << "\n";
    }
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
