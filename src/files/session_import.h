#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "files/imported_session.h"
#include "model/contest.h"

// Another program's pairs session laid as a contest of our own: the movement as it was
// played, the names, the deals, the contracts and the scores, scored by our rules.
namespace vindelkast {

// The round a result slot was played in. A contest file gives its slots rounds by their
// order on the board, so the rounds of a movement whose tables share a board group in one
// round travel beside it.
struct SlotRound {
    int board = 0;
    int nsPair = 0;
    int ewPair = 0;
    int round = 0;
};

struct SessionImport {
    std::string refusal;               // not empty: the file was refused and nothing was laid
    std::vector<ImportNote> notes;     // every line left out, changed or worth knowing, in line order
    std::vector<SlotRound> rounds;     // every slot laid, with its round
    std::vector<int> differingBoards;  // boards on which our matchpoints are not the file's
    std::string newNames;              // names added to the register, each followed by a blank
    const char* pointsName = "";       // what the file's points, and so ours, are called
    int roundsPlayed = 0;              // the rounds the file's results were played in
};

// Lays a session into a contest that starts empty (reset and attached to its register) and
// scores every board. A session that breaks the contest's rules (a board outside 1..71, a
// pair outside 1..72, a pair twice on a board or against itself, a round outside 1..71) is
// refused with the line, and the contest is left as it was.
SessionImport laySession(Contest& contest, const ImportedSession& session);

// Reads a USEBIO (XML) or PBN file, told apart by its content, and lays it.
SessionImport importSession(Contest& contest, std::string_view bytes);
SessionImport importSessionFile(Contest& contest, const std::string& path);

// The notes as lines for the director: one per note, "rad N: ..." where a line is known.
std::vector<std::string> importReport(const SessionImport& outcome);

}  // namespace vindelkast
