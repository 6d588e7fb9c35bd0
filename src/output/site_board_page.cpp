#include <algorithm>

#include "analysis/board_analysis.h"
#include "files/contest_file.h"
#include "model/bridge_tables.h"
#include "model/name_forms.h"
#include "model/result_order.h"
#include "output/analysis_text.h"
#include "output/deal_text.h"
#include "output/page_parts.h"
#include "output/site_corrections.h"
#include "output/site_html.h"
#include "output/site_pages.h"

namespace vindelkast {

namespace {

constexpr const char* kDash = "\xe2\x80\x93";

std::string hand(const Board& board, Seat seat, const char* cssClass, const char* nameUtf8) {
    std::string out = std::string("<div class=\"hand ") + cssClass + "\"><b>" + nameUtf8 + "</b>";
    for (int suit = 0; suit < 4; ++suit)
        out += (suit > 0 ? "<br>" : "") + suitSymbol(suit) + " " + html(swedishSuitText(board, seat, suit));
    return out + "</div>\n";
}

std::string dealDiagram(const Contest& contest, const Board& board) {
    if (board.number > leadingCompleteDeals(contest) || !board.hasDeal())
        return "<p class=\"meta\">Given finns inte inlagd.</p>\n";
    return "<div class=\"deal\">\n<div class=\"info\">Giv " + std::to_string(board.number) + "<br>" +
           html(dealerName(board.number)) + " giver<br>Zon: " + html(vulnerabilityName(board.number)) +
           "</div>\n" + hand(board, North, "north", "Nord") + hand(board, West, "west", "V\xc3\xa4st") +
           hand(board, East, "east", "\xc3\x96st") + hand(board, South, "south", "Syd") + "</div>\n";
}

std::string analysisTable(const Contest& contest, int board) {
    const BoardAnalysis* analysis = keptAnalysis(contest, board);
    if (!analysis) return "";
    static const StrainNames strains{"NT", suitSymbol(0), suitSymbol(1), suitSymbol(2), suitSymbol(3)};
    static const SeatNames seats{"N", "\xc3\x96", "S", "V", "NS", "\xc3\x96V"};
    std::string out = "<h2>Dubbelt dummy</h2>\n<table class=\"dd\">\n<thead><tr><th>Stick</th>";
    for (const std::string& strain : strains) out += "<th>" + strain + "</th>";
    out += "</tr></thead>\n<tbody>\n";
    for (int seat : kTableRows) {
        out += "<tr><th>" + seats[seat] + "</th>";
        for (int tricks : analysis->tricks[seat]) out += "<td>" + std::to_string(tricks) + "</td>";
        out += "</tr>\n";
    }
    return out + "</tbody>\n</table>\n<p>" + parLine(*analysis, strains, seats) + "</p>\n";
}

// A team event's site has no pair pages: its lists are the teams'.
std::string pairLink(const Contest& contest, int pair) {
    if (contest.teams.any()) return pairLabel(contest, pair);
    return link(pairFile(pair), pairLabel(contest, pair));
}

// One side of a result: its pair, or in an individual contest its two players.
std::string sideLinks(const Contest& contest, int first, int second) {
    return pairLink(contest, first) + (contest.isIndividual ? "&amp;" + pairLink(contest, second) : "");
}

std::string sideNames(const Contest& contest, int first, int second) {
    const std::string name = html(publishedPairName(contest, first, NameForm::Short));
    return contest.isIndividual ? name + " &amp; " + html(publishedPairName(contest, second, NameForm::Short))
                                : name;
}

std::string scoreText(int nsScore) {
    if (!hasScore(nsScore)) return kDash;
    if (nsScore >= kAdjustedBase) {
        const int code = nsScore - kAdjustedBase;
        return "Just. " + std::to_string(code / 10 % 10 * 10) + "/" + std::to_string(code % 10 * 10);
    }
    return std::to_string(nsScore);
}

std::string contractCell(const Contest& contest, int board, const BoardResult& r) {
    const PlayedContract* played = playedContract(contest, board, r);
    if (!played) return "";
    if (played->contract.passedOut()) return "Pass";
    return contractWith(played->contract, symbolStrains(), "Pass") + " " +
           html(swedishSeat(played->declarer)) + " " + tricksAgainstContract(*played);
}

// Two rows per result, so that a phone needs no sideways scrolling: the pairs, contract,
// score and both sides' matchpoints, then the names under them.
std::string traveller(const Contest& contest, const Board& board) {
    const std::string points = scoringForm(contest).pointsColumn().heading;
    std::string out =
        "<h2>Resultat</h2>\n<table class=\"trav\">\n<thead><tr><th>NS\xe2\x80\x93\xc3\x96V</th>"
        "<th>Kontrakt</th><th class=\"n\">Po\xc3\xa4ng</th><th class=\"n\">" +
        html(points + " NS") + "</th><th class=\"n\">" + html(points + " \xd6V") +
        "</th></tr></thead>\n<tbody>\n";
    for (int slot : orderedSlots(contest, board, ScoreOrder)) {
        const BoardResult& r = board.results[slot];
        const bool scored = hasScore(r.nsScore) && r.nsPoints != kNoPoints;
        out += "<tr class=\"res\"><td class=\"pairs\">" + sideLinks(contest, r.nsPair, r.nsPlayer2) +
               "\xe2\x80\x93" + sideLinks(contest, r.ewPair, r.ewPlayer2) + "</td><td class=\"con\">" +
               contractCell(contest, board.number, r) + "</td><td class=\"n\">" + scoreText(r.nsScore) +
               "</td><td class=\"n\">" + (scored ? pointsText(contest, r.nsPoints) : "") +
               "</td><td class=\"n\">" + (scored ? pointsText(contest, r.ewPoints) : "") + "</td></tr>\n";
        out += "<tr class=\"nm\"><td colspan=\"5\">" + sideNames(contest, r.nsPair, r.nsPlayer2) +
               " \xe2\x80\x93 " + sideNames(contest, r.ewPair, r.ewPlayer2) + "</td></tr>\n";
    }
    return out + "</tbody>\n</table>\n";
}

// Why a board is hidden, as it is for this reader: each text says what will show it.
std::string hiddenBoardText(const SiteView& view, int board) {
    if (!view.tableReads())
        return "Given visas n\xc3\xa4r t\xc3\xa4vlingen \xc3\xa4r slut eller resultaten har publicerats.";
    if (view.tablePlayed(board)) return "Given visas n\xc3\xa4r alla som sitter vid ert bord har spelat den.";
    return "Given visas n\xc3\xa4r ert bord har spelat den.";
}

}  // namespace

std::string boardPage(const Contest& contest, const SiteView& view, int board) {
    const std::string title = "Giv " + std::to_string(board);
    std::string more;
    if (view.shows(board - 1))
        more += link(boardFile(board - 1), "\xe2\x80\xb9 Giv " + std::to_string(board - 1));
    if (view.shows(board + 1) && board < contest.boardCount)
        more += link(boardFile(board + 1), "Giv " + std::to_string(board + 1) + " \xe2\x80\xba");
    std::string body = "<h1>" + title + "</h1>\n";
    if (!view.shows(board)) {
        body += "<p>" + hiddenBoardText(view, board) + "</p>\n";
        return sitePage(title + " \x96 " + siteTitle(contest), siteNav(contest, view), body);
    }
    const Board& b = contest.boards[board];
    body += boardCorrectionLine(view, board) + dealDiagram(contest, b) + analysisTable(contest, board) +
            traveller(contest, b);
    return sitePage(title + " \x96 " + siteTitle(contest), siteNav(contest, view, more), body);
}

}  // namespace vindelkast
