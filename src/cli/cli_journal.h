#pragma once

#include <string>
#include <vector>

#include "cli/cli_args.h"
#include "files/edit_journal.h"
#include "output/result_changes.h"

// What the command line tells the journal beside a contest it writes: the command as typed,
// and the results it changed.
namespace vindelkast::cli {

// "enter 7 3 11 420": the verb and its words and options, but the contest files it read and
// wrote (each named once in `contestPaths`) and the register.
std::string journalCommand(const Args& args, const std::vector<std::string>& contestPaths);

// The journal's entries of a command: the command, then the results it changed.
std::vector<JournalEntry> commandEntries(const std::string& command, const std::vector<ResultChange>& changes);

}  // namespace vindelkast::cli
