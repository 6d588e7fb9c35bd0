#include "archive/season_page.h"

#include "files/text_encoding.h"
#include "output/html_text.h"

namespace vindelkast {

namespace {

// Names wrap rather than widen the table, so 360 px is enough for every column.
constexpr const char* kStyle =
    "body{font-family:sans-serif;margin:0;padding:0.5em;color:#222;background:#fff}"
    "h1{font-size:1.2em;margin:0.3em 0 0.8em}"
    "table{border-collapse:collapse;width:100%;max-width:40em}"
    "th,td{padding:0.35em 0.3em;border-bottom:1px solid #ddd;vertical-align:top}"
    "th{text-align:left;font-size:0.85em;color:#555}"
    "td.n,th.n{text-align:right;white-space:nowrap}"
    "td.name{overflow-wrap:anywhere}"
    "span.id{display:block;font-size:0.8em;color:#666}"
    "tr:nth-child(even) td{background:#f4f4f4}";

std::string row(const SeasonPlace& p) {
    const std::string id = p.memberId > 0 ? std::to_string(p.memberId) : "g\xe4st";
    return "<tr><td class=\"n\">" + std::to_string(p.place) + "</td><td class=\"name\">" +
           escapeHtml(p.name) + "<span class=\"id\">" + id + "</span></td><td class=\"n\">" +
           std::to_string(p.evenings) + "</td><td class=\"n\">" + percentText(p.hundredths) + "</td></tr>\n";
}

}  // namespace

std::string seasonPage(const SeasonRange& range, const std::vector<SeasonPlace>& places) {
    const std::string caption = escapeHtml(seasonCaption(range));
    std::string page =
        "<!DOCTYPE html>\n<html lang=\"sv\"><head><meta charset=\"utf-8\">\n"
        "<meta name=\"viewport\" content=\"width=device-width,initial-scale=1\">\n<title>" +
        caption + "</title>\n<style>" + kStyle + "</style></head>\n<body>\n<h1>" + caption + "</h1>\n";
    if (places.empty()) {
        page +=
            "<p>Ingen spelare har spelat tillr\xe4"
            "ckligt m\xe5nga kv\xe4llar under perioden.</p>\n";
    } else {
        page +=
            "<table>\n<thead><tr><th class=\"n\">Pl</th><th>Namn</th><th class=\"n\">Kv\xe4llar</th>"
            "<th class=\"n\">Procent</th></tr></thead>\n<tbody>\n";
        for (const SeasonPlace& p : places) page += row(p);
        page += "</tbody></table>\n";
    }
    page += "</body></html>\n";
    // escapeHtml leaves Windows-1252 letters other than å ä ö as they are: UTF-8 for the page.
    return cp1252ToUtf8(page);
}

}  // namespace vindelkast
