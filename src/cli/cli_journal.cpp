#include "cli/cli_journal.h"

#include <algorithm>
#include <ctime>

namespace vindelkast::cli {

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
    return editEntries({journalTime(std::time(nullptr)), kCommandLineSource, command, "", "", false},
                       changes);
}

}  // namespace vindelkast::cli
