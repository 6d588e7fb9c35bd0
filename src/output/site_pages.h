#pragma once

#include <string>

#include "model/contest.h"
#include "output/site_facts.h"
#include "output/site_view.h"

// The pages of the players' results: each a whole UTF-8 HTML5 document.
namespace vindelkast {

// index.html: the standings (NS and ÖV apart when no pair sits both ways) and the boards.
std::string standingsPage(const Contest& contest, const SiteFacts& facts, const SiteView& view);

// The pair's score card, round by round: opponents, contracts, scores, matchpoints.
std::string pairPage(const Contest& contest, const SiteFacts& facts, const SiteView& view, int pair);

// The board's deal, double-dummy table and par, and its traveller; while the view does not
// show the board, only a line saying when it will be shown.
std::string boardPage(const Contest& contest, const SiteView& view, int board);

// A team event's pages: index.html with the teams by VP, IMP difference and quotient, the
// rounds and the boards; rondN.html with the round's draw and its match cards. A live view
// shows a table's scores on a board only once it shows the board.
std::string teamStandingsPage(const Contest& contest, const SiteView& view);
std::string teamRoundPage(const Contest& contest, const SiteView& view, int round);
std::string roundFile(int round);  // "rond3.html"

// The boards' buttons under the standings: a board the view does not show yet is not linked.
std::string siteBoardList(const Contest& contest, const SiteView& view);

// The contest's heading line and the navigation every page starts with.
std::string siteTitle(const Contest& contest);
std::string siteNav(const Contest& contest, const SiteView& view, const std::string& more = "");

}  // namespace vindelkast
