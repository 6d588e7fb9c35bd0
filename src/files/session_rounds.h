#pragma once

#include <vector>

#include "files/imported_session.h"

namespace vindelkast {

// How an imported session's boards went round: boards per round and each result's round.
struct SessionRounds {
    int boardsPerRound = 1;
    std::vector<int> roundOf;  // per result, in the session's order
    std::vector<ImportNote> notes;
};

// Boards per round is the number of boards two pairs most often played together. Rounds the
// file gives are kept; without them they are worked out from who played which boards, first
// with every board group at one table per round, then letting two tables share a group; when
// neither fits, a result takes its place among the board's results (as a contest file numbers
// them) and a note says so. The results are valid (boards 1..71, pairs 1..72).
SessionRounds sessionRounds(const std::vector<ImportedResult>& results, int boardCount);

}  // namespace vindelkast
