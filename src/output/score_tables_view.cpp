#include "output/score_tables_view.h"

#include <algorithm>

#include "model/board_results.h"
#include "model/board_scoring.h"
#include "model/imp_scoring.h"
#include "model/scoring_form.h"
#include "model/standings.h"
#include "output/text_format.h"

namespace vindelkast {

namespace {

// A result whose points have decimals: both sides' points written by their column after the
// score ("-2,33" for IMPs).
ViewLine columnResultLine(const Contest& contest, const FigureColumn& column, const BoardResult& r) {
    const std::string pairs =
        contest.isIndividual ? formatText(" %2d %2d-%2d %2d:", r.nsPair, r.nsPlayer2, r.ewPair, r.ewPlayer2)
                             : formatText(" %2s-%2s:", pairLabel(contest, r.nsPair).c_str(),
                                          pairLabel(contest, r.ewPair).c_str());
    if (r.nsPoints == kNoPoints) return {pairs};
    const std::string points = formatText(" %6s %6s", figureText(column, r.nsPoints).c_str(),
                                          figureText(column, r.ewPoints).c_str());
    if (r.nsScore >= kAdjustedBase)
        return {pairs + formatText("  %3s  ", adjustedScoreText(r.nsScore).c_str()) + points, Colour::Red};
    return {pairs + formatText("%6d ", r.nsScore) + points};
}

// A result of an evening in sections: the pairs by their labels, and the points with a
// decimal, as boards played fewer times are raised to the field's top.
ViewLine sectionedResultLine(const Contest& contest, const BoardResult& r) {
    const std::string pairs =
        formatText(" %3s-%3s:", pairLabel(contest, r.nsPair).c_str(), pairLabel(contest, r.ewPair).c_str());
    if (!hasScore(r.nsScore)) return {pairs};
    const std::string points =
        formatText(" %5.1f %5.1f", static_cast<double>(r.nsPoints), static_cast<double>(r.ewPoints));
    if (r.nsScore > kAdjustedBase || r.ewScore > kAdjustedBase)
        return {pairs + formatText("  %4s ", adjustedScoreText(r.nsScore).c_str()) + points, Colour::Red};
    return {pairs + formatText("%6d ", r.nsScore) + points};
}

ViewLine resultLine(const Contest& contest, const FigureColumn& column, const BoardResult& r) {
    // Whole matchpoints keep the list's old places, where a negative score moves them.
    if (column.decimals > 0) return columnResultLine(contest, column, r);
    if (contest.sections.any() && !contest.isIndividual) return sectionedResultLine(contest, r);
    const bool scored = hasScore(r.nsScore);
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
    const int lastBoard = contest.lastBoard();
    if (board < 1 || board > lastBoard) return std::nullopt;
    int first = board;
    int last = board;
    if (roundWise && contest.boardsPerRound > 0) {
        first = firstBoardOfRound(contest, board);
        // The last round may hold fewer boards than the others.
        last = std::min(lastBoardOfRound(contest, board), lastBoard);
    }
    const ScoringForm& form = scoringForm(contest);
    std::vector<ViewLine> lines;
    for (int b = first; b <= last; ++b) {
        const Board& current = contest.boards[b];
        std::string heading = formatText("    Bricka %d", b);
        if (form.showsDatum() && countScored(current) > 0)
            heading += formatText(", datum %d", boardDatum(current));
        lines.push_back({heading});
        for (int i = 0; i < current.resultCount; ++i) {
            const BoardResult& r = current.results[i];
            if (sitsOut(contest, r.nsPair) || sitsOut(contest, r.ewPair)) continue;
            lines.push_back(resultLine(contest, form.pointsColumn(), r));
        }
        if (roundWise) lines.push_back({""});
    }
    return lines;
}

}  // namespace vindelkast
