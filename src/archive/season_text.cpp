#include "archive/season_text.h"

#include "files/text_encoding.h"
#include "model/victory_points.h"
#include "output/site_html.h"
#include "output/text_format.h"

namespace vindelkast {

namespace {

std::string eveningsText(int n) { return std::to_string(n) + (n == 1 ? " kv\xe4ll" : " kv\xe4llar"); }

std::string memberText(int memberId) { return memberId > 0 ? std::to_string(memberId) : "g\xe4st"; }

// A field a spreadsheet reads as one: quoted when it holds the separator, a quote or a line
// end. A leading = + - @ would be read as a formula; a quote before it keeps it text.
std::string csvField(const std::string& utf8) {
    std::string field = utf8;
    if (!field.empty() && (field[0] == '=' || field[0] == '+' || field[0] == '-' || field[0] == '@'))
        field.insert(0, "'");
    if (field.find_first_of(";\"\r\n") == std::string::npos) return field;
    std::string quoted = "\"";
    for (char c : field) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

std::string placeText(int place, int count) {
    return place > 0 ? std::to_string(place) + " av " + std::to_string(count) : "-";
}

}  // namespace

std::string seasonCaption(const SeasonRange& range) {
    std::string caption = "S\xe4songsst\xe4llning " + range.from + " till " + range.to;
    caption += range.rule.best > 0 ? ", b\xe4sta " + eveningsText(range.rule.best) : ", alla kv\xe4llar";
    if (range.rule.minimum > 1) caption += ", minst " + eveningsText(range.rule.minimum);
    return caption;
}

std::vector<std::string> seasonLines(const SeasonRange& range, const std::vector<SeasonPlace>& places) {
    std::vector<std::string> lines{seasonCaption(range)};
    if (places.empty()) {
        lines.push_back(
            "Ingen spelare har spelat tillr\xe4"
            "ckligt m\xe5nga kv\xe4llar under perioden.");
        return lines;
    }
    lines.push_back(" pl  medlnr  namn                                kv\xe4llar  procent");
    for (const SeasonPlace& p : places)
        lines.push_back(formatText("%3d  %6s  %-34s %7d  %7s", p.place, memberText(p.memberId).c_str(),
                                   p.name.c_str(), p.evenings, percentText(p.hundredths).c_str()));
    return lines;
}

std::string teamSeriesCaption(const TeamSeries& series) {
    std::string caption = "Lagserie \"" + series.name + "\"" +
                          (series.arranger.empty() ? "" : " (" + series.arranger + ")") + ", " +
                          eveningsText(static_cast<int>(series.dates.size()));
    for (std::size_t i = 0; i < series.dates.size(); ++i) caption += (i ? ", " : ": ") + series.dates[i];
    return caption;
}

std::string teamPlayersText(const SeriesTeam& team) {
    std::string text;
    for (const ArchivedPlayer& player : team.players) text += (text.empty() ? "" : ", ") + player.name;
    return text;
}

std::string impDifferenceText(const TeamScore& score) {
    const int difference = score.impsFor - score.impsAgainst;
    return (difference > 0 ? "+" : "") + std::to_string(difference);
}

std::vector<std::string> teamSeriesLines(const std::vector<TeamSeries>& series) {
    std::vector<std::string> lines;
    for (const TeamSeries& s : series) {
        lines.push_back("");
        lines.push_back(teamSeriesCaption(s));
        lines.push_back(" pl  lag  namn                                kv\xe4llar       VP      IMP  IMP+/-");
        for (const SeriesTeam& t : s.teams) {
            const std::string imps =
                std::to_string(t.score.impsFor) + "-" + std::to_string(t.score.impsAgainst);
            lines.push_back(formatText("%3d  %3d  %-34s %7d  %7s  %7s  %6s", t.place, t.number,
                                       t.name.c_str(), static_cast<int>(t.dates.size()),
                                       vpText(t.score.vp).c_str(), imps.c_str(),
                                       impDifferenceText(t.score).c_str()));
            lines.push_back("          " + teamPlayersText(t));
        }
    }
    return lines;
}

std::string seasonCsv(const std::vector<SeasonPlace>& places) {
    // The byte-order mark tells the spreadsheet the text is UTF-8, not the system's code page.
    std::string csv = kUtf8ByteOrderMark + cp1252ToUtf8("plats;medlemsnr;namn;kv\xe4llar;procent\n");
    for (const SeasonPlace& p : places)
        csv += std::to_string(p.place) + ";" + (p.memberId > 0 ? std::to_string(p.memberId) : "") + ";" +
               csvField(cp1252ToUtf8(p.name)) + ";" + std::to_string(p.evenings) + ";" +
               percentText(p.hundredths) + "\n";
    return csv;
}

std::vector<std::string> playerHistoryLines(int memberId, const std::vector<PlayerEvening>& evenings) {
    if (evenings.empty()) return {"Medlem " + std::to_string(memberId) + " finns inte i klubbarkivet."};
    std::vector<std::string> lines{"Kv\xe4llar f\xf6r " + evenings.back().playerName + " (" +
                                   std::to_string(memberId) + "), " +
                                   eveningsText(static_cast<int>(evenings.size()))};
    lines.push_back(
        "datum       t\xe4vling                   partner                             procent  plats");
    for (const PlayerEvening& e : evenings) {
        std::string partner = e.individual ? "(individuell)" : e.partner.name;
        if (!e.individual && e.partner.name.empty()) partner = "-";
        if (e.partner.memberId > 0) partner += " (" + std::to_string(e.partner.memberId) + ")";
        lines.push_back(formatText("%-10s  %-24s  %-34s %7s  %s", e.date.c_str(), e.name.c_str(),
                                   partner.c_str(), decimalText(e.percent).c_str(),
                                   placeText(e.place, e.entryCount).c_str()));
    }
    return lines;
}

}  // namespace vindelkast
