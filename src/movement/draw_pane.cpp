#include "movement/draw_pane.h"

#include <cstdio>
#include <set>

#include "model/name_forms.h"
#include "model/result_order.h"
#include "model/standings.h"
#include "movement/round_draw.h"

namespace vindelkast {

namespace {

template <typename... Values>
std::string format(const char* pattern, Values... values) {
    const int length = std::snprintf(nullptr, 0, pattern, values...);
    std::string text(length > 0 ? length : 0, '\0');
    std::snprintf(text.data(), text.size() + 1, pattern, values...);
    return text;
}

}  // namespace

std::vector<std::string> roundTableLines(Contest& contest, int round) {
    std::vector<std::string> lines{format("Lottning f\xf6r rond %d", round), ""};
    const int firstBoard = (round - 1) * contest.boardsPerRound + 1;
    ResultOrderScope tableOrder(contest, TableOrder);
    std::set<int> seated;
    if (Contest::validBoard(firstBoard)) {
        const Board& board = contest.boards[firstBoard];
        for (int s = 0; s < board.resultCount; ++s) {
            const BoardResult& r = board.results[s];
            const std::string ns = pairName(contest, r.nsPair, NameForm::Short);
            const std::string ew = pairName(contest, r.ewPair, NameForm::Short);
            lines.push_back(
                format("Bord %d: %2d-%2d %-30s- %s", s + 1, r.nsPair, r.ewPair, ns.c_str(), ew.c_str()));
            seated.insert(r.nsPair);
            seated.insert(r.ewPair);
        }
    }
    if (contest.byePair > 0) {
        for (int p = 1; p <= kMaxBoard; ++p) {
            if (p == contest.byePair || seated.count(p)) continue;
            const std::string name = pairName(contest, p, NameForm::Short);
            lines.push_back(format("Par %d %s har frirond", p, name.c_str()));
            break;
        }
    }
    return lines;
}

DrawPane drawRoundPane(Contest& contest) {
    DrawPane pane;
    const int drawn = drawRound(contest);
    if (drawn == 0) {
        pane.message = "Det gick inte att lotta. G\xf6r det manuellt!";
        return pane;
    }
    if (drawn == kEveryRoundDrawn) {
        pane.message = "Alla ronder \xe4r redan lottade";
        return pane;
    }
    pane.round = drawn;
    if (drawn < 0) {
        pane.round = lastBoardOfRound(contest, -drawn) / contest.boardsPerRound;
        pane.message = format("Det finns resultat kvar att mata in fr\xe5n rond %d", pane.round);
    }
    pane.lines = roundTableLines(contest, pane.round);
    return pane;
}

}  // namespace vindelkast
