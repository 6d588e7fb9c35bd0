#include "output/pbn_export.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <string>
#include <vector>

#include "analysis/board_analysis.h"
#include "files/file_names.h"
#include "files/text_encoding.h"
#include "model/bridge_tables.h"
#include "model/contract.h"
#include "model/name_forms.h"
#include "model/result_order.h"
#include "model/scoring_form.h"
#include "model/sections.h"
#include "model/standings.h"
#include "model/version.h"
#include "output/contract_text.h"
#include "output/page_parts.h"
#include "output/text_format.h"

namespace vindelkast {

namespace {

constexpr const char* kEol = "\r\n";

// A tag value: quotes and backslashes escaped; Windows-1252 text becomes UTF-8.
std::string quoted(const std::string& cp1252) {
    std::string text = "\"";
    for (char c : cp1252ToUtf8(cp1252)) {
        if (c == '"' || c == '\\') text += '\\';
        text += c;
    }
    return text + '"';
}

void tag(std::ostream& out, const char* name, const std::string& cp1252) {
    out << '[' << name << ' ' << quoted(cp1252) << ']' << kEol;
}

// A table's column list: "Name\WidthAlignment" separated by ";", written as it stands.
void tableTag(std::ostream& out, const char* name, const char* columns) {
    out << '[' << name << " \"" << columns << "\"]" << kEol;
}

// "2024-10-08" → "2024.10.08"; a date the program cannot read is unknown, "????.??.??".
std::string pbnDate(const std::string& date) {
    if (date.size() != 10) return "????.??.??";
    std::string text = date;
    for (int i : {4, 7}) {
        if (text[i] != '-' && text[i] != '.') return "????.??.??";
        text[i] = '.';
    }
    for (int i : {0, 1, 2, 3, 5, 6, 8, 9})
        if (!std::isdigit(static_cast<unsigned char>(text[i]))) return "????.??.??";
    return text;
}

const char* kPbnSeats = "NESW";
const char* kPbnStrains[5] = {"NT", "S", "H", "D", "C"};
// PBN lists the declarers North, South, East, West.
constexpr int kPbnDeclarers[4] = {North, South, East, West};

void writeAnalysis(const BoardAnalysis& analysis, std::ostream& out) {
    // DoubleDummyTricks: one hexadecimal digit per declarer and denomination, the
    // declarers in the order N, S, E, W and for each of them NT, S, H, D, C.
    std::string digits;
    for (int seat : kPbnDeclarers)
        for (int tricks : analysis.tricks[seat]) digits += "0123456789abcd"[std::clamp(tricks, 0, 13)];
    tag(out, "DoubleDummyTricks", digits);
    tableTag(out, "OptimumResultTable", "Declarer;Denomination\\2R;Result\\2R");
    for (int seat : kPbnDeclarers)
        for (int strain = 0; strain < 5; ++strain)
            out << kPbnSeats[seat] << ' ' << rightAligned(kPbnStrains[strain], 2) << ' '
                << rightAligned(analysis.tricks[seat][strain], 2) << kEol;
    tag(out, "OptimumScore", "NS " + std::to_string(analysis.parScore));
    tag(out, "ParContract", analysis.parCount == 0 ? "Pass" : parContractsText(analysis));
}

// A score cell: the side's plus score, or "-" for the side that lost points or has none; an
// adjusted result gives each side its share ("60%"), so that a reader can score it again.
std::string scoreCell(int score, bool northSouth) {
    if (score >= kAdjustedBase) {
        const int shares = score - kAdjustedBase;
        return std::to_string((northSouth ? shares / 10 : shares % 10) * 10) + "%";
    }
    return score > 0 ? std::to_string(score) : "-";
}

// The contract, declarer and tricks the table gave ("-" where it gave none), PBN style.
std::string contractColumns(const Contest& contest, int board, const BoardResult& r) {
    const PlayedContract* played = playedContract(contest, board, r);
    if (!played) return "-    - - ";
    if (played->contract.passedOut()) return "Pass - - ";
    return padRight(contractText(played->contract), 4) + ' ' + declarerText(played->declarer) + ' ' +
           rightAligned(played->tricks, 2) + ' ';
}

// The Section column of an evening in sections: the pair's letter. PairId stays the evening's
// own number, unique over the sections, so that a reader without sections tells pairs apart.
std::string sectionColumn(const Contest& contest) { return contest.sections.any() ? "Section\\1L;" : ""; }

std::string sectionCell(const Contest& contest, int pair) {
    const int section = sectionOf(contest, pair);
    if (section < 0) return contest.sections.any() ? "- " : "";
    return std::string(1, contest.sections.list[static_cast<std::size_t>(section)].letter) + ' ';
}

// The widths of a table's columns as its tag lists them ("IMP_NS\\6R;IMP_EW\\6R": 6, 6).
std::vector<int> columnWidths(const char* columns) {
    std::vector<int> widths;
    for (const char* c = columns; *c; ++c)
        if (*c == '\\') widths.push_back(std::atoi(c + 1));
    return widths;
}

// A figure in a table: matchpoints as the board has them (tenths where any result has one),
// rounded figures to their column's decimals, "-" for a side without them.
std::string figureCell(const ScoringForm& form, const FigureColumn& column, float points, bool tenths,
                       int width) {
    if (form.exchangesExactFigures()) return pointsText(points, tenths, width);
    return rightAligned(points == kNoPoints ? std::string("-") : formatText("%.*f", column.decimals, points),
                        width);
}

// The score table's columns; the contract, declarer and result (tricks) columns go between
// the pair numbers and the scores in a contest whose tables gave contracts.
void writeScoreTable(const Contest& contest, const Board& board, std::ostream& out) {
    // Table order, the bye pair's results left out.
    const std::vector<int> slots = orderedSlots(contest, board, TableOrder);
    const bool tenths = boardHasTenths(board, slots);
    const bool contracts = !contest.contracts.empty();
    const std::string pairs = contest.isIndividual
                                  ? "PlayerId_N\\2R;PlayerId_S\\2R;PlayerId_E\\2R;PlayerId_W\\2R;"
                                  : "PairId_NS\\2R;PairId_EW\\2R;";
    const ScoringForm& form = scoringForm(contest);
    const FigureColumn points = form.pointsColumn();
    const int width = columnWidths(form.pbnPointsColumns()).front();
    const std::string columns = sectionColumn(contest) + pairs +
                                (contracts ? "Contract\\4L;Declarer\\1R;Result\\2R;" : "") +
                                "Score_NS\\6R;Score_EW\\6R;" + form.pbnPointsColumns();
    tableTag(out, "ScoreTable", columns.c_str());
    for (int i : slots) {
        const BoardResult& r = board.results[i];
        if (!hasScore(r.nsScore)) continue;
        std::vector<int> players{r.nsPair, r.ewPair};
        if (contest.isIndividual) players = {r.nsPair, r.nsPlayer2, r.ewPair, r.ewPlayer2};
        out << sectionCell(contest, r.nsPair);
        for (int player : players) out << rightAligned(player, 2) << ' ';
        if (contracts) out << contractColumns(contest, board.number, r);
        const int ewScore = r.nsScore >= kAdjustedBase ? r.nsScore : -r.nsScore;
        out << rightAligned(scoreCell(r.nsScore, true), 6) << ' '
            << rightAligned(scoreCell(ewScore, false), 6) << ' ';
        out << figureCell(form, points, r.nsPoints, tenths, width) << ' '
            << figureCell(form, points, r.ewPoints, tenths, width) << kEol;
    }
}

// A total line's name cell, padded to the column's width.
std::string paddedName(const std::string& name) {
    return quoted(name) +
           std::string(std::max<std::size_t>(1, 39 - std::min<std::size_t>(name.size(), 39)), ' ');
}

std::string nameCell(const Contest& contest, int pair) {
    return paddedName(publishedPairName(contest, pair, NameForm::Long));
}

// The totals, each section's pairs placed within it: the form's figures, to their columns'
// decimals, and the boards they came from where the table counts them. A table that does not
// lists only the pairs the evening's lists publish.
void writeTotalScoreTable(const Contest& contest, std::ostream& out) {
    const ScoringForm& form = scoringForm(contest);
    const std::vector<int> widths = columnWidths(form.pbnTotalColumns());
    const std::string columns =
        sectionColumn(contest) + "Rank\\2R;PairId\\2R;Names\\40L;" + form.pbnTotalColumns();
    tableTag(out, "TotalScoreTable", columns.c_str());
    const int sections = contest.sections.any() ? static_cast<int>(contest.sections.list.size()) : 1;
    for (int section = 0; section < sections; ++section) {
        const Standings standings = form.standings(contest, section);
        const std::size_t figures = standings.columns.size();
        const bool countsBoards = widths.size() > figures;
        for (std::size_t r = 0; r < standings.rows.size(); ++r) {
            const StandingsRow& row = standings.rows[r];
            if (!countsBoards && !publishedPair(contest, row.pair, hasScoredResult(contest, row.pair)))
                continue;
            out << sectionCell(contest, row.pair) << rightAligned(row.place, 2) << ' '
                << rightAligned(row.pair, 2) << ' '
                << (r < standings.names.size() ? paddedName(standings.names[r])
                                               : nameCell(contest, row.pair));
            for (std::size_t i = 0; i < figures; ++i)
                out << (i > 0 ? " " : "")
                    << formatText("%*.*f", widths[i], standings.columns[i].decimals, row.figures[i]);
            if (countsBoards) out << ' ' << rightAligned(row.boards, 2);
            out << kEol;
        }
    }
}

}  // namespace

void writePbn(const Contest& contest, std::ostream& out) {
    out << "% PBN 2.1" << kEol << "% EXPORT" << kEol << "% Content-type: text/x-pbn; charset=UTF-8" << kEol
        << "% Creator: Vindelkast " << kVersionText << kEol;
    const int boards = contest.lastBoard();
    for (int b = 1; b <= boards; ++b) {
        const Board& board = contest.boards[b];
        out << kEol;
        tag(out, "Event", contest.contestName);
        tag(out, "Site", contest.arranger);
        tag(out, "Date", pbnDate(contest.contestDate));
        tag(out, "Board", std::to_string(b));
        tag(out, "Dealer", std::string(1, kPbnSeats[(b + 3) % 4]));
        static const char* kVulnerable[4] = {"All", "None", "NS", "EW"};
        tag(out, "Vulnerable", kVulnerable[vulnerability(b)]);
        if (const char* scoring = scoringForm(contest).codes().pbnScoring; *scoring)
            tag(out, "Scoring", scoring);
        // Deals past dealCount are not published, as on the pages. A board without a deal
        // still has its Deal tag, with four unknown hands, so that a reader that counts
        // deals in order never puts one on the wrong board.
        const std::string deal = b <= contest.dealCount ? dealPbn(board.deal) : "";
        tag(out, "Deal", deal.empty() ? "N:- - - -" : deal);
        if (const BoardAnalysis* analysis = keptAnalysis(contest, b)) writeAnalysis(*analysis, out);
        writeScoreTable(contest, board, out);
        if (b == 1) writeTotalScoreTable(contest, out);
    }
}

std::string pbnFileName(const std::string& path) { return withDefaultExtension(path, ".pbn"); }

}  // namespace vindelkast
