#include "output/progress_view.h"

#include <algorithm>

#include "model/board_results.h"
#include "model/evening_progress.h"

namespace vindelkast {

int progressCellCount(const Contest& contest) {
    const int n = contest.isBarometer ? contest.maxPairNumber : contest.boardCount;
    return std::clamp(n, 0, contest.isBarometer ? kMaxPair : kMaxBoard);
}

std::string progressCaption(const Contest& contest) {
    return contest.isBarometer ? "Inmatade par: (F8)" : "Beh. givar: (F8)";
}

std::string progressRefreshCaption(const Contest& contest) {
    if (!contest.isBarometer) return progressCaption(contest);
    return contest.isIndividual ? "  Inmatade spelare: " : "  Inmatade par: ";
}

bool progressNumberAllowed(const Contest& contest, int number) { return number <= contest.maxPairNumber; }

std::vector<ProgressCell> progressCells(const Contest& contest, const std::vector<int>& typedNumbers) {
    const int n = progressCellCount(contest);
    std::vector<ProgressCell> cells(static_cast<std::size_t>(n));
    if (contest.isBarometer) {
        for (int number : typedNumbers)
            if (number >= 1 && number <= n) cells[number - 1].colour = Colour::Blue;
        for (int number = 1; number <= n; ++number)
            if (sitsOut(contest, number)) cells[number - 1].visible = false;
        return cells;
    }
    for (int b = 1; b <= n; ++b) {
        if (countScored(contest.boards[b]) == 0) continue;
        cells[b - 1].colour = boardComplete(contest, b) ? Colour::Blue : Colour::Red;
    }
    return cells;
}

}  // namespace vindelkast
