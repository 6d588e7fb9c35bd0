#include "cli/cli_journal.h"

#include <algorithm>
#include <ctime>

namespace vindelkast::cli {

namespace {

// More results than this changed at once (an import, a levelling) are told as one entry, as
// the window tells them.
constexpr std::size_t kMostListed = 12;

}  // namespace

std::string journalCommand(const Args& args, const std::vector<std::string>& contestPaths) {
    std::string command = args.verb;
    std::vector<std::string> unnamed = contestPaths;
    for (std::size_t i = 0; i < args.count(); ++i) {
        const auto path = std::find(unnamed.begin(), unnamed.end(), args.file(i));
        if (path != unnamed.end()) {
            unnamed.erase(path);
            continue;
        }
        command += " " + args.text(i);
    }
    for (const auto& [name, value] : args.options) {
        if (name == "register") continue;
        command += " --" + fromUtf8(Utf8{name});
        if (!value.empty()) command += " " + fromUtf8(Utf8{value});
    }
    return command;
}

std::vector<JournalEntry> commandEntries(const std::string& command,
                                         const std::vector<ResultChange>& changes) {
    const std::string time = journalTime(std::time(nullptr));
    if (changes.empty()) return {{time, kCommandLineSource, command, "", "", {}}};
    if (changes.size() > kMostListed) {
        const std::vector<int> boards = changedBoards(changes);
        std::string named;
        for (int board : boards) named += (named.empty() ? "" : ", ") + std::to_string(board);
        return {{time, kCommandLineSource, command + " (resultat giv " + named + ")", "", "", boards}};
    }
    std::vector<JournalEntry> entries;
    for (const ResultChange& change : changes)
        entries.push_back({time,
                           kCommandLineSource,
                           command + " (" + resultChangeName(change) + ")",
                           change.before,
                           change.after,
                           {change.board}});
    return entries;
}

}  // namespace vindelkast::cli
