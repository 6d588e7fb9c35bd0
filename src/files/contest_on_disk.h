#pragma once

#include <functional>
#include <string>
#include <vector>

#include "files/contest_file.h"
#include "files/recovery_file.h"
#include "model/contest.h"

// A contest on disk: the contest file "NAME.sco" and the side files beside it ("NAME.facit",
// "NAME.kontrakt", ...), opened, saved and carried in the recovery file one way, whichever
// program holds the contest. Nothing else opens a contest's files.
namespace vindelkast {

// State of a contest that its file has no room for, kept in a file of its own beside it
// ("kvall.facit" beside "kvall.sco"): written with every save, read on opening, carried in
// the recovery file. `write` returns the whole text ("" writes no file; no function: a file
// only read); `read` returns "" or the message to show.
struct SideFile {
    std::string extension;  // with its dot: ".facit"
    std::function<std::string(const Contest&)> write;
    std::function<std::string(Contest&, const std::string&)> read;
    // Where the file's absence means something (the default rule), saving with nothing to
    // write removes a file left beside the contest, which would otherwise come back.
    bool removeWhenEmpty = false;
};

// The side files every program reads with a contest: the analysis, the contracts, the
// movement's rounds, the scoring rules and the sections. Saving writes the rounds, the rules
// and the sections; the
// analysis and the contracts are written where the program keeps them (the window).
std::vector<SideFile> contestSideFiles(bool writeAnalysisAndContracts);

// The file beside a contest file: "kväll.sco" → "kväll.kontrakt".
std::string besidePath(const std::string& contestPath, const std::string& extension);

// The largest contest file read: far above 71 boards of 72 results; a larger one is no contest.
inline constexpr std::size_t kLargestContestFile = 16u << 20;

// A whole file read, at most `limit` bytes of it.
struct WholeFile {
    bool found = false;     // the file could be opened
    bool tooLarge = false;  // it holds more than the limit (`text` is then empty)
    std::string text;
};
WholeFile readWholeFile(const std::string& path, std::size_t limit);

// "" or why the contest cannot be kept under `contestPath`: a side file's name (the
// longest extension of `sides`) would be longer than a file system allows. Checked before
// anything is written, so that a contest is never left without its side files.
std::string contestNameProblem(const std::string& contestPath, const std::vector<SideFile>& sides);

// Reads the contest file at `path` into a contest that starts empty, as readContestFile does.
ContestReadResult readContestOnDisk(Contest& contest, const std::string& path);

// A side file that was there but could not be read. What it holds is not in the contest, so
// the file is kept as it is: a save leaves it alone unless the director says otherwise.
struct SideProblem {
    std::string extension;
    std::string path;
    std::string message;        // the reader's own message
    std::string found;          // the file's bytes as read ("" when too large), for the recovery file
    std::string shown() const;  // "PATH: message"
};
// Reads each side file beside `contestPath` that exists into the contest.
std::vector<SideProblem> readSideFiles(Contest& contest, const std::string& contestPath,
                                       const std::vector<SideFile>& sides);

// "" or why the contest is not opened at all: its rules, its sections or its teams could not
// be read, and without them every board would be scored another way (a sectioned evening as
// one field, a team event as pairs). The window and the command-line program refuse it alike.
std::string unusableSidesRefusal(const std::vector<SideProblem>& unread);

// What the director is told after opening: each file that could not be read, why, and that
// it is kept as it is.
std::string unreadSidesText(const std::vector<SideProblem>& unread);
// The question before a save would write over them: yes writes over, no saves without them.
std::string overwriteUnreadQuestion(const std::vector<SideProblem>& unread);
// "" or why a command that writes `sides` saves nothing: one of them could not be read.
std::string unreadSidesRefusal(const std::vector<SideProblem>& unread, const std::vector<SideFile>& sides);

// Writes the contest file safely, then each side file that has a text (removing one that
// has none where the side says so). The names are checked first: a name that cannot carry
// its side files writes nothing. A side file in `unread` (one that could not be read from
// that very place) is neither written nor removed, unless `overwriteUnread`: then it gives
// way to the contest's text, or goes when the contest has none. "" or the message.
std::string saveContestOnDisk(Contest& contest, const std::string& contestPath,
                              const std::vector<SideFile>& sides, const std::string& version,
                              const std::vector<SideProblem>& unread = {}, bool overwriteUnread = false);

// The side files' texts for the recovery file, and reading them back from one ("" or the
// first message). A side file that could not be read travels as it was found, so that a
// recovered evening knows it as unread too.
std::vector<RecoverySection> recoverySections(const Contest& contest, const std::vector<SideFile>& sides,
                                              const std::vector<SideProblem>& unread = {});
std::string readRecoverySections(Contest& contest, const std::vector<SideFile>& sides,
                                 const std::vector<RecoverySection>& sections);
// The same, each side that could not be read told as the file beside `contestPath`.
std::vector<SideProblem> readRecoverySides(Contest& contest, const std::vector<SideFile>& sides,
                                           const std::vector<RecoverySection>& sections,
                                           const std::string& contestPath);

// The recovery file in the working folder: its text ("" when there is none), and removing
// it ("" when it is gone or was never there, else the message).
std::string recoveryFileText();
std::string removeRecoveryFile();

}  // namespace vindelkast
