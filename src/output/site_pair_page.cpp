#include <algorithm>

#include "model/name_forms.h"
#include "output/page_parts.h"
#include "output/site_html.h"
#include "output/site_pages.h"
#include "output/text_format.h"

namespace vindelkast {

namespace {

constexpr const char* kDash = "\xe2\x80\x93";

// The pair's own score: a bridge score from its side, or its share of an adjusted one.
std::string ownScore(const BoardResult& r, bool northSouth) {
    const int score = northSouth ? r.nsScore : r.ewScore;
    if (!hasScore(score)) return kDash;
    if (score >= kAdjustedBase) {
        const int code = score - kAdjustedBase;
        return "Just. " + std::to_string((northSouth ? code / 10 : code % 10) * 10) + "\xc2\xa0%";
    }
    return std::to_string(score);
}

// The players facing the pair: their numbers linked to their cards, and their names.
std::string opponents(const Contest& contest, const BoardResult& r, bool northSouth) {
    std::vector<int> them{northSouth ? r.ewPair : r.nsPair};
    if (contest.isIndividual) them.push_back(northSouth ? r.ewPlayer2 : r.nsPlayer2);
    std::string text;
    for (int number : them) {
        if (!text.empty()) text += " och ";
        text +=
            link(pairFile(number), (contest.isIndividual ? "spelare " : "par ") + pairLabel(contest, number));
        // A number without names says all there is: "par 11", not "par 11 Par 11".
        if (pairHasNames(contest, number))
            text += " " + html(publishedPairName(contest, number, NameForm::Short));
    }
    return text;
}

// The cells of a side's points on a board: its points, and where they have a top their
// percentage of it.
int pointCells(const Contest& contest) { return scoringForm(contest).pointsHaveTop() ? 2 : 1; }

std::string roundRow(const Contest& contest, const PairResult& result, int round) {
    const BoardResult& r = contest.boards[result.board].results[result.slot];
    const std::string seat = result.northSouth ? "NS" : "\xc3\x96V";
    return "<tr class=\"round\"><th colspan=\"" + std::to_string(5 + pointCells(contest)) + "\">" +
           (round > 0 ? "Rond " + std::to_string(round) + " \xc2\xb7 " : std::string()) + seat + " mot " +
           opponents(contest, r, result.northSouth) + "</th></tr>\n";
}

std::string boardRow(const Contest& contest, const SiteFacts& facts, const SiteView& view,
                     const PairResult& result) {
    const BoardResult& r = contest.boards[result.board].results[result.slot];
    const std::string number = std::to_string(result.board);
    std::string row = "<tr><td class=\"n\">" +
                      (view.shows(result.board) ? link(boardFile(result.board), number) : number) + "</td>";
    // Any result on a board a pair at the reading table has not played would give the board
    // away, the pair's own too: its partner at the table may meet the board later.
    if (!view.shows(result.board))
        return row + "<td colspan=\"" + std::to_string(4 + pointCells(contest)) + "\"></td></tr>\n";
    const PlayedContract* played = playedContract(contest, result.board, r);
    const bool declared = played && !played->contract.passedOut();
    row +=
        "<td>" + (played ? contractWith(played->contract, symbolStrains(), "Pass") : std::string()) + "</td>";
    row += "<td>" + (declared ? html(swedishSeat(played->declarer)) : std::string()) + "</td>";
    row += "<td class=\"n\">" + (declared ? std::to_string(played->tricks) : std::string()) + "</td>";
    row += "<td class=\"n\">" + ownScore(r, result.northSouth) + "</td>";
    const float points = result.northSouth ? r.nsPoints : r.ewPoints;
    if (!scoringForm(contest).pointsHaveTop()) {
        const bool hasPoints = hasScore(r.nsScore) && points != kNoPoints;
        return row + "<td class=\"n\">" + (hasPoints ? pointsText(contest, points) : std::string()) +
               "</td></tr>\n";
    }
    const bool scored = hasScore(r.nsScore) && facts.top[result.board] > 0;
    row += "<td class=\"n\">" + (scored ? pointsText(contest, points) : std::string()) + "</td>";
    row += "<td class=\"n\">" +
           (scored ? decimalText(points * 100.0 / facts.top[result.board]) : std::string()) + "</td></tr>\n";
    return row;
}

std::string summary(const Contest& contest, const SiteFacts& facts, const SiteView& view, int pair) {
    const PairStanding& p = facts.figures.pairs[pair];
    if (!p.hasFigure) return view.live ? "<p class=\"meta\">Ingen procent \xc3\xa4n.</p>\n" : "";
    const StandingsList& list = facts.lists[static_cast<std::size_t>(facts.listOf[pair])];
    std::string text =
        "Plats " + std::to_string(facts.placeOf[pair]) + " av " + std::to_string(list.rows.size());
    if (!list.title.empty()) text += " i " + html(list.title);
    if (view.live) text += " " + html(roundsText(facts.figures));
    // A total that is a mean already compares the pairs; a matchpoint total needs its
    // percentage first.
    const ScoringForm& form = scoringForm(contest);
    const std::vector<FigureColumn> columns = form.figureColumns();
    if (form.totalsAreMeans())
        text += " \xc2\xb7 " + siteFigure(columns[0], p.points) + "\xc2\xa0" + html(columns[0].heading) +
                " \xc2\xb7 " + siteFigure(columns[1], p.percent) + "\xc2\xa0" + html(columns[1].heading);
    else
        text += " \xc2\xb7 " + siteFigure(columns[1], p.percent) + "\xc2\xa0" + html(columns[1].heading) +
                " \xc2\xb7 " + siteFigure(columns[0], p.points) + " po\xc3\xa4ng";
    return "<p>" + text + "</p>\n";
}

}  // namespace

std::string pairPage(const Contest& contest, const SiteFacts& facts, const SiteView& view, int pair) {
    const std::string name = publishedPairName(contest, pair, NameForm::Long);
    const std::string number = (contest.isIndividual ? "Spelare " : "Par ") + pairLabel(contest, pair);
    std::string body = "<h1>" + html(number) + "</h1>\n";
    if (name != number) body += "<p>" + html(name) + "</p>\n";
    body += summary(contest, facts, view, pair);
    std::vector<PairResult> results = facts.results[static_cast<std::size_t>(pair)];
    std::stable_sort(results.begin(), results.end(), [&contest](const PairResult& a, const PairResult& b) {
        return resultRound(contest, a) < resultRound(contest, b);
    });
    body +=
        "<table>\n<thead><tr><th class=\"n\">Giv</th><th>Kontrakt</th><th>Av</th><th class=\"n\">Stick</th>"
        "<th class=\"n\">Res.</th><th class=\"n\">" +
        html(scoringForm(contest).pointsColumn().heading) + "</th>" +
        (pointCells(contest) > 1 ? "<th class=\"n\">%</th>" : "") + "</tr></thead>\n<tbody>\n";
    int shownRound = -1;
    int shownOpponent = -1;
    for (const PairResult& result : results) {
        const BoardResult& r = contest.boards[result.board].results[result.slot];
        const int round = resultRound(contest, result);
        const int opponent = result.northSouth ? r.ewPair : r.nsPair;
        if (round != shownRound || opponent != shownOpponent) body += roundRow(contest, result, round);
        shownRound = round;
        shownOpponent = opponent;
        body += boardRow(contest, facts, view, result);
    }
    body += "</tbody>\n</table>\n";
    if (results.empty()) body += "<p class=\"meta\">Inga resultat.</p>\n";
    return sitePage(number + " \x96 " + siteTitle(contest), siteNav(contest, view), body);
}

}  // namespace vindelkast
