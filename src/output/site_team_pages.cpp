#include <algorithm>

#include "model/board_scoring.h"
#include "model/name_forms.h"
#include "model/scoring_form.h"
#include "model/team_matches.h"
#include "model/victory_points.h"
#include "output/site_corrections.h"
#include "output/site_html.h"
#include "output/site_pages.h"
#include "output/team_views.h"

namespace vindelkast {

namespace {

constexpr const char* kDash = "\xe2\x80\x93";

std::string cell(const std::string& text, bool number = false) {
    return (number ? "<td class=\"n\">" : "<td>") + text + "</td>";
}

std::string tables(const MatchCard& card) {
    if (card.tables == 1) return std::to_string(card.homeTable);
    return std::to_string(card.homeTable) + kDash + std::to_string(card.homeTable + 1);
}

std::string numberedTeam(const Contest& contest, int team) {
    return std::to_string(team) + " " + html(teamName(contest, team));
}

// A table's score as the card shows it; a board the view keeps hidden shows none yet.
std::string scoreCell(const SiteView& view, int board, int score) {
    if (!hasScore(score) || (view.live && !view.shows(board))) return cell("", true);
    return cell(isBridgeScore(score) ? std::to_string(score) : html(adjustedScoreText(score)), true);
}

std::string matchCard(const Contest& contest, const SiteView& view, const MatchCard& card) {
    std::string out = "<h2>Bord " + tables(card) + ": " + html(teamName(contest, card.home)) + " " + kDash +
                      " " + html(teamName(contest, card.away)) + "</h2>\n";
    out += "<table>\n<thead><tr><th class=\"n\">Giv</th>";
    for (int t = 0; t < card.tables; ++t)
        out += "<th class=\"n\">Bord " + std::to_string(card.homeTable + t) + "</th>";
    out += "<th class=\"n\">IMP hemma</th><th class=\"n\">IMP borta</th></tr></thead>\n<tbody>\n";
    for (const MatchBoard& b : card.boards) {
        const bool shown = !view.live || view.shows(b.board);
        const double home = shown ? b.homeImps.value_or(0) : 0;
        const std::string number = std::to_string(b.board);
        out += "<tr>" + cell(view.shows(b.board) ? link(boardFile(b.board), number) : number, true) +
               scoreCell(view, b.board, b.homeTableScore) +
               (card.tables == 2 ? scoreCell(view, b.board, b.awayTableScore) : std::string()) +
               cell(home > 0 ? matchImpText(home) : "", true) +
               cell(home < 0 ? matchImpText(-home) : "", true) + "</tr>\n";
    }
    const std::string span = "<tr><th colspan=\"" + std::to_string(1 + card.tables) + "\">";
    out += span + "Summa</th>" + cell(std::to_string(card.homeImps), true) +
           cell(std::to_string(card.awayImps), true) + "</tr>\n";
    out += span + "VP</th>" + cell(html(vpText(card.vp.first)), true) +
           cell(html(vpText(card.vp.second)), true) + "</tr>\n</tbody>\n</table>\n";
    if (card.boardsDone < static_cast<int>(card.boards.size()))
        out += "<p class=\"meta\">" + std::to_string(card.boardsDone) + " av " +
               std::to_string(card.boards.size()) +
               (card.tables == 1 ? " givar spelade.</p>\n"
                                 : " givar spelade vid b\xc3\xa5"
                                   "da borden.</p>\n");
    return out;
}

std::string roundLinks(const Contest& contest) {
    std::string out = "<h2 id=\"ronder\">Ronder</h2>\n<ul class=\"boards\">\n";
    for (int round = 1; round <= contest.roundCount; ++round) {
        const std::string number = std::to_string(round);
        out += "<li>" +
               (round <= drawnTeamRounds(contest) ? link(roundFile(round), number)
                                                  : "<span>" + number + "</span>") +
               "</li>\n";
    }
    return out + "</ul>\n";
}

std::string teamNav(const Contest& contest, const SiteView& view) {
    return siteNav(contest, view, link(std::string(kStandingsFile) + "#ronder", "Ronder"));
}

}  // namespace

std::string roundFile(int round) { return "rond" + std::to_string(round) + ".html"; }

std::string teamStandingsPage(const Contest& contest, const SiteView& view) {
    const Standings standings = scoringForm(contest).standings(contest);
    const int drawn = drawnTeamRounds(contest);
    const std::string title = view.live ? "St\xe4llning efter " + std::to_string(drawn) + " av " +
                                              std::to_string(contest.roundCount) + " ronder"
                                        : std::string("Resultat");
    std::string body = "<h1>" + html(siteTitle(contest)) + "</h1>\n<p class=\"meta\">" +
                       html(contest.contestDate) +
                       (contest.arranger.empty() ? "" : " \xc2\xb7 " + html(contest.arranger)) + "</p>\n" +
                       correctionsLine(view) + "<h2>" + html(title) +
                       "</h2>\n<table>\n<thead><tr><th class=\"n\">Plac</th><th class=\"n\">" +
                       (contest.teams.pairsPerTeam() == 1 ? "Par" : "Lag") + "</th><th>Namn</th>";
    for (const FigureColumn& column : standings.columns)
        body += "<th class=\"n\">" + html(column.heading) + "</th>";
    body += "</tr></thead>\n<tbody>\n";
    for (std::size_t i = 0; i < standings.rows.size(); ++i) {
        const StandingsRow& row = standings.rows[i];
        const bool shared = i > 0 && standings.rows[i - 1].place == row.place;
        std::string players;
        for (int pair : contest.teams.pairsOf(row.pair))
            if (contest.teams.pairsPerTeam() > 1 &&
                (contest.participants[pair].first || contest.participants[pair].second))
                players += (players.empty() ? "" : ", ") + html(pairName(contest, pair, NameForm::Short));
        body += "<tr>" + cell(shared ? "" : std::to_string(row.place), true) +
                cell(std::to_string(row.pair), true) + "<td class=\"who\">" +
                html(standingsName(contest, standings, i, NameForm::Long)) +
                (players.empty() ? "" : "<br><span class=\"meta\">" + players + "</span>") + "</td>";
        for (std::size_t c = 0; c < standings.columns.size(); ++c)
            body += cell(figureText(standings.columns[c], row.figures[c]), true);
        body += "</tr>\n";
    }
    body += "</tbody>\n</table>\n" + roundLinks(contest) + siteBoardList(contest, view);
    return sitePage(siteTitle(contest) + " \x96 " + title, teamNav(contest, view), body);
}

std::string teamRoundPage(const Contest& contest, const SiteView& view, int round) {
    const std::vector<MatchCard> cards = roundMatches(contest, round);
    const int first = (round - 1) * contest.boardsPerRound + 1;
    const int last = std::min(round * contest.boardsPerRound, contest.lastBoard());
    // In Swiss pairs the entrants are pairs, each match at one table.
    const bool pairs = contest.teams.pairsPerTeam() == 1;
    const std::string entrant = pairs ? "par" : "lag";
    std::string body = "<h1>Rond " + std::to_string(round) + "</h1>\n<p class=\"meta\">Givar " +
                       std::to_string(first) + kDash + std::to_string(last) +
                       "</p>\n<h2>Lottning</h2>\n<table>\n<thead><tr><th class=\"n\">Bord</th><th>Hemma" +
                       entrant + "</th><th>Borta" + entrant + "</th></tr></thead>\n<tbody>\n";
    for (const MatchCard& card : cards)
        body += "<tr>" + cell(tables(card), true) + "<td class=\"who\">" + numberedTeam(contest, card.home) +
                "</td><td class=\"who\">" + numberedTeam(contest, card.away) + "</td></tr>\n";
    body += "</tbody>\n</table>\n";
    for (int team : roundByes(contest, round))
        body += "<p>Fri: " + numberedTeam(contest, team) + " (" + html(vpText(contest.teams.byeVp)) +
                " VP)</p>\n";
    body += pairs ? "<p class=\"meta\">Hemmaparet sitter i NS.</p>\n"
                  : "<p class=\"meta\">Vid f\xc3\xb6rsta bordet sitter hemmalagets par 1 i NS mot "
                    "bortalagets par 2, "
                    "vid det andra bortalagets par 1 i NS mot hemmalagets par 2.</p>\n";
    for (const MatchCard& card : cards) body += matchCard(contest, view, card);
    return sitePage(siteTitle(contest) + " \x96 Rond " + std::to_string(round), teamNav(contest, view), body);
}

}  // namespace vindelkast
