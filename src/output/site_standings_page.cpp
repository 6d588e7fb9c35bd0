#include <algorithm>

#include "model/name_forms.h"
#include "output/page_parts.h"
#include "output/site_corrections.h"
#include "output/site_html.h"
#include "output/site_pages.h"
#include "output/text_format.h"

namespace vindelkast {

namespace {

// "Resultat NS", or while the evening goes on "Ställning NS efter 4 av 7 ronder".
std::string heading(const SiteFacts& facts, const SiteView& view, const std::string& list) {
    const std::string title = view.live ? "St\xe4llning" : "Resultat";
    const std::string which = list.empty() ? "" : " " + list;
    return title + which + (view.live ? " " + roundsText(facts.figures) : "");
}

// The figures a pair's line shows are its points (matchpoints or IMPs so far) and its
// percentage (IMPs per board), under the form's two columns.
std::string listTable(const Contest& contest, const SiteFacts& facts, const StandingsList& list) {
    const std::vector<FigureColumn> columns = scoringForm(contest).figureColumns();
    std::string out = "<table>\n<thead><tr><th class=\"n\">Plac</th><th class=\"n\">";
    out += contest.isIndividual ? "Nr" : "Par";
    out += "</th><th>Namn</th><th class=\"n\">" + html(columns[0].heading) + "</th><th class=\"n\">" +
           html(columns[1].heading) + "</th></tr></thead>\n<tbody>\n";
    for (const ListedPair& row : list.rows) {
        const PairStanding& p = facts.figures.pairs[row.pair];
        const std::string file = pairFile(row.pair);
        out +=
            "<tr><td class=\"n\">" + (row.place > 0 ? std::to_string(row.place) : "\xe2\x80\x93") +
            "</td><td class=\"n\">" + link(file, pairLabel(contest, row.pair)) + "</td><td class=\"who\">" +
            link(file, html(publishedPairName(contest, row.pair, NameForm::Long))) + "</td><td class=\"n\">" +
            (p.hasFigure ? siteFigure(columns[0], p.points) : "") + "</td><td class=\"n\">" +
            (p.hasFigure ? siteFigure(columns[1], p.percent) : "\xe2\x80\x93") + "</td></tr>\n";
    }
    return out + "</tbody>\n</table>\n";
}

}  // namespace

std::string siteBoardList(const Contest& contest, const SiteView& view) {
    std::string out = "<h2 id=\"givar\">Givar</h2>\n<ul class=\"boards\">\n";
    for (int b = 1; b <= contest.lastBoard(); ++b) {
        const std::string number = std::to_string(b);
        out +=
            "<li>" + (view.shows(b) ? link(boardFile(b), number) : "<span>" + number + "</span>") + "</li>\n";
    }
    out += "</ul>\n";
    if (view.live) out += "<p class=\"meta\">En giv visas n\xc3\xa4r ert bord har spelat den.</p>\n";
    return out;
}

std::string siteTitle(const Contest& contest) {
    return contest.contestName.empty() ? std::string("Resultat") : contest.contestName;
}

std::string siteNav(const Contest& contest, const SiteView& view, const std::string& more) {
    // First, so the phone is one tap from its own page rather than a Back for every page read.
    std::string nav = view.linkToTable ? link("/bord", "\xe2\x86\x90 Till bordet") : std::string();
    nav += link(kStandingsFile, "St\xc3\xa4llning");
    if (contest.boardCount > 0) nav += link(std::string(kStandingsFile) + "#givar", "Givar");
    return nav + more;
}

std::string standingsPage(const Contest& contest, const SiteFacts& facts, const SiteView& view) {
    std::string body = "<h1>" + html(siteTitle(contest)) + "</h1>\n<p class=\"meta\">" +
                       html(contest.contestDate) +
                       (contest.arranger.empty() ? "" : " \xc2\xb7 " + html(contest.arranger)) + "</p>\n" +
                       correctionsLine(view);
    for (const StandingsList& list : facts.lists) {
        body += "<h2>" + html(heading(facts, view, list.title)) + "</h2>\n";
        body += listTable(contest, facts, list);
    }
    const bool anyFigure = std::any_of(facts.figures.order.begin(), facts.figures.order.end(),
                                       [&facts](int pair) { return facts.figures.pairs[pair].hasFigure; });
    if (view.live && scoringForm(contest).totalsAreMeans())
        body +=
            "<p class=\"meta\">IMP p\xc3\xa5 de givar som \xc3\xa4r spelade hittills; ordningen efter IMP "
            "per giv.</p>\n";
    else if (view.live && !anyFigure)
        body += "<p class=\"meta\">Procenten visas n\xc3\xa4r en giv har spelats vid tv\xc3\xa5 bord.</p>\n";
    else if (view.live)
        body += "<p class=\"meta\">Procent av det som \xc3\xa4r spelat hittills.</p>\n";
    body += siteBoardList(contest, view);
    return sitePage(siteTitle(contest) + " \x96 " + heading(facts, view, ""), siteNav(contest, view), body);
}

}  // namespace vindelkast
