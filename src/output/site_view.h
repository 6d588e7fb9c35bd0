#pragma once

#include <array>
#include <string>
#include <vector>

#include "model/contest.h"

// What a results page may show. The same pages are written to a folder once the evening is
// over and served live to the tables while it goes on; the view is all that differs.
namespace vindelkast {

struct SiteView {
    // The evening goes on: standings are the figures so far, "efter N av M ronder".
    bool live = false;
    // Boards whose deal, traveller and results may be shown.
    std::array<bool, kBoardSlots> boardShown{};
    // Served by the table server: every page starts with a link back to the table's page.
    bool linkToTable = false;
    // The pairs (players) seated at the reading table; none for anyone else.
    std::vector<int> ownPairs;
    // Boards the reading table has played in some round: one still hidden is a board a pair
    // seated there now has yet to play, and the page says so rather than "not played".
    std::array<bool, kBoardSlots> playedByTable{};
    // The journal time of a board's last change after the results were published ("" for
    // none): the pages say it was corrected, and when (output/site_corrections.h).
    std::array<std::string, kBoardSlots> correctedAt{};

    bool shows(int board) const { return Contest::validBoard(board) && boardShown[board]; }
    bool tableReads() const { return !ownPairs.empty(); }
    bool tablePlayed(int board) const { return Contest::validBoard(board) && playedByTable[board]; }
};

// The evening over, or published by the director: every board, final standings.
SiteView publishedView(const Contest& contest);

// A table during the evening: a board is shown once every pair seated there has a scored
// result on it, so nobody sees a board before playing it, on a board page and a pair's card
// alike (their own cards too: a partner at the table may not have played the board yet).
// `playedAtTable`: the boards the table has played so far.
SiteView tableView(const Contest& contest, const std::vector<int>& pairsAtTable,
                   const std::vector<int>& playedAtTable = {});

}  // namespace vindelkast
