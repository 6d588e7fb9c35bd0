#pragma once

#include <array>
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
    // Pairs (players) whose own card is shown in full whatever the boards.
    std::vector<int> ownPairs;

    bool shows(int board) const { return Contest::validBoard(board) && boardShown[board]; }
    bool ownCard(int pair) const;
};

// The evening over, or published by the director: every board, final standings.
SiteView publishedView(const Contest& contest);

// A table during the evening: a board is shown once every pair seated there has a scored
// result on it, so nobody sees a board before playing it; their own cards in full.
SiteView tableView(const Contest& contest, const std::vector<int>& pairsAtTable);

}  // namespace vindelkast
