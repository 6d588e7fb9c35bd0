#pragma once

#include <array>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "files/edit_journal.h"
#include "model/contest.h"

// What an edit did to the results, told the way a director reads a slip: which board, which
// table, and the result before and after. The journal names an edit of results by it, so a
// typed score, a phone's result and a correction are told alike without each saying so.
namespace vindelkast {

// The pairs and scores of every board as they stand (the points follow from them), and the
// table where each two pairs met on a board, as the movement numbered it then: a correction that
// turns a table round may leave the movement numbering it otherwise.
struct ResultsSnapshot {
    std::array<std::vector<BoardResult>, kBoardSlots> boards;
    std::map<std::tuple<int, int, int>, int> tables;  // board, lower pair, higher pair
};
ResultsSnapshot resultsSnapshot(const Contest& contest);

struct ResultChange {
    int board = 0;
    std::string table;   // "3", "B2" in an evening of sections; "" when the movement does not say
    std::string before;  // "NS 4 – ÖV 11: 420" (pairs as labelled); "" where there was no result
    std::string after;
};

// Each result that differs between `before` and the contest now, board by board.
std::vector<ResultChange> resultChanges(const ResultsSnapshot& before, const Contest& after);
// The boards of the changes, each once, in order.
std::vector<int> changedBoards(const std::vector<ResultChange>& changes);
// "resultat giv 7, bord 3" ("resultat giv 7" when the table is not known).
std::string resultChangeName(const ResultChange& change);
// "bord 3", the source of a result a table's phone sent.
std::string tableSource(const std::string& table);

// An edit as the journal is to tell it; `what` "" names it after the results it changed, and
// `source` "" gives each result the table it came from.
struct EditTold {
    std::string time;
    std::string source;
    std::string what;
    std::string before;  // what the edit shows of itself, when it does
    std::string after;
    bool showsItself = false;
};
// The journal's entries of an edit: its own entry, then each result it changed when they are
// few and the edit shows nothing of itself (a correction, a command); many are told as one entry
// naming the boards.
std::vector<JournalEntry> editEntries(const EditTold& edit, const std::vector<ResultChange>& changes);

}  // namespace vindelkast
