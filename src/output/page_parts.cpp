#include "output/page_parts.h"

#include <algorithm>
#include <cmath>
#include <sstream>

#include "files/contest_file.h"
#include "model/board_results.h"
#include "model/board_scoring.h"
#include "model/result_order.h"
#include "model/sections.h"
#include "model/standings.h"
#include "output/base64.h"
#include "output/text_format.h"

namespace vindelkast {

std::string rightAligned(const std::string& text, int width) {
    if (width <= 0 || text.size() >= static_cast<std::size_t>(width)) return text;
    return std::string(static_cast<std::size_t>(width) - text.size(), ' ') + text;
}

std::string rightAligned(int number, int width) { return rightAligned(std::to_string(number), width); }

std::string oneDecimal(double value, int width) { return formatText("%*.1f", width, value); }

std::string padAtLeastOne(const std::string& text, std::size_t width) {
    return text.size() >= width ? text + " " : padRight(text, width);
}

bool boardHasTenths(const Board& board, const std::vector<int>& slots) {
    const auto hasTenth = [](float points) { return roundHalfUp(points * 10.0) % 10 != 0; };
    for (int slot : slots)
        if (hasTenth(board.results[slot].nsPoints) || hasTenth(board.results[slot].ewPoints)) return true;
    return false;
}

std::string pointsText(float points, bool tenths, int width) {
    if (tenths) return oneDecimal(points, width);
    return rightAligned(roundHalfUp(points), width);
}

std::vector<int> publishedPairs(const Contest& contest, const Totals& totals) {
    std::vector<int> pairs;
    for (int slot = 1; slot <= totals.n; ++slot) {
        const int pair = totals.ranking[slot];
        if (pair != 0 && publishedPair(contest, pair, hasScoredResult(contest, pair))) pairs.push_back(pair);
    }
    return pairs;
}

bool publishedPair(const Contest& contest, int pair, bool scored) {
    if (sitsOut(contest, pair)) return false;
    const Participant& p = contest.participants[pair];
    if (p.first && p.first == contest.byeMember) return false;
    return p.first || scored;
}

bool hasScoredResult(const Contest& contest, int pair) {
    for (int b = 1; b <= contest.lastBoard(); ++b)
        if (hasScore(pairScore(contest.boards[b], pair))) return true;
    return false;
}

bool pairHasNames(const Contest& contest, int pair) {
    return Contest::validPair(pair) && pair <= contest.participantCount &&
           (contest.participants[pair].first || contest.participants[pair].second);
}

std::string publishedPairName(const Contest& contest, int pair, NameForm form) {
    if (pairHasNames(contest, pair)) return pairName(contest, pair, form);
    return (contest.isIndividual ? "Spelare " : "Par ") + pairLabel(contest, pair);
}

std::string publishedRowName(const Contest& contest, const Standings& standings, std::size_t row,
                             NameForm form) {
    if (row < standings.names.size()) return standingsName(contest, standings, row, form);
    return publishedPairName(contest, standings.rows[row].pair, form);
}

void writeEmbeddedContest(const Contest& contest, int order, std::ostream& out) {
    std::ostringstream text;
    writeContestAsIs(contest, text, contest.writerVersion, order);
    const std::string file = text.str();
    out << "<!-- sco-fil" << kPageLineEnd << "Content-Transfer-Encoding: base64" << kPageLineEnd
        << kPageLineEnd << base64Lines(file) << kPageLineEnd << kPageLineEnd << "-->" << kPageLineEnd;
}

void settleAfterPageExport(Contest& contest, int order) {
    const int previous = setResultOrder(contest, order);
    setResultOrder(contest, TableOrder);
    setResultOrder(contest, order);
    setResultOrder(contest, previous);
    contest.dealCount = leadingCompleteDeals(contest);
}

}  // namespace vindelkast
