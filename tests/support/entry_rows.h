#pragma once

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "model/board_results.h"
#include "model/entry_grid.h"

namespace vindelkast::test {

// A row of the entry grid as the director types it: the pairs, the score texts by board on
// view, and whether the other seating was asked for.
inline EntryRow entryRow(int ns, int ew, std::vector<std::string> texts = {}, bool seatsChange = false) {
    EntryRow r;
    r.ns = ns;
    r.ew = ew;
    r.scoreTexts = std::move(texts);
    r.seatsChange = seatsChange;
    return r;
}

// Lays pairs (a, b) as NS-EW on every board of first..last.
inline void layTables(Contest& c, int first, int last, std::initializer_list<std::pair<int, int>> tables) {
    for (int b = first; b <= last; ++b)
        for (auto [ns, ew] : tables) addResult(c.boards[b], ns, ew, 1, kNoScore, 0, 0, true);
}

}  // namespace vindelkast::test
