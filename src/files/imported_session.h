#pragma once

#include <string>
#include <vector>

#include "model/contest.h"
#include "model/contract.h"
#include "model/team_setup.h"
#include "model/victory_points.h"

// A pairs session as another program published it, read from USEBIO or PBN before anything
// of it goes into a contest. The readers only take the file apart; what the numbers mean for
// the contest is decided in one place (session_import.h), so both formats are laid alike.
namespace vindelkast {

// Something the director should know about one line of the file.
struct ImportNote {
    int line = 0;  // 0: the file as a whole
    std::string text;
};

struct ImportedPlayer {
    std::string name;   // Windows-1252, as the file writes it: first name before surname
    int memberId = -1;  // the national number, else the club's, when the file gives one
};

struct ImportedPair {
    int number = 0;
    ImportedPlayer players[2];
    int line = 0;
};

// A table's score on a board, before it is encoded as the contest's score.
struct ImportedScore {
    enum class Kind { None, Bridge, Adjusted };
    Kind kind = Kind::None;
    int nsScore = 0;                   // Bridge: NS's view (0 for a board passed out)
    int nsPercent = 0, ewPercent = 0;  // Adjusted
};

struct ImportedResult {
    int board = 0;
    int nsPair = 0;
    int ewPair = 0;
    int round = 0;  // 0 when the file does not say
    ImportedScore score;
    bool hasContract = false;  // contract, declarer and tricks all given (a pass needs none)
    PlayedContract played;
    float publishedNs = kNoPoints;  // the file's matchpoints (IMPs), to compare with ours
    float publishedEw = kNoPoints;
    int line = 0;
};

struct ImportedDeal {
    int board = 0;
    std::string pbn;  // "N:AKQ.J.T98.765 ..." as a PBN [Deal] tag gives it
    int line = 0;
};

// A section of the session, its pairs numbered on from the section before (A 1..18, B 19..36).
struct ImportedSection {
    std::string id;  // as the file names it
    int firstPair = 0;
    int lastPair = 0;
    std::vector<int> pairs;  // the pairs the file places in it one by one (none: the range alone)
};

// A team event's own: teams numbered as the file numbers them, each team's pairs already
// renumbered 2t-1 and 2t, each result's round the table it was played at.
struct ImportedTeam {
    int number = 0;
    std::string name;  // Windows-1252
    int line = 0;
};

struct ImportedTeams {
    TeamForm form = TeamForm::None;  // None: a pairs session
    int boardsPerMatch = 0;          // 0: the file does not say
    int byeVp = kDefaultByeVp;
    std::vector<ImportedTeam> teams;
    std::vector<VpAdjustment> adjustments;  // round 0: the file gives the event's total only

    bool any() const { return form != TeamForm::None; }
};

struct ImportedSession {
    std::string title, date, club;  // date as yyyy-mm-dd where the file's date could be read
    int boardCount = 0;             // the boards of the session when the file says (0: unknown)
    ScoringRule rule;               // as the file says its boards were scored
    std::vector<ImportedPair> pairs;
    std::vector<ImportedResult> results;
    std::vector<ImportedDeal> deals;
    std::vector<ImportNote> notes;          // what the reader left out or changed
    std::vector<ImportedSection> sections;  // two or more when the session was played in sections
    ImportedTeams teams;
};

// What reading a file came to: the session, or the reason the whole file is refused (a
// message with the line where it went wrong; nothing of such a file is used).
struct SessionReading {
    ImportedSession session;
    std::string refusal;
};

// "rad 12: " + text, or the text alone for the file as a whole.
std::string noteText(const ImportNote& note);

}  // namespace vindelkast
