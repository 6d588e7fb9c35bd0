#pragma once

#include <istream>
#include <ostream>
#include <string>

#include "model/contest.h"

namespace vindelkast {

class ResultLinesCache;

// What reading a contest file came to; `message` is the text the window shows after
// "Indata ej OK: " (empty on full success).
struct ContestReadResult {
    enum class Kind {
        Ok,            // everything read
        MissingNames,  // names not in the register were added to it (information only)
        Duplicate,     // a pair sat twice on a board; that slot was left out
        Damaged,       // lines that could not be read were left out
        NotContest,    // the first line lacks the magic: message "%SCO2"
        NotOpen,       // the stream could not be read: "FILE NOT OPEN"
    };
    Kind kind = Kind::Ok;
    std::string message;
    int linesLeftOut = 0;  // result and start-list lines refused (Duplicate, Damaged)

    // Whether part of the file is not in the contest: a save would then drop it.
    bool partLeftOut() const { return kind == Kind::Duplicate || kind == Kind::Damaged; }
};

// What the director must know after a file was read with parts left out: how many lines,
// and that saving the contest writes it without them.
std::string leftOutNote(const ContestReadResult& read);

// Writes the whole contest (results in table/playing order, deals, start list) and stores
// `version` as the contest's writer version. Lowers dealCount to the leading complete deals
// and leaves the results sorted into table order and back.
// With `kept`, boards whose results are unchanged since the last write go out from there.
void writeContest(Contest& contest, std::ostream& out, const std::string& version,
                  ResultLinesCache* kept = nullptr);
// The same file from a contest left as it is. The results go out in table order as sorting
// would put them when they lay sorted into `arrangedOrder` (0: as they lie); the deals up to
// the leading complete ones.
void writeContestAsIs(const Contest& contest, std::ostream& out, const std::string& version,
                      int arrangedOrder = 0, ResultLinesCache* kept = nullptr);
// The number of leading boards, up to dealCount, whose deal is complete.
int leadingCompleteDeals(const Contest& contest);
// The contest file as text in memory.
std::string contestFileText(Contest& contest, const std::string& version, ResultLinesCache* kept = nullptr);

// Reads a contest file into a contest that starts empty. Names are looked up in (and missing
// ones added to) contest.memberRegister.
ContestReadResult readContestFile(Contest& contest, std::istream& in);
// The same, returning only the message.
std::string readContest(Contest& contest, std::istream& in);

}  // namespace vindelkast
