#include "archive/season_page.h"

#include "model/victory_points.h"
#include "output/site_html.h"

namespace vindelkast {

namespace {

// A page shows percent as the evenings' results pages do, with a decimal comma.
std::string pagePercent(long long hundredths) { return percentText(hundredths); }

std::string row(const SeasonPlace& p) {
    const std::string id = p.memberId > 0 ? std::to_string(p.memberId) : "g\xe4st";
    return "<tr><td class=\"n\">" + std::to_string(p.place) + "</td><td class=\"who\">" + html(p.name) +
           "<br><span class=\"meta\">" + html(id) + "</span></td><td class=\"n\">" +
           std::to_string(p.evenings) + "</td><td class=\"n\">" + pagePercent(p.hundredths) + "</td></tr>\n";
}

std::string ranking(const std::vector<SeasonPlace>& places) {
    // "tillr\xe4" and "ckligt" apart: \xe4c would read as one escape.
    static const std::string nobody = html(
        "Ingen spelare har spelat tillr\xe4"
        "ckligt m\xe5nga kv\xe4llar under perioden.");
    if (places.empty()) return "<p>" + nobody + "</p>\n";
    std::string table = "<table>\n<thead><tr><th class=\"n\">Pl</th><th>Namn</th><th class=\"n\">" +
                        html("Kv\xe4llar") + "</th><th class=\"n\">Procent</th></tr></thead>\n<tbody>\n";
    for (const SeasonPlace& p : places) table += row(p);
    return table + "</tbody></table>\n";
}

std::string teamRow(const SeriesTeam& t) {
    return "<tr><td class=\"n\">" + std::to_string(t.place) + "</td><td class=\"who\">" + html(t.name) +
           "<br><span class=\"meta\">" + html(teamPlayersText(t)) + "</span></td><td class=\"n\">" +
           std::to_string(t.dates.size()) + "</td><td class=\"n\">" + vpText(t.score.vp) +
           "</td><td class=\"n\">" + impDifferenceText(t.score) + "</td></tr>\n";
}

std::string teamRankings(const std::vector<TeamSeries>& series) {
    std::string text;
    for (const TeamSeries& s : series) {
        text += "<h2>" + html(teamSeriesCaption(s)) + "</h2>\n<table>\n<thead><tr><th class=\"n\">Pl</th>" +
                "<th>Lag</th><th class=\"n\">" + html("Kv\xe4llar") +
                "</th><th class=\"n\">VP</th><th class=\"n\">IMP+/-</th></tr></thead>\n<tbody>\n";
        for (const SeriesTeam& t : s.teams) text += teamRow(t);
        text += "</tbody></table>\n";
    }
    return text;
}

std::string eveningHref(const std::string& siteBase, const EveningKey& evening) {
    const std::string base = siteBase.back() == '/' ? siteBase : siteBase + "/";
    return html(base + eveningFolder(evening.date, evening.name) + "/" + kStandingsFile);
}

std::string eveningList(const std::vector<EveningKey>& evenings, const std::string& siteBase) {
    if (evenings.empty()) return "";
    std::string list = "<h2>" + html("Kv\xe4llarna") + "</h2>\n<ul>\n";
    for (const EveningKey& e : evenings) {
        std::string label = html(e.date + " " + e.name);
        if (!e.arranger.empty()) label += " <span class=\"meta\">" + html(e.arranger) + "</span>";
        list += "<li>" + (siteBase.empty() ? label : link(eveningHref(siteBase, e), label)) + "</li>\n";
    }
    return list + "</ul>\n";
}

}  // namespace

std::string seasonPage(const SeasonRange& range, const std::vector<SeasonPlace>& places,
                       const std::vector<EveningKey>& evenings, const std::string& siteBase,
                       const std::vector<TeamSeries>& series) {
    const std::string caption = seasonCaption(range);
    return sitePage(caption, "",
                    "<h1>" + html(caption) + "</h1>\n" + ranking(places) + teamRankings(series) +
                        eveningList(evenings, siteBase));
}

}  // namespace vindelkast
