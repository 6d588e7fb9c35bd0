#include "output/page_parts.h"

#include <cmath>

#include "files/contest_file.h"
#include "model/board_scoring.h"
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

bool holdsByePair(const Contest& contest, const BoardResult& result) {
    return contest.byePair > 0 && (result.nsPair == contest.byePair || result.ewPair == contest.byePair);
}

bool boardHasTenths(const Board& board) {
    const auto hasTenth = [](float points) { return roundHalfUp(points * 10.0) % 10 != 0; };
    for (int i = 0; i < board.resultCount; ++i)
        if (hasTenth(board.results[i].nsPoints) || hasTenth(board.results[i].ewPoints)) return true;
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
        if (pair == 0 || pair == contest.byePair) continue;
        const Participant& p = contest.participants[pair];
        if (!p.first || p.first == contest.byeMember) continue;
        pairs.push_back(pair);
    }
    return pairs;
}

void writeEmbeddedContest(Contest& contest, std::ostream& out) {
    const std::string file = contestFileText(contest, contest.writerVersion);
    out << "<!-- sco-fil" << kPageLineEnd << "Content-Transfer-Encoding: base64" << kPageLineEnd
        << kPageLineEnd << base64Lines(file) << kPageLineEnd << kPageLineEnd << "-->" << kPageLineEnd;
}

}  // namespace vindelkast
