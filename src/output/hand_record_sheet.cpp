#include "output/hand_record_sheet.h"

#include <algorithm>
#include <vector>

#include "analysis/board_analysis.h"
#include "files/contest_file.h"
#include "model/bridge_tables.h"
#include "output/analysis_text.h"
#include "output/deal_text.h"
#include "output/html_text.h"

namespace vindelkast {

namespace {

// Red hearts and diamonds, as on the cards.
const std::array<const char*, 4> kSuitSymbols{"&#9824;", "<font color='#c00000'>&#9829;</font>",
                                              "<font color='#c00000'>&#9830;</font>", "&#9827;"};

const StrainNames& sheetStrains() {
    static const StrainNames names{"NT", kSuitSymbols[0], kSuitSymbols[1], kSuitSymbols[2], kSuitSymbols[3]};
    return names;
}

const SeatNames& sheetSeats() {
    static const SeatNames names{"N", "&Ouml;", "S", "V", "NS", "&Ouml;V"};
    return names;
}

std::string hand(const Board& board, Seat seat) {
    std::string text;
    for (int suit = 0; suit < 4; ++suit)
        text += (suit > 0 ? "<br/>" : "") + std::string(kSuitSymbols[suit]) + "&nbsp;" +
                escapeHtml(swedishSuitText(board, seat, suit));
    return text;
}

// Headed rows and columns with room between the numbers: "11 11 9 12 11" read as one.
std::string trickTable(const BoardAnalysis& analysis) {
    std::string html = "<table border='1' cellspacing='0' cellpadding='4'><tr><th></th>";
    for (const std::string& strain : sheetStrains()) html += "<th align='right'>" + strain + "</th>";
    html += "</tr>";
    for (int seat : kTableRows) {
        html += "<tr><th align='left'>" + sheetSeats()[seat] + "</th>";
        for (int tricks : analysis.tricks[seat])
            html += "<td align='right' style='white-space:nowrap'>&nbsp;" + std::to_string(tricks) +
                    "&nbsp;</td>";
        html += "</tr>";
    }
    return html + "</table>";
}

std::string boardCell(const Contest& contest, int b, const BoardAnalysis& analysis) {
    const Board& board = contest.boards[b];
    std::string html = "<td width='50%' valign='top'><p><b>Giv " + std::to_string(b) + "</b></p>";
    // Each suit of a hand on one line, never broken between the cards.
    html += "<table cellspacing='0' cellpadding='2' style='white-space:nowrap'>";
    html += "<tr><td>G: " + escapeHtml(dealerName(b)) + "<br/>Z: " + escapeHtml(vulnerabilityName(b)) +
            "</td><td>" + hand(board, North) + "</td><td></td></tr>";
    html += "<tr><td>" + hand(board, West) + "</td><td></td><td>" + hand(board, East) + "</td></tr>";
    html += "<tr><td></td><td>" + hand(board, South) + "</td><td>" + trickTable(analysis) + "</td></tr>";
    html += "</table><p>" + parLine(analysis, sheetStrains(), sheetSeats()) + "</p></td>";
    return html;
}

std::string numberList(const std::vector<int>& boards) {
    std::string text;
    for (int b : boards) text += (text.empty() ? "" : ", ") + std::to_string(b);
    return text;
}

// The boards the sheet leaves out, so that nobody looks for them in vain.
std::string missingLines(const Contest& contest) {
    std::vector<int> withoutDeal;
    std::vector<int> withoutAnalysis;
    const int published = leadingCompleteDeals(contest);
    for (int b = 1; b <= contest.lastBoard(); ++b) {
        if (b > published || !contest.boards[b].hasDeal())
            withoutDeal.push_back(b);
        else if (!keptAnalysis(contest, b))
            withoutAnalysis.push_back(b);
    }
    std::string html;
    if (!withoutDeal.empty())
        html += "<p>Givar utan kortf&ouml;rdelning: " + numberList(withoutDeal) + "</p>";
    if (!withoutAnalysis.empty())
        html += "<p>Givar som inte &auml;r analyserade: " + numberList(withoutAnalysis) + "</p>";
    return html;
}

}  // namespace

std::string handRecordSheet(const Contest& contest) {
    std::vector<int> boards;
    for (int b = 1; b <= kMaxBoard; ++b)
        if (keptAnalysis(contest, b)) boards.push_back(b);
    std::string html = "<html><body><h2>" + escapeHtml(contest.contestName) + " " +
                       escapeHtml(contest.contestDate) + " &ndash; facitgivar</h2>";
    html += missingLines(contest);
    for (std::size_t i = 0; i < boards.size(); i += 2) {
        // Three rows of two boards fill a page; the next row starts a new one.
        const bool newPage = i > 0 && i % 6 == 0;
        html += std::string("<table width='100%' cellpadding='6'") +
                (newPage ? " style='page-break-before: always'" : "") + "><tr>";
        html += boardCell(contest, boards[i], *keptAnalysis(contest, boards[i]));
        html += i + 1 < boards.size()
                    ? boardCell(contest, boards[i + 1], *keptAnalysis(contest, boards[i + 1]))
                    : "<td width='50%'></td>";
        html += "</tr></table>";
    }
    return html + "</body></html>";
}

}  // namespace vindelkast
