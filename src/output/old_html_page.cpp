#include "output/old_html_page.h"

#include <algorithm>
#include <string_view>

#include "model/board_scoring.h"
#include "model/bridge_tables.h"
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
const std::string kRule(63, '-');
const std::string kFrame = "!" + std::string(30, ' ') + "!" + std::string(30, ' ') + "!";
// A board's part of a line: "!" and 30 characters; the right board closes the line.
constexpr std::size_t kCellWidth = 31;

std::string identityNumber(const Member* member) {
    const int id = member ? member->memberId : 0;
    return (id < 1000 ? formatText("%+6d", id) : formatText("%6d", id)) + " ";
}

// Every cell keeps the frame's column for its closing "!", whatever its fields hold.
std::string closedCell(std::string fields, std::size_t width) {
    if (fields.size() + 1 < width) fields.append(width - 1 - fields.size(), ' ');
    return fields + "!";
}

std::string travellerCell(const Contest& contest, const FigureColumn& column, const BoardResult& r,
                          bool tenths, bool left) {
    const bool adjusted = r.nsScore > kAdjustedBase || r.ewScore > kAdjustedBase;
    const bool scored = hasScore(r.nsScore);
    if (contest.isIndividual) {
        std::string cell = "!  " + rightAligned(r.nsPair, 2) + rightAligned(r.nsPlayer2, 3) +
                           rightAligned(r.ewPair, 3) + rightAligned(r.ewPlayer2, 3);
        // An unscored result shows its players only, not the no-score marker.
        if (!scored) return left ? padRight(cell, kCellWidth) : closedCell(cell, kCellWidth + 1);
        cell += rightAligned(adjusted ? adjustedScoreText(r.nsScore) : std::to_string(r.nsScore), 6);
        if (left)
            return padRight(cell + pointsText(r.nsPoints, tenths, 4) + pointsText(r.ewPoints, tenths, 4),
                            kCellWidth);
        return closedCell(cell + pointsText(r.nsPoints, false, 4) + pointsText(r.ewPoints, false, 3),
                          kCellWidth + 1);
    }
    std::string cell = left ? "!" : "";
    const std::size_t width = left ? kCellWidth + 1 : kCellWidth;
    if (column.decimals > 0) {
        // Points with decimals as their column writes them, "-2,33", in the matchpoints' place.
        cell += rightAligned(r.nsPair, 5) + rightAligned(r.ewPair, 3);
        if (scored)
            cell +=
                rightAligned(adjusted ? adjustedScoreText(r.nsScore) : std::to_string(r.nsScore), 6) +
                (r.nsPoints == kNoPoints ? std::string()
                                         : rightAligned(figureText(column, r.nsPoints), column.width) +
                                               rightAligned(figureText(column, r.ewPoints), column.width));
    } else if (adjusted) {
        cell += rightAligned(r.nsPair, 7) + rightAligned(r.ewPair, 3) +
                rightAligned(adjustedScoreText(r.nsScore), 7) + pointsText(r.nsPoints, false, 4) +
                pointsText(r.ewPoints, false, 4) + "     ";
    } else if (!scored) {
        cell += rightAligned(r.nsPair, 5) + rightAligned(r.ewPair, 3) + std::string(20, ' ');
    } else if (r.nsScore >= 0) {
        cell += rightAligned(r.nsPair, 5) + rightAligned(r.ewPair, 3) + rightAligned(r.nsScore, 6) +
                pointsText(r.nsPoints, tenths, tenths ? 8 : 7) +
                pointsText(r.ewPoints, tenths, tenths ? 5 : 4);
    } else {
        cell += rightAligned(r.nsPair, 5) + rightAligned(r.ewPair, 3) + rightAligned(r.nsScore, 9) +
                pointsText(r.nsPoints, tenths, tenths ? 6 : 4) +
                pointsText(r.ewPoints, tenths, tenths ? 5 : 4);
    }
    return closedCell(cell, width);
}

std::string blankCell(const Contest& contest, bool left) {
    if (contest.isIndividual) return left ? padRight("!", kCellWidth) : closedCell("!", kCellWidth + 1);
    return left ? closedCell("!", kCellWidth + 1) : closedCell("", kCellWidth);
}

void writeName(const Contest& contest, const std::string& name, int pair, std::ostream& out,
               bool withIdentity) {
    out << "  " << escapeHtml(name);
    if (name.size() < 38) out << std::string(38 - name.size(), ' ');
    if (withIdentity) out << rightAligned(identityText(contest, pair), 14) << "  Dummy";
    out << kEol;
}

// The standings' heading and figure widths: the matchpoint list keeps the heading it has
// always had; other columns are headed by their own headings, a character wider than shown.
struct ListLayout {
    std::string heading;
    std::vector<int> widths;
};

ListLayout layoutOf(const Standings& standings) {
    if (std::string_view(standings.columns[0].heading) == "Po\xe4ng")
        return {"Pl. Par Po\xe4ng   %    Namn", {8, 6}};
    ListLayout layout{"Pl. Par", {}};
    for (const FigureColumn& column : standings.columns) {
        layout.widths.push_back(column.width + 1);
        layout.heading += rightAligned(column.heading, column.width + 1);
    }
    layout.heading += "    Namn";
    return layout;
}

// The rows in order of place, a tied row's place left blank.
void writeStandings(const Contest& contest, const ScoringForm& form, const Standings& standings,
                    const std::vector<int>& widths, std::ostream& out, bool withIdentity) {
    const StandingsRow* previous = nullptr;
    int place = 0;
    for (std::size_t i = 0; i < standings.rows.size(); ++i) {
        const StandingsRow& row = standings.rows[i];
        if (!form.listsUnusedNumbers() &&
            !publishedPair(contest, row.pair, hasScoredResult(contest, row.pair)))
            continue;
        ++place;
        out << (previous && previous->place == row.place ? "  " : rightAligned(place, 2))
            << rightAligned(row.pair, 4);
        for (std::size_t c = 0; c < widths.size(); ++c)
            out << rightAligned(figureText(standings.columns[c], row.figures[c]), widths[c]);
        writeName(contest, publishedRowName(contest, standings, i, NameForm::Long), row.pair, out,
                  withIdentity);
        previous = &row;
    }
}

std::string diagramHead(const Board& board, int k, Seat seat) {
    std::string info;
    if (k == 0) info = rightAligned(board.number, 2);
    if (k == 1) info = dealerName(board.number);
    if (k == 2) info = vulnerabilityName(board.number);
    return "! " + padAtLeastOne(info, 7) + padAtLeastOne(suitText(board, seat, k), 22);
}

void writeDiagrams(const Board& left, const Board* right, std::ostream& out) {
    const bool single = right == nullptr;
    for (int k = 0; k < 4; ++k) {
        out << diagramHead(left, k, North);
        if (right) out << diagramHead(*right, k, North);
        out << (single ? " !" : "!") << kEol;
    }
    for (int k = 0; k < 4; ++k) {
        out << "! " << padRight(suitText(left, West, k), 16) << padRight(suitText(left, East, k), 13);
        if (right)
            out << "! " << padRight(suitText(*right, West, k), 16) << padRight(suitText(*right, East, k), 13);
        out << (single ? " !" : "!") << kEol;
    }
    for (int k = 0; k < 4; ++k) {
        out << "!" << std::string(9, ' ') << closedCell(suitText(left, South, k), 22);
        if (right) out << std::string(9, ' ') << closedCell(suitText(*right, South, k), 22);
        out << kEol;
    }
}

void writeBlock(const Contest& contest, const FigureColumn& column, int order, const Board& left,
                const Board* right, std::ostream& out) {
    const std::string frame = right ? kFrame : kFrame.substr(0, 32);
    const std::string rule = right ? kRule : kRule.substr(0, 32);
    out << frame << kEol;
    // A diagram is drawn when either board has a deal; the other board's hands stay empty.
    if (left.hasDeal() || (right && right->hasDeal())) {
        writeDiagrams(left, right, out);
    } else {
        out << "! Bricka" << rightAligned(left.number, 3) << std::string(19, ' ');
        if (right) out << " !  Bricka" << rightAligned(right->number, 3) << std::string(19, ' ');
        out << (right ? "!" : " !") << kEol;
    }
    const std::string heading = "     Par     Res" + rightAligned(column.heading, 8) + "      !";
    out << frame << kEol << "!" << heading;
    if (right) out << heading;
    out << kEol;

    const std::vector<int> leftSlots = orderedSlots(contest, left, order);
    const std::vector<int> rightSlots = right ? orderedSlots(contest, *right, order) : std::vector<int>{};
    const bool leftTenths = boardHasTenths(left, leftSlots);
    const bool rightTenths = right && boardHasTenths(*right, rightSlots);
    const std::size_t rows = std::max(leftSlots.size(), rightSlots.size());
    for (std::size_t i = 0; i < rows; ++i) {
        const bool hasLeft = i < leftSlots.size();
        out << (hasLeft ? travellerCell(contest, column, left.results[leftSlots[i]], leftTenths, true)
                        : blankCell(contest, true));
        if (right) {
            const bool hasRight = i < rightSlots.size();
            out << (hasRight
                        ? travellerCell(contest, column, right->results[rightSlots[i]], rightTenths, false)
                        : blankCell(contest, false));
        } else if (contest.isIndividual) {
            out << "!";
        }
        out << kEol;
    }
    out << frame << kEol << rule << kEol;
}

}  // namespace

std::string identityText(const Contest& contest, int number) {
    if (number < 1 || number > contest.participantCount || number > kMaxPair) return "";
    const Participant& p = contest.participants[number];
    std::string text = identityNumber(p.first);
    if (!contest.isIndividual) text += identityNumber(p.second);
    return text;
}

void writeOldHtml(const Contest& contest, std::ostream& out, int order, bool withIdentity) {
    const int pairCount = playingPairCount(contest);
    out << "<HTML>" << kEol << "<HEAD>" << kEol << "<TITLE>" << escapeHtml(contest.contestName) << "</TITLE>"
        << kEol;
    out << "<META  name=Arranger      content=\"" << escapeHtmlAttribute(contest.arranger) << "\">" << kEol;
    out << "<META  name=ContestDate   content=\"" << escapeHtmlAttribute(contest.contestDate) << "\">"
        << kEol;
    out << "<META  name=ContestName   content=\"" << escapeHtmlAttribute(contest.contestName) << "\">"
        << kEol;
    const ScoringForm& form = scoringForm(contest);
    out << "<META  name=ScoringType   content=\"" << form.codes().pageType << "\">" << kEol;
    out << "<META  name=PairCount     content=\"" << pairCount << "\">" << kEol;
    writeEmbeddedContest(contest, order, out);
    out << "</HEAD>" << kEol << "<BODY>" << kEol << "<FONT face='Arial' size=4>" << kEol << "</FONT>" << kEol
        << "<PRE>" << kEol;
    const Standings standings = form.standings(contest);
    const ListLayout layout = layoutOf(standings);
    out << kEol << kEol << kRule << kEol << kEol << layout.heading << kEol << kEol;
    writeStandings(contest, form, standings, layout.widths, out, withIdentity);
    out << kEol << kEol << kRule << kEol;
    const int boards = contest.lastBoard();
    for (int b = 1; b <= boards; b += 2)
        writeBlock(contest, form.pointsColumn(), order, contest.boards[b],
                   b + 1 <= boards ? &contest.boards[b + 1] : nullptr, out);
    out << "</PRE>" << kEol << "</BODY>" << kEol << "</HTML>" << kEol;
}

}  // namespace vindelkast
