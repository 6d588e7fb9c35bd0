#include "output/site_view.h"

#include <algorithm>

#include "model/board_results.h"

namespace vindelkast {

SiteView publishedView(const Contest& contest) {
    SiteView view;
    for (int b = 1; b <= contest.lastBoard(); ++b) view.boardShown[b] = true;
    return view;
}

SiteView tableView(const Contest& contest, const std::vector<int>& pairsAtTable,
                   const std::vector<int>& playedAtTable) {
    SiteView view;
    view.live = true;
    for (int pair : pairsAtTable)
        if (Contest::validPair(pair)) view.ownPairs.push_back(pair);
    for (int board : playedAtTable)
        if (Contest::validBoard(board)) view.playedByTable[board] = true;
    if (view.ownPairs.empty()) return view;
    for (int b = 1; b <= contest.lastBoard(); ++b) {
        const Board& board = contest.boards[b];
        view.boardShown[b] = std::all_of(view.ownPairs.begin(), view.ownPairs.end(),
                                         [&board](int pair) { return hasScore(pairScore(board, pair)); });
    }
    return view;
}

}  // namespace vindelkast
