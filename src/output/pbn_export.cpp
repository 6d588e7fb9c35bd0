#include "output/pbn_export.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "analysis/board_analysis.h"
#include "files/file_names.h"
#include "files/text_encoding.h"
#include "model/bridge_tables.h"
#include "model/contract.h"
#include "model/imp_standings.h"
#include "model/name_forms.h"
#include "model/result_order.h"
#include "model/section_standings.h"
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

// A side's IMPs on the board, to the hundredth; "-" without a score.
std::string impCell(float imps) {
    return rightAligned(imps == kNoPoints ? std::string("-") : formatText("%.2f", imps), 6);
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
    const bool imps = contest.scoringRule.imps();
    const std::string columns =
        sectionColumn(contest) + pairs + (contracts ? "Contract\\4L;Declarer\\1R;Result\\2R;" : "") +
        "Score_NS\\6R;Score_EW\\6R;" + (imps ? "IMP_NS\\6R;IMP_EW\\6R" : "MP_NS\\5R;MP_EW\\5R");
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
        if (imps)
            out << impCell(r.nsPoints) << ' ' << impCell(r.ewPoints) << kEol;
        else
            out << pointsText(r.nsPoints, tenths, 5) << ' ' << pointsText(r.ewPoints, tenths, 5) << kEol;
    }
}

// A total line's name cell, padded to the column's width.
std::string nameCell(const Contest& contest, int pair) {
    const std::string name = publishedPairName(contest, pair, NameForm::Long);
    return quoted(name) +
           std::string(std::max<std::size_t>(1, 39 - std::min<std::size_t>(name.size(), 39)), ' ');
}

// The pairs of each section in turn (all of them without sections), as the evening's lists
// place them: within their section.
std::vector<std::vector<int>> sectionGroups(const Contest& contest, const std::vector<int>& pairs) {
    if (!contest.sections.any()) return {pairs};
    std::vector<std::vector<int>> groups(contest.sections.list.size());
    for (int pair : pairs)
        if (const int s = sectionOf(contest, pair); s >= 0)
            groups[static_cast<std::size_t>(s)].push_back(pair);
    return groups;
}

// An IMP contest's totals: total and mean IMPs and the boards they came from.
void writeImpTotalScoreTable(const Contest& contest, std::ostream& out) {
    const std::string columns =
        sectionColumn(contest) + "Rank\\2R;PairId\\2R;Names\\40L;TotalIMP\\7R;MeanIMP\\6R;NrBoards\\2R";
    tableTag(out, "TotalScoreTable", columns.c_str());
    const int sections = contest.sections.any() ? static_cast<int>(contest.sections.list.size()) : 1;
    for (int section = 0; section < sections; ++section) {
        const std::vector<ImpStanding> standings = sectionImpStandings(contest, section);
        const std::vector<int> places = impPlaces(standings);
        for (std::size_t i = 0; i < standings.size(); ++i) {
            const ImpStanding& s = standings[i];
            out << sectionCell(contest, s.pair) << rightAligned(places[i], 2) << ' '
                << rightAligned(s.pair, 2) << ' ' << nameCell(contest, s.pair)
                << rightAligned(formatText("%.2f", s.total), 7) << ' '
                << rightAligned(formatText("%.2f", s.perBoard()), 6) << ' ' << rightAligned(s.boards, 2)
                << kEol;
        }
    }
}

void writeTotalScoreTable(const Contest& contest, std::ostream& out) {
    if (contest.scoringRule.imps()) return writeImpTotalScoreTable(contest, out);
    const std::string columns =
        sectionColumn(contest) + "Rank\\2R;PairId\\2R;Names\\40L;TotalScoreMP\\6R;TotalPercentage\\5R";
    tableTag(out, "TotalScoreTable", columns.c_str());
    const Totals field = contestTotals(contest);
    const std::vector<std::vector<int>> groups = sectionGroups(contest, publishedPairs(contest, field));
    for (std::size_t g = 0; g < groups.size(); ++g) {
        const SectionStandings standings = contest.sections.any()
                                               ? sectionStandings(contest, static_cast<int>(g))
                                               : SectionStandings{field, contestMean(contest)};
        for (int pair : groups[g]) {
            const float total = standings.totals.total[pair];
            out << sectionCell(contest, pair) << rightAligned(sharedPlace(total, standings.totals), 2) << ' '
                << rightAligned(pair, 2) << ' ' << nameCell(contest, pair) << oneDecimal(total, 6) << ' '
                << oneDecimal(percentOfMean(total, standings.mean), 5) << kEol;
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
        if (contest.scoringRule.imps())
            tag(out, "Scoring",
                contest.scoringRule.method == ScoringMethod::Butler ? "IMP;Butler" : "IMP;Cross");
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
