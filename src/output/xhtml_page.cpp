#include "output/xhtml_page.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "files/contest_file.h"
#include "model/board_scoring.h"
#include "model/bridge_tables.h"
#include "model/name_forms.h"
#include "model/result_order.h"
#include "model/scoring_form.h"
#include "model/standings.h"
#include "output/contract_text.h"
#include "output/deal_text.h"
#include "output/html_text.h"
#include "output/page_parts.h"
#include "output/text_format.h"
#include "output/xhtml_analysis.h"

namespace vindelkast {

namespace {

constexpr const char* kEol = kPageLineEnd;

struct StyleRule {
    const char* selector;
    std::vector<const char*> declarations;
};

const std::array<StyleRule, 16> kStyleRules{{
    {"html", {"background-color : #ffc;"}},
    {"body",
     {"width  : 55em;", "font   : 12px/170% Verdana, sans-serif;", "color  : #494949;", "margin : auto;"}},
    {".main",
     {"background-color: #fff;", "border          : 1px solid #000;", "margin-top      : 2em;",
      "margin-bottom   : 1em;", "padding         : 1em;", "clear           : both;"}},
    {"h1, h2",
     {"margin      : 0;", "padding     : 0;", "font-weight : normal;",
      "font-family : Helvetica, Arial, sans-serif;"}},
    {"h1", {"font-size   : 160%;", "line-height : 130%;"}},
    {"h2", {"font-size   : 140%;", "line-height : 120%;"}},
    {"table", {"width : 100%;"}},
    {"th", {"text-align : left;"}},
    {"table.res", {"margin-top : 1em;"}},
    {"table.grid", {"margin-top      : 2em;", "border-collapse : collapse;"}},
    {"td.grid", {"padding    : 1em;", "border-top : 1px solid #494949;"}},
    {"td.deal", {"vertical-align : top;"}},
    {"table.scores", {"margin-top : 1.5em;"}},
    {"td.scores, th.scores", {"text-align : right;"}},
    {"span.space", {"margin-left : 1.5em;"}},
    {"img.w3c", {"border : 0pt none;", "width  : 88px;", "height : 31px;"}},
}};

constexpr const char* kSuitEntities[4] = {"&spades;", "&hearts;", "&diams;", "&clubs;"};

void writeHandCell(const Board& board, bool hasDeal, Seat seat, std::ostream& out) {
    out << "<td class='deal'>";
    if (hasDeal) {
        for (int suit = 0; suit < 4; ++suit) {
            if (suit > 0) out << "<br />";
            out << kSuitEntities[suit] << suitText(board, seat, suit);
        }
    }
    out << "</td>" << kEol;
}

void writeDealTable(const Board& board, bool hasDeal, std::ostream& out) {
    const char* empty = "<td class='deal'>&nbsp;</td>";
    out << "<table class='deal'>" << kEol << "<tbody class='deal'>" << kEol;
    out << "<tr class='deal'>" << kEol << "<td class='deal'>G: " << escapeHtml(dealerName(board.number))
        << "<br />Z: " << escapeHtml(vulnerabilityName(board.number)) << "</td>" << kEol;
    writeHandCell(board, hasDeal, North, out);
    out << empty << kEol << "</tr>" << kEol;
    out << "<tr class='deal'>" << kEol;
    writeHandCell(board, hasDeal, West, out);
    out << empty << kEol;
    writeHandCell(board, hasDeal, East, out);
    out << "</tr>" << kEol;
    out << "<tr class='deal'>" << kEol << empty << kEol;
    writeHandCell(board, hasDeal, South, out);
    out << empty << kEol << "</tr>" << kEol;
    out << "</tbody>" << kEol << "</table>" << kEol;
}

// "M+/M-" for NS 60 % and EW 40 %: share digit 4 is "-", 5 a blank, 6 "+".
std::string adjustedCell(int code) {
    const auto mark = [](int digit) { return digit == 4 ? '-' : digit == 6 ? '+' : ' '; };
    std::string text = "M";
    text += mark((code / 10) % 10);
    text += "/M";
    text += mark(code % 10);
    return text;
}

const ContractStrains& entityContractStrains() {
    static const ContractStrains names{"&clubs;", "&diams;", "&hearts;", "&spades;", "NT"};
    return names;
}

void writeScoreRow(const Contest& contest, const Board& board, const BoardResult& r, bool tenths,
                   std::ostream& out) {
    const auto cell = [&out](const std::string& text) {
        out << "<td class='scores'>" << text << "</td>" << kEol;
    };
    out << "<tr class='scores'>" << kEol;
    if (contest.isIndividual) {
        for (int number : {r.nsPair, r.nsPlayer2, r.ewPair, r.ewPlayer2}) cell(std::to_string(number));
    } else {
        cell(pairLabel(contest, r.nsPair));
        cell(pairLabel(contest, r.ewPair));
    }
    // Contract columns only in contests whose tables gave contracts: others' pages stay as they were.
    if (!contest.contracts.empty()) {
        const PlayedContract* played = playedContract(contest, board.number, r);
        cell(played ? contractWith(played->contract, entityContractStrains(), "Pass") : "");
        cell(played && !played->contract.passedOut() ? escapeHtml(swedishSeat(played->declarer)) : "");
        cell(played && !played->contract.passedOut() ? std::to_string(played->tricks) : "");
    }
    if (!hasScore(r.nsScore)) {
        out << "<td class='scores'></td><td class='scores'></td><td class='scores'></td>" << kEol;
    } else {
        if (r.nsScore > kAdjustedBase)
            cell(adjustedCell(r.nsScore));
        else if (r.nsScore >= 0)
            cell(std::to_string(r.nsScore) + "<span class='space' />");
        else
            cell("<span class='space' />" + std::to_string(r.nsScore));
        const FigureColumn column = scoringForm(contest).pointsColumn();
        if (column.decimals > 0) {
            cell(r.nsPoints == kNoPoints ? std::string() : figureText(column, r.nsPoints));
            cell(r.ewPoints == kNoPoints ? std::string() : figureText(column, r.ewPoints));
        } else {
            cell(pointsText(r.nsPoints, tenths));
            cell(pointsText(r.ewPoints, tenths));
        }
    }
    out << "</tr>" << kEol;
}

void writeScoreTable(const Contest& contest, const Board& board, int order, std::ostream& out) {
    out << "<table class='scores'>" << kEol << "<tbody class='scores'>" << kEol << "<tr class='scores'>"
        << kEol;
    const std::vector<const char*> heads = contest.isIndividual
                                               ? std::vector<const char*>{"N", "S", "&Ouml;", "V"}
                                               : std::vector<const char*>{"NS", "&Ouml;V"};
    for (const char* head : heads) out << "<th class='scores'>" << head << "</th>" << kEol;
    if (!contest.contracts.empty())
        for (const char* head : {"Kontrakt", "Spelf&ouml;rare", "Stick"})
            out << "<th class='scores'>" << head << "</th>" << kEol;
    const char* points = scoringForm(contest).pointsAbbreviation();
    out << "<th class='scores'>Resultat</th>" << kEol << "<th class='scores'>NS " << points << "</th>" << kEol
        << "<th class='scores'>&Ouml;V " << points << "</th>" << kEol << "</tr>" << kEol;
    const std::vector<int> slots = orderedSlots(contest, board, order);
    const bool tenths = boardHasTenths(board, slots);
    for (int slot : slots) writeScoreRow(contest, board, board.results[slot], tenths, out);
    out << "</tbody>" << kEol << "</table>" << kEol;
}

// How the standings table heads its figures (the second before the names, the total after
// them) and writes pairs and totals: the matchpoint table keeps its words, section labels and
// whole totals where no total has a tenth; other columns are headed by their own headings.
struct TableLayout {
    std::string figureHead;
    std::string totalHead;
    bool sectionLabels = false;
    bool wholeTotals = false;
};

TableLayout layoutOf(const Standings& standings) {
    if (std::string_view(standings.columns[0].heading) == "Po\xe4ng")
        return {"procent", "po&auml;ng", true, true};
    return {escapeHtml(standings.columns[1].heading), escapeHtml(standings.columns[0].heading)};
}

void writeStandingsTable(const Contest& contest, std::ostream& out) {
    const ScoringForm& form = scoringForm(contest);
    const Standings standings = form.standings(contest);
    std::vector<const StandingsRow*> rows;
    for (const StandingsRow& row : standings.rows)
        if (form.listsUnusedNumbers() || publishedPair(contest, row.pair, hasScoredResult(contest, row.pair)))
            rows.push_back(&row);
    const TableLayout layout = layoutOf(standings);
    const bool tenths = std::any_of(rows.begin(), rows.end(), [](const StandingsRow* row) {
        return roundHalfUp(row->figures[0] * 10.0) % 10 != 0;
    });
    FigureColumn total = standings.columns[0];
    if (layout.wholeTotals && !tenths) total.decimals = 0;
    out << "<table class='res'>" << kEol << "<tbody class='res'>" << kEol << "<tr class='res'>" << kEol;
    for (const std::string& head : {std::string("placering"), std::string("nr"), layout.figureHead,
                                    std::string("namn"), layout.totalHead})
        out << "<th class='res'>" << head << "</th>" << kEol;
    out << "</tr>" << kEol;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const StandingsRow& row = *rows[i];
        const bool shared = i > 0 && rows[i - 1]->place == row.place;
        out << "<tr class='res'>" << kEol;
        out << "<td class='res'>" << (shared ? "" : std::to_string(i + 1)) << "</td>" << kEol;
        out << "<td class='res'>"
            << (layout.sectionLabels ? pairLabel(contest, row.pair) : std::to_string(row.pair)) << "</td>"
            << kEol;
        out << "<td class='res'>" << figureText(standings.columns[1], row.figures[1]) << "</td>" << kEol;
        out << "<td class='res'>"
            << escapeHtml(publishedRowName(contest, standings,
                                           static_cast<std::size_t>(rows[i] - standings.rows.data()),
                                           NameForm::Long))
            << "</td>" << kEol;
        out << "<td class='res'>" << figureText(total, row.figures[0]) << "</td>" << kEol;
        out << "</tr>" << kEol;
    }
    out << "</tbody>" << kEol << "</table>" << kEol;
}

void writeBoardGrid(const Contest& contest, int order, std::ostream& out) {
    const int boards = contest.lastBoard();
    // A table body needs at least one row.
    if (boards < 1) return;
    out << "<table class='grid'>" << kEol << "<tbody class='grid'>" << kEol;
    for (int b = 1; b <= boards; b += 2) {
        out << "<tr class='grid'>" << kEol << "<td class='grid'>" << kEol;
        writeBoardBlock(contest, contest.boards[b], order, out);
        out << "</td>" << kEol << "<td class='grid'>" << kEol;
        if (b + 1 <= boards) writeBoardBlock(contest, contest.boards[b + 1], order, out);
        out << "</td>" << kEol << "</tr>" << kEol;
    }
    out << "</tbody>" << kEol << "</table>" << kEol;
}

void writeFooter(std::ostream& out) {
    out << "<!--" << kEol << "<div class='footer'>" << kEol
        << "<a href='http://validator.w3.org/check?uri=referer'><img class='w3c' "
           "src='http://www.w3.org/Icons/valid-xhtml10' alt='Valid XHTML 1.0!' /></a>"
        << kEol
        << "<a href='http://jigsaw.w3.org/css-validator/check/referer'><img class='w3c' "
           "src='http://jigsaw.w3.org/css-validator/images/vcss' alt='Valid CSS!' /></a>"
        << kEol << "</div>" << kEol << "-->" << kEol;
}

}  // namespace

void writeXhtmlStyleSheet(std::ostream& out) {
    for (std::size_t i = 0; i < kStyleRules.size(); ++i) {
        out << kStyleRules[i].selector << kEol << "{" << kEol;
        for (const char* declaration : kStyleRules[i].declarations) out << "    " << declaration << kEol;
        out << "}" << kEol;
        if (i + 2 < kStyleRules.size()) out << kEol;
    }
}

void writeBoardBlock(const Contest& contest, const Board& board, int order, std::ostream& out) {
    // Deals past the leading complete ones are not published; the board keeps them all the same.
    const bool hasDeal = board.number <= leadingCompleteDeals(contest) && board.hasDeal();
    out << "<h2>Giv " << board.number << "</h2>" << kEol;
    writeDealTable(board, hasDeal, out);
    writeScoreTable(contest, board, order, out);
    writeAnalysisBlock(contest, board, out);
}

void writeXhtml(const Contest& contest, std::ostream& out, int order) {
    out << "<?xml version='1.0' encoding='ISO-8859-1'?>" << kEol
        << "<!DOCTYPE html PUBLIC '-//W3C//DTD XHTML 1.0 Strict//EN'" << kEol
        << "'http://www.w3.org/TR/xhtml1/DTD/xhtml1-strict.dtd'>" << kEol
        << "<html xmlns='http://www.w3.org/1999/xhtml'>" << kEol;
    out << "<head>" << kEol << "<style type='text/css'>" << kEol;
    writeXhtmlStyleSheet(out);
    out << "</style>" << kEol;
    out << "<title>" << escapeHtml(contest.contestName) << "</title>" << kEol;
    writeEmbeddedContest(contest, order, out);
    out << "</head>" << kEol << "<body>" << kEol << "<div class='main'>" << kEol;
    out << "<h1>" << escapeHtml(contest.contestName) << " " << escapeHtml(contest.contestDate) << " "
        << escapeHtml(contest.arranger) << "</h1>" << kEol;
    writeStandingsTable(contest, out);
    writeBoardGrid(contest, order, out);
    out << "</div>" << kEol;
    writeFooter(out);
    out << "</body>" << kEol << "</html>" << kEol;
}

}  // namespace vindelkast
