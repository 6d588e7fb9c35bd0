#include "output/round_html_page.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "model/board_results.h"
#include "model/board_scoring.h"
#include "model/bridge_tables.h"
#include "model/imp_scoring.h"
#include "model/name_forms.h"
#include "model/result_order.h"
#include "model/scoring_form.h"
#include "model/standings.h"
#include "output/deal_text.h"
#include "output/html_text.h"
#include "output/page_parts.h"
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

// Whole matchpoints are written truncated on this page, and a total within the whole points of
// the one above counts as level with it, as the page always had them.
bool wholePoints(const ScoringForm& form) { return form.pointsColumn().decimals == 0; }

// The round's leaders: its best five at most, none below the second.
void writeLeaders(const Contest& contest, const ScoringForm& form, int round, std::ostream& out) {
    const Standings standings = form.roundStandings(contest, round);
    const std::vector<StandingsRow>& rows = standings.rows;
    out << "<table border='1' cellspacing='0' cellpadding='5'>" << kEol << "  <tr>" << kEol
        << "    <th colspan='3'>Rondresultat rond " << round << "</th>" << kEol << "  </tr>" << kEol
        << "  <tr>" << kEol << "    <td><b>" << form.pointsAbbreviation() << "</b></td>" << kEol
        << "    <td><b>" << escapeHtml(standings.columns[1].heading) << "</b></td>" << kEol
        << "    <td><b>namn</b></td>" << kEol << "  </tr>" << kEol;
    const auto belowSecond = [&](const StandingsRow& row) {
        if (rows.size() < 2) return false;
        if (wholePoints(form)) return row.figures[0] < std::trunc(rows[1].figures[0]);
        return row.place > rows[1].place;
    };
    for (std::size_t i = 0; i < rows.size() && i < 5 && !belowSecond(rows[i]); ++i)
        out << "<tr><td>" << figureText(standings.columns[0], rows[i].figures[0]) << "</td><td>"
            << figureText(standings.columns[1], rows[i].figures[1]) << "</td><td>"
            << escapeHtml(publishedRowName(contest, standings, i, NameForm::Short)) << "</td></tr>" << kEol;
    // Two teams' sums, where totals are points to be summed.
    if (contest.isTeamContest && !form.totalsAreMeans()) {
        const TeamTotals teams = teamTotals(roundTotals(contest, round), contest.byePair);
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

std::string travellerHeading(const ScoringForm& form, const Board& board) {
    std::string heading;
    if (form.showsDatum() && countScored(board) > 0)
        heading = "  Datum " + std::to_string(boardDatum(board)) + kEol;
    if (wholePoints(form)) return heading + "  Par     Res      Po   ";
    const std::string points = form.pointsAbbreviation();
    return heading + "  Par    Res " + points + " NS " + points + " \xd6V";
}

// A result whose points have decimals: both sides' points, as the column writes them, after
// the score.
std::string columnTravellerLine(const FigureColumn& column, const BoardResult& r) {
    const std::string pairs = rightAligned(r.nsPair, 3) + rightAligned(r.ewPair, 3);
    if (!hasScore(r.nsScore) || r.nsPoints == kNoPoints) return pairs;
    const std::string score =
        r.nsScore >= kAdjustedBase ? adjustedScoreText(r.nsScore) : std::to_string(r.nsScore);
    return pairs + rightAligned(score, 6) + rightAligned(figureText(column, r.nsPoints), 7) +
           rightAligned(figureText(column, r.ewPoints), 7);
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

void writeBoards(const Contest& contest, const ScoringForm& form, RoundBoards boards, std::ostream& out) {
    out << "<p>" << kEol << "<table border='2' cellspacing='0' cellpadding='5'>" << kEol << "<tr>" << kEol;
    for (int b = boards.first; b <= boards.last; ++b) {
        const Board& board = contest.boards[b];
        out << "<td> <pre>" << kEol;
        if (board.hasDeal()) writeDiagram(board, out);
        out << travellerHeading(form, board) << kEol;
        for (int slot : orderedSlots(contest, board, ScoreOrder))
            out << (wholePoints(form) ? travellerLine(contest, board.results[slot])
                                      : columnTravellerLine(form.pointsColumn(), board.results[slot]))
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

// The standings after the round in the form's columns, with each pair's total of the round
// where it has points on the round's boards.
void writeColumnStandingsAfter(const Contest& contest, const ScoringForm& form, int round,
                               std::ostream& out) {
    const Standings standings = form.standingsAfterRound(contest, round);
    const Standings inRound = form.roundStandings(contest, round);
    const FigureColumn& total = standings.columns[0];
    out << "plac par";
    for (const FigureColumn& column : standings.columns) out << rightAligned(column.heading, 8);
    out << "    rond   namn" << kEol << kEol;
    const StandingsRow* previous = nullptr;
    for (std::size_t i = 0; i < standings.rows.size(); ++i) {
        const StandingsRow& row = standings.rows[i];
        const auto played =
            std::find_if(inRound.rows.begin(), inRound.rows.end(),
                         [&](const StandingsRow& r) { return r.pair == row.pair && r.boards > 0; });
        out << "  " << (previous && previous->place == row.place ? "  " : rightAligned(row.place, 2))
            << rightAligned(row.pair, 4);
        for (std::size_t c = 0; c < standings.columns.size(); ++c)
            out << rightAligned(figureText(standings.columns[c], row.figures[c]), 8);
        out << rightAligned(played != inRound.rows.end() ? figureText(total, played->figures[0]) : "--", 8)
            << "   " << escapeHtml(publishedRowName(contest, standings, i, NameForm::Long)) << kEol;
        previous = &row;
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
    const ScoringForm& form = scoringForm(contest);
    writeLeaders(contest, form, round, out);
    writeBoards(contest, form, boards, out);
    out << "</center>" << kEol << "<p><b>St\xe4llning sammanlagt</b>" << kEol << "<p> <pre>" << kEol;
    if (wholePoints(form))
        writeStandingsAfter(contest, round, boards, out);
    else
        writeColumnStandingsAfter(contest, form, round, out);
    out << "</pre>" << kEol << "</BODY>" << kEol << "</HTML>" << kEol;
    return "";
}

}  // namespace vindelkast
