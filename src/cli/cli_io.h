#pragma once

#include <memory>
#include <string>
#include <vector>

#include "cli/cli_args.h"
#include "files/contest_file.h"
#include "files/contest_on_disk.h"
#include "model/contest.h"
#include "model/member_register.h"
#include "output/result_changes.h"

namespace vindelkast::cli {

// A contest read from a file, with the register its names point into.
struct LoadedContest {
    std::unique_ptr<MemberRegister> reg = std::make_unique<MemberRegister>();
    std::unique_ptr<Contest> contest = std::make_unique<Contest>();
    ContestReadResult read;
    bool opened = false;           // false when the file could not be opened at all
    std::string missingRegister;   // the register's path when there is no register there
    std::string contractsMessage;  // why NAME.kontrakt beside it could not be read ("" when it could)
    std::string rulesMessage;      // why it cannot be used: its rules or sections unread ("" when read)
    std::vector<SideProblem> unreadSides;  // every side file beside it that could not be read
    // What the journal of a change needs: the file, the command and the results as read.
    std::string path;
    const Args* args = nullptr;
    ResultsSnapshot results;
};

// Loads the register named by --register (default "medlem.txt"; a missing register is not
// an error: the contest's names are then added as the reader adds unknown names) and reads
// the contest file the way opening it in the window does.
LoadedContest loadContest(const Args& args, const std::string& path);

// Prints the reason a loaded contest cannot be used and returns true, or returns false when
// it can (missing names alone do not stop a command).
bool reportUnusable(const LoadedContest& loaded, const std::string& path);

// Writes the contest file and the side files the command line keeps (the rounds and the
// rules) safely, after checking that the name can carry them all, with the journal beside it;
// prints the message and returns 1 on failure, else 0. A contest made by the command starts
// its journal with the command's entries.
int saveContest(Contest& contest, const std::string& path, const Args& args);
// The same with the side files a command writes itself (contestSideFiles(false), changed).
int saveContest(Contest& contest, const std::string& path, const std::vector<SideFile>& sides,
                const Args& args);
// A loaded contest saves nothing when a side file it would write could not be read: what
// that file holds is not in the contest and would be lost. Its journal goes with it to
// `path`, the command's entries added; one that cannot be read stops the save likewise.
int saveContest(LoadedContest& loaded, const std::string& path);
int saveContest(LoadedContest& loaded, const std::string& path, const std::vector<SideFile>& sides);

// Windows-1252 text as UTF-8 for the terminal, control characters (but line ends and tabs)
// shown as "?".
std::string terminalText(std::string cp1252);
// Windows-1252 text to the terminal as UTF-8, with a line end, as terminalText gives it.
void printLine(const std::string& cp1252);
void printError(const std::string& cp1252);
// A wrong command line: the problem (none when empty) and the verb's usage, on the error output.
void printUsage(const std::string& cp1252Problem, const std::string& usage);
// A command-line argument (UTF-8) as Windows-1252; empty optional-like "" with ok=false
// when it holds a character Windows-1252 cannot store.
std::string argumentText(const std::string& utf8, bool& ok);

}  // namespace vindelkast::cli
