#include "output/private_protocol_view.h"

#include <algorithm>
#include <charconv>

#include "model/member.h"
#include "model/scoring_form.h"
#include "output/text_format.h"

namespace vindelkast {

namespace {

const BoardResult* firstResultOf(const Board& board, int pair) {
    for (int i = 0; i < board.resultCount; ++i)
        if (board.results[i].nsPair == pair || board.results[i].ewPair == pair) return &board.results[i];
    return nullptr;
}

std::string opponentsText(const Contest& contest, int pair) {
    if (pair < 1 || pair > kMaxPair) return "";
    const Participant& p = contest.participants[pair];
    if (!p.first) return "";
    std::string text = shortName(*p.first);
    if (p.second) text += " / " + shortName(*p.second);
    return text;
}

// Points with decimals: both sides' points written by their column, blank where unscored.
std::vector<ViewLine> columnProtocolLines(const Contest& contest, const ScoringForm& form, int pair) {
    const FigureColumn column = form.pointsColumn();
    std::vector<ViewLine> lines;
    double nsSum = 0.0;
    double ewSum = 0.0;
    for (int b = 1; b <= contest.lastBoard(); ++b) {
        const BoardResult* r = firstResultOf(contest.boards[b], pair);
        if (!r) {
            lines.push_back({formatText("%2d frirond", b)});
            continue;
        }
        const bool satNs = r->nsPair == pair;
        const bool scored = r->nsPoints != kNoPoints && hasScore(r->nsScore);
        if (scored) (satNs ? nsSum : ewSum) += satNs ? r->nsPoints : r->ewPoints;
        const std::string opponents = opponentsText(contest, satNs ? r->ewPair : r->nsPair);
        lines.push_back(
            {formatText("%2d  %2d %2d %5d %6s %6s   %s", b, r->nsPair, r->ewPair, r->nsScore,
                        scored ? figureText(column, r->nsPoints).c_str() : "",
                        scored ? figureText(column, r->ewPoints).c_str() : "", opponents.c_str())});
    }
    lines.push_back({formatText("Summa %s som ns/ew %s %s", form.pointsAbbreviation(),
                                figureText(column, nsSum).c_str(), figureText(column, ewSum).c_str())});
    return lines;
}

}  // namespace

int privateProtocolPair(const Contest& contest, std::string_view answer) {
    while (!answer.empty() && answer.front() == ' ') answer.remove_prefix(1);
    while (!answer.empty() && answer.back() == ' ') answer.remove_suffix(1);
    int pair = 0;
    const auto [end, error] = std::from_chars(answer.data(), answer.data() + answer.size(), pair);
    if (error != std::errc() || end != answer.data() + answer.size()) return 0;
    if (pair < 1 || pair > contest.maxPairNumber || pair > kMaxPair) return 0;
    return pair;
}

std::vector<ViewLine> privateProtocolLines(const Contest& contest, int pair) {
    if (contest.isIndividual || pair < 1 || pair > contest.maxPairNumber || pair > kMaxPair) return {};
    const ScoringForm& form = scoringForm(contest);
    // Whole matchpoints are summed as whole numbers, in the protocol's old places.
    if (form.pointsColumn().decimals > 0) return columnProtocolLines(contest, form, pair);
    std::vector<ViewLine> lines;
    int nsSum = 0;
    int ewSum = 0;
    const int lastBoard = contest.lastBoard();
    for (int b = 1; b <= lastBoard; ++b) {
        const BoardResult* r = firstResultOf(contest.boards[b], pair);
        if (!r) {
            lines.push_back({formatText("%2d frirond", b)});
            continue;
        }
        const int nsPoints = static_cast<int>(r->nsPoints);
        const int ewPoints = static_cast<int>(r->ewPoints);
        const bool satNs = r->nsPair == pair;
        // An unscored result carries no matchpoints; its marker must not reach the sums.
        if (satNs && hasScore(r->nsScore)) nsSum += nsPoints;
        if (!satNs && hasScore(r->ewScore)) ewSum += ewPoints;
        const std::string opponents = opponentsText(contest, satNs ? r->ewPair : r->nsPair);
        lines.push_back({formatText("%2d  %2s %2s %5d %5d %3d   %s", b, pairLabel(contest, r->nsPair).c_str(),
                                    pairLabel(contest, r->ewPair).c_str(), r->nsScore, nsPoints, ewPoints,
                                    opponents.c_str())});
    }
    lines.push_back({formatText("Summa som ns/ew  %4d%4d", nsSum, ewSum)});
    return lines;
}

}  // namespace vindelkast
