#pragma once

#include <array>
#include <string>
#include <vector>

#include "model/contest.h"

namespace vindelkast {

// Appends the result lines of one board as the contest file holds them: in table order as
// sorting would put them when they lay sorted into `arrangedOrder` (0: as they lie), the bye
// pair's left out, each line with its CR LF.
void appendBoardResultLines(std::string& text, const Contest& contest, int board, int arrangedOrder = 0);

// The result lines of each board (as they lie) kept from the last time they were written, for
// the recovery file, which is written whole after every stored score: only a board whose
// results differ from those its lines were made from is written again. A board's lines depend
// on nothing else than its results, whether the contest is an individual one and the bye pair,
// and all of those are compared, so no change can leave stale lines behind.
class ResultLinesCache {
public:
    const std::string& boardLines(const Contest& contest, int board);

private:
    struct Kept {
        bool written = false;
        bool individual = false;
        int byePair = 0;
        std::vector<BoardResult> results;
        std::string lines;
    };
    static bool sameResults(const Board& board, const std::vector<BoardResult>& results);

    std::array<Kept, kBoardSlots> m_boards;
};

}  // namespace vindelkast
