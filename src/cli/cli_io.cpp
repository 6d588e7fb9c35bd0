#include "cli/cli_io.h"

#include <iostream>

#include "cli/cli_journal.h"
#include "files/contest_on_disk.h"
#include "files/contract_file.h"
#include "files/member_file.h"
#include "files/safe_write.h"
#include "files/text_encoding.h"
#include "model/version.h"

namespace vindelkast::cli {

LoadedContest loadContest(const Args& args, const std::string& path) {
    LoadedContest loaded;
    const std::string registerPath = args.option("register", "medlem.txt");
    if (loadRegister(registerPath, *loaded.reg) < 1) {
        loaded.reg->startWithByeMember();
        loaded.missingRegister = registerPath;
    }
    loaded.contest->reset(*loaded.reg);
    loaded.read = readContestOnDisk(*loaded.contest, path);
    loaded.opened = loaded.read.kind != ContestReadResult::Kind::NotOpen;
    loaded.path = path;
    loaded.args = &args;
    if (!loaded.opened) return loaded;
    // The side files go with it: a damaged analysis is no analysis; contracts that cannot be
    // read stop what exports them; unread rules or sections stop everything, as in the window.
    loaded.unreadSides = readSideFiles(*loaded.contest, path, contestSideFiles(false));
    loaded.rulesMessage = unusableSidesRefusal(loaded.unreadSides);
    for (const SideProblem& problem : loaded.unreadSides) {
        if (loaded.rulesMessage.empty()) printError(problem.shown());
        if (problem.extension == kContractsExtension) loaded.contractsMessage = problem.shown();
    }
    if (!loaded.rulesMessage.empty()) printError(loaded.rulesMessage);
    loaded.results = resultsSnapshot(*loaded.contest);
    return loaded;
}

bool reportUnusable(const LoadedContest& loaded, const std::string& path) {
    using Kind = ContestReadResult::Kind;
    switch (loaded.read.kind) {
    case Kind::NotOpen:
        printError(pathText(path) + ": " + loaded.read.message);
        return true;
    case Kind::NotContest:
        printError(pathText(path) + " \xe4r inte en " + loaded.read.message + "-fil");
        return true;
    case Kind::Duplicate:
    case Kind::Damaged:
        printError("Indata ej OK: " + loaded.read.message);
        return true;
    default:
        // A contest whose rules cannot be read could be scored by the wrong one (told when read).
        return !loaded.rulesMessage.empty();
    }
}

namespace {

// Writes the contest with its side files and, last, the journal `entries`.
int saveWithJournal(Contest& contest, const std::string& path, std::vector<SideFile> sides,
                    const std::vector<JournalEntry>& entries) {
    sides.push_back(
        {kJournalExtension, [text = writeJournal(entries)](const Contest&) { return text; }, nullptr});
    const std::string message = saveContestOnDisk(contest, path, sides, kVersionText);
    if (message.empty()) return 0;
    printError(message);
    return 1;
}

}  // namespace

int saveContest(Contest& contest, const std::string& path, const Args& args) {
    return saveContest(contest, path, contestSideFiles(false), args);
}

int saveContest(Contest& contest, const std::string& path, const std::vector<SideFile>& sides,
                const Args& args) {
    // A journal left beside the name is another contest's, replaced as the file is.
    return saveWithJournal(
        contest, path, sides,
        commandEntries(journalCommand(args, {path}), resultChanges(ResultsSnapshot{}, contest)));
}

int saveContest(LoadedContest& loaded, const std::string& path) {
    return saveContest(loaded, path, contestSideFiles(false));
}

int saveContest(LoadedContest& loaded, const std::string& path, const std::vector<SideFile>& sides) {
    if (const std::string refusal = unreadSidesRefusal(loaded.unreadSides, sides); !refusal.empty()) {
        printError(refusal);
        return 1;
    }
    std::vector<JournalEntry> journal;
    if (const std::string problem = readJournalBeside(loaded.path, journal); !problem.empty()) {
        printError(problem);
        printError("\xc4ndringsloggen skulle g\xe5 f\xf6rlorad: ingenting sparades i " + pathText(path) +
                   ".");
        return 1;
    }
    for (JournalEntry& entry : commandEntries(journalCommand(*loaded.args, {loaded.path, path}),
                                              resultChanges(loaded.results, *loaded.contest)))
        journal.push_back(std::move(entry));
    return saveWithJournal(*loaded.contest, path, sides, journal);
}

std::string terminalText(std::string cp1252) {
    // Names come from files anybody may have written: an escape sequence in one could
    // retitle, recolour or clear the director's terminal. Line ends and tabs are layout.
    for (char& c : cp1252) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte < 0x20 && c != '\n' && c != '\t') || byte == 0x7f) c = '?';
    }
    return cp1252ToUtf8(cp1252);
}

void printLine(const std::string& cp1252) { std::cout << terminalText(cp1252) << "\n"; }

void printError(const std::string& cp1252) { std::cerr << terminalText(cp1252) << "\n"; }

void printUsage(const std::string& cp1252Problem, const std::string& usage) {
    if (!cp1252Problem.empty()) printError(cp1252Problem);
    printError("Anv\xe4ndning: vindelkast-cli " + usage);
}

std::string argumentText(const std::string& utf8, bool& ok) {
    const auto text = utf8ToCp1252(utf8);
    ok = text.has_value();
    return text.value_or("");
}

}  // namespace vindelkast::cli
