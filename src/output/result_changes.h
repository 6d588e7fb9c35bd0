#pragma once

#include <array>
#include <string>
#include <vector>

#include "model/contest.h"

// What an edit did to the results, told the way a director reads a slip: which board, which
// table, and the result before and after. The journal names an edit of results by it, so a
// typed score, a phone's result and a correction are told alike without each saying so.
namespace vindelkast {

// The pairs and scores of every board as they stand (the points follow from them).
struct ResultsSnapshot {
    std::array<std::vector<BoardResult>, kBoardSlots> boards;
};
ResultsSnapshot resultsSnapshot(const Contest& contest);

struct ResultChange {
    int board = 0;
    int table = 0;       // 0 when the movement does not say
    std::string before;  // "NS 4 – ÖV 11: 420"; "" where there was no result
    std::string after;
};

// Each result that differs between `before` and the contest now, board by board.
std::vector<ResultChange> resultChanges(const ResultsSnapshot& before, const Contest& after);
// The boards of the changes, each once, in order.
std::vector<int> changedBoards(const std::vector<ResultChange>& changes);
// "resultat giv 7, bord 3" ("resultat giv 7" when the table is not known).
std::string resultChangeName(const ResultChange& change);
// "bord 3", the source of a result a table's phone sent.
std::string tableSource(int table);

}  // namespace vindelkast
