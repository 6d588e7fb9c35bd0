#include "output/round_html_page.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "model/board_results.h"
#include "model/board_scoring.h"
#include "model/bridge_tables.h"
#include "model/name_forms.h"
#include "model/result_order.h"
#include "model/standings.h"
#include "output/deal_text.h"
#include "output/html_text.h"
#include "output/page_parts.h"
#include "output/round_html_imps.h"
#include "output/text_format.h"

namespace vindelkast {

namespace {

constexpr const char* kEol = kPageLineEnd;

struct RoundBoards {
    int first = 0;
    int last = 0;  // never past the contest's last board
};

RoundBoards boardsOfRound(const Contest& contest, int round) {
    if (contest.boardsPerRound <= 0 || round < 1) return {};
    const int first = firstBoardOfRound(contest, round * contest.boardsPerRound);
    const int last = std::min({lastBoardOfRound(contest, first), contest.boardCount, kMaxBoard});
    return {first, last};
}

std::vector<int> listedPairs(const Contest& contest, const Totals& totals) {
    std::vector<int> pairs;
    for (int slot = 1; slot <= totals.n; ++slot) {
        const int pair = totals.ranking[slot];
        if (pair != 0 && !sitsOut(contest, pair)) pairs.push_back(pair);
    }
    return pairs;
}

void writeLeaders(const Contest& contest, int round, std::ostream& out) {
    const Totals totals = roundTotals(contest, round);
    out << "<table border='1' cellspacing='0' cellpadding='5'>" << kEol << "  <tr>" << kEol
        << "    <th colspan='3'>Rondresultat rond " << round << "</th>" << kEol << "  </tr>" << kEol
        << "  <tr>" << kEol << "    <td><b>po</b></td>" << kEol << "    <td><b>%</b></td>" << kEol
        << "    <td><b>namn</b></td>" << kEol << "  </tr>" << kEol;
    const std::vector<int> pairs = listedPairs(contest, totals);
    const double cutOff = pairs.size() > 1 ? std::trunc(totals.total[pairs[1]]) : 0.0;
    for (std::size_t i = 0; i < pairs.size() && i < 5; ++i) {
        const double total = totals.total[pairs[i]];
        if (total < cutOff) break;
        out << "<tr><td>" << oneDecimal(total) << "</td><td>"
            << oneDecimal(roundPercent(contest, pairs[i], total)) << "</td><td>"
            << escapeHtml(publishedPairName(contest, pairs[i], NameForm::Short)) << "</td></tr>" << kEol;
    }
    if (contest.isTeamContest) {
        const TeamTotals teams = teamTotals(totals, contest.byePair);
        out << "<tr><td colspan='3'>" << escapeHtml(contest.teamName1) << " - "
            << escapeHtml(contest.teamName2) << ": " << oneDecimal(teams.first) << " - "
            << oneDecimal(teams.second) << "</td></tr>" << kEol;
    }
    out << "</table>" << kEol;
}

void writeDiagram(const Board& board, std::ostream& out) {
    for (int k = 0; k < 4; ++k) {
        std::string info;
        if (k == 0) info = rightAligned(board.number, 2);
        if (k == 1) info = dealerName(board.number);
        if (k == 2) info = vulnerabilityName(board.number);
        out << padAtLeastOne(info, 8) << suitText(board, North, k) << kEol;
    }
    for (int k = 0; k < 4; ++k)
        out << padAtLeastOne(suitText(board, West, k), 15) << suitText(board, East, k) << kEol;
    for (int k = 0; k < 4; ++k) out << std::string(8, ' ') << suitText(board, South, k) << kEol;
    out << kEol;
}

std::string travellerLine(const Contest& contest, const BoardResult& r) {
    const auto truncated = [](float points) { return static_cast<int>(points); };
    const bool scored = hasScore(r.nsScore);
    const bool adjusted = r.nsScore > kAdjustedBase || r.ewScore > kAdjustedBase;
    if (contest.isIndividual) {
        std::string line = rightAligned(r.nsPair, 2) + rightAligned(r.nsPlayer2, 3) +
                           rightAligned(r.ewPair, 3) + rightAligned(r.ewPlayer2, 3);
        if (!scored) return line;
        return line + rightAligned(adjusted ? adjustedScoreText(r.nsScore) : std::to_string(r.nsScore), 5) +
               rightAligned(truncated(r.nsPoints), 3) + rightAligned(truncated(r.ewPoints), 3);
    }
    if (adjusted) {
        // The shares of both sides, as "%60-40" for NS 60 % and EW 40 %.
        const int nsShare = ((r.nsScore / 10) % 10) * 10;
        const int ewShare = (r.nsScore % 10) * 10;
        return rightAligned(r.nsPair, 2) + "-" + rightAligned(r.ewPair, 2) + "       %" +
               rightAligned(nsShare, 2) + "-" + rightAligned(ewShare, 2);
    }
    if (!scored) return "  " + std::to_string(r.nsPair) + "-" + rightAligned(r.ewPair, 2);
    const bool negative = r.nsScore < 0;
    return rightAligned(r.nsPair, 3) + rightAligned(r.ewPair, 3) + rightAligned(r.nsScore, negative ? 8 : 5) +
           rightAligned(truncated(r.nsPoints), negative ? 3 : 6) + rightAligned(truncated(r.ewPoints), 4);
}

void writeBoards(const Contest& contest, RoundBoards boards, std::ostream& out) {
    out << "<p>" << kEol << "<table border='2' cellspacing='0' cellpadding='5'>" << kEol << "<tr>" << kEol;
    for (int b = boards.first; b <= boards.last; ++b) {
        const Board& board = contest.boards[b];
        out << "<td> <pre>" << kEol;
        if (board.hasDeal()) writeDiagram(board, out);
        const bool imps = contest.scoringRule.imps();
        out << (imps ? impTravellerHeading(contest, board) : "  Par     Res      Po   ") << kEol;
        for (int slot : orderedSlots(contest, board, ScoreOrder))
            out << (imps ? impTravellerLine(board.results[slot])
                         : travellerLine(contest, board.results[slot]))
                << kEol;
        out << "</pre> </td> " << kEol;
    }
    out << "</tr> </table>" << kEol << kEol;
}

bool scoredInRound(const Contest& contest, RoundBoards boards, int pair) {
    for (int b = boards.first; b <= boards.last; ++b)
        if (hasScore(pairScore(contest.boards[b], pair))) return true;
    return false;
}

void writeStandingsAfter(const Contest& contest, int round, RoundBoards boards, std::ostream& out) {
    const Totals totals = totalsAfterRound(contest, round);
    const Totals roundOnly = roundTotals(contest, round);
    const int mean = contestMean(contest, boards.last);
    if (contest.isTeamContest) {
        const TeamTotals teams = teamTotals(totals, contest.byePair);
        const auto teamLine = [&out](const std::string& name, double total) {
            const int width = std::max(0, 25 - static_cast<int>(name.size()));
            out << escapeHtml(name) << oneDecimal(total, width) << kEol;
        };
        teamLine(contest.teamName1, teams.first);
        teamLine(contest.teamName2, teams.second);
        out << kEol;
    }
    out << "plac par po\xe4ng proc  rond   namn                               " << kEol << kEol;
    double previous = 99999.0;
    int place = 0;
    for (int pair : listedPairs(contest, totals)) {
        const double total = totals.total[pair];
        ++place;
        out << "   " << (std::trunc(previous) > total ? rightAligned(place, 2) : "  ")
            << rightAligned(pair, 3) << " " << oneDecimal(total, 5) << " "
            << oneDecimal(percentOfMean(total, mean), 5) << " "
            << (scoredInRound(contest, boards, pair) ? oneDecimal(roundOnly.total[pair], 4) : " -- ") << "  "
            << escapeHtml(publishedPairName(contest, pair, NameForm::Long)) << kEol;
        previous = total;
    }
}

}  // namespace

std::string roundPageRefusal(const Contest& contest, int round) {
    if (contest.boardsPerRound <= 0) return "T\xe4vlingen har inga ronder";
    const RoundBoards boards = boardsOfRound(contest, round);
    if (boards.first < 1 || boards.first > boards.last) return formatText("Rond %d finns inte", round);
    return "";
}

std::string writeRoundHtml(const Contest& contest, std::ostream& out, int round) {
    std::string refusal = roundPageRefusal(contest, round);
    if (!refusal.empty()) return refusal;
    const RoundBoards boards = boardsOfRound(contest, round);
    out << "<HTML>" << kEol << "<BODY>" << kEol << "<TITLE>Rondresultat rond " << round << "</TITLE>" << kEol
        << "<body>" << kEol;
    const bool imps = contest.scoringRule.imps();
    if (imps)
        writeImpLeaders(contest, round, boards.first, boards.last, out);
    else
        writeLeaders(contest, round, out);
    writeBoards(contest, boards, out);
    out << "</center>" << kEol << "<p><b>St\xe4llning sammanlagt</b>" << kEol << "<p> <pre>" << kEol;
    if (imps)
        writeImpStandingsAfter(contest, boards.first, boards.last, out);
    else
        writeStandingsAfter(contest, round, boards, out);
    out << "</pre>" << kEol << "</BODY>" << kEol << "</HTML>" << kEol;
    return "";
}

}  // namespace vindelkast
