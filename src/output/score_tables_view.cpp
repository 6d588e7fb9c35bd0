#include "output/score_tables_view.h"

#include <algorithm>

#include "model/board_scoring.h"
#include "model/standings.h"
#include "output/text_format.h"

namespace vindelkast {

namespace {

ViewLine resultLine(const Contest& contest, const BoardResult& r) {
    const bool scored = r.nsScore >= -9998;
    if (contest.isIndividual) {
        if (!scored) return {formatText(" %2d %2d-%2d %2d: ", r.nsPair, r.nsPlayer2, r.ewPair, r.ewPlayer2)};
        return {formatText(" %2d %2d-%2d %2d: %5d %4.0f %4.0f", r.nsPair, r.nsPlayer2, r.ewPair, r.ewPlayer2,
                           r.nsScore, static_cast<double>(r.nsPoints), static_cast<double>(r.ewPoints))};
    }
    if (r.nsScore > kAdjustedBase || r.ewScore > kAdjustedBase)
        return {formatText(" %2d-%2d:  %3s   %5.1f %5.1f", r.nsPair, r.ewPair,
                           adjustedScoreText(r.nsScore).c_str(), static_cast<double>(r.nsPoints),
                           static_cast<double>(r.ewPoints)),
                Colour::Red};
    if (!scored) return {formatText(" %2d-%2d:", r.nsPair, r.ewPair)};
    if (r.nsScore < 0)
        return {formatText(" %2d-%2d:   %5d%4.0f %3.0f", r.nsPair, r.ewPair, r.nsScore,
                           static_cast<double>(r.nsPoints), static_cast<double>(r.ewPoints))};
    return {formatText(" %2d-%2d:%5d   %4.0f %3.0f", r.nsPair, r.ewPair, r.nsScore,
                       static_cast<double>(r.nsPoints), static_cast<double>(r.ewPoints))};
}

}  // namespace

std::optional<std::vector<ViewLine>> scoreTableLines(const Contest& contest, int board, bool roundWise) {
    const int lastBoard = std::min(contest.boardCount, kMaxBoard);
    if (board < 1 || board > lastBoard) return std::nullopt;
    int first = board;
    int last = board;
    if (roundWise && contest.boardsPerRound > 0) {
        first = firstBoardOfRound(contest, board);
        // The last round may hold fewer boards than the others.
        last = std::min(lastBoardOfRound(contest, board), lastBoard);
    }
    std::vector<ViewLine> lines;
    for (int b = first; b <= last; ++b) {
        const Board& current = contest.boards[b];
        lines.push_back({formatText("    Bricka %d", b)});
        for (int i = 0; i < current.resultCount; ++i) {
            const BoardResult& r = current.results[i];
            if (r.nsPair == contest.byePair || r.ewPair == contest.byePair) continue;
            lines.push_back(resultLine(contest, r));
        }
        if (roundWise) lines.push_back({""});
    }
    return lines;
}

}  // namespace vindelkast
