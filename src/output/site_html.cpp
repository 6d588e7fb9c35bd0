#include "output/site_html.h"

#include <cmath>

#include "files/text_encoding.h"
#include "model/board_scoring.h"
#include "output/text_format.h"

namespace vindelkast {

namespace {

// Small enough for a phone: one column, no fixed widths, long names wrap inside their cell.
constexpr const char* kStyle =
    "*{box-sizing:border-box}"
    "html{-webkit-text-size-adjust:100%;text-size-adjust:100%}"
    "body{margin:0 auto;padding:0 .6rem 1.5rem;max-width:48rem;color:#1b1b1b;background:#fff;"
    "font:16px/1.45 system-ui,-apple-system,\"Segoe UI\",Roboto,\"DejaVu Sans\",sans-serif}"
    "nav{display:flex;flex-wrap:wrap;gap:.2rem 1.1rem;padding:.55rem 0;border-bottom:1px solid #d0d0d0}"
    "nav a{padding:.15rem 0}"
    "h1{font-size:1.3rem;margin:.7rem 0 .15rem}"
    "h2{font-size:1.08rem;margin:1.3rem 0 .35rem}"
    "p{margin:.3rem 0}"
    ".meta{color:#555}"
    "a{color:#0b57b0}"
    "table{border-collapse:collapse;width:100%;font-variant-numeric:tabular-nums}"
    "th,td{padding:.32rem .22rem;text-align:left;vertical-align:top;border-bottom:1px solid #e2e2e2}"
    "thead th{font-size:.8rem;font-weight:600;color:#4a4a4a;border-bottom:2px solid #bdbdbd}"
    ".n{text-align:right;white-space:nowrap}"
    ".who{overflow-wrap:anywhere}"
    ".trav tr.res td{border-bottom:0;padding-bottom:0}"
    ".trav tr.nm td{font-size:.8rem;color:#555;padding-top:0;overflow-wrap:anywhere}"
    ".pairs,.con{white-space:nowrap}"
    "tr.round th{background:#f1f3f5;font-weight:600;font-size:.88rem}"
    "tr.mine td{background:#fff7d6}"
    ".red{color:#c8102e}"
    ".blk{color:#111}"
    ".boards{display:flex;flex-wrap:wrap;gap:.35rem;padding:0;margin:.3rem 0;list-style:none}"
    ".boards li a,.boards li span{display:inline-block;min-width:2.4rem;padding:.3rem 0;text-align:center;"
    "border:1px solid #c9d3e0;border-radius:.3rem;text-decoration:none}"
    ".boards li span{color:#888;border-color:#e2e2e2}"
    ".deal{display:grid;grid-template-columns:max-content minmax(0,1fr) max-content;gap:.35rem .7rem;"
    "max-width:24rem;margin:.4rem 0}"
    ".hand{overflow-wrap:anywhere}"
    ".hand b{display:block;font-size:.8rem;color:#555;font-weight:600}"
    ".info{font-size:.85rem;color:#555}"
    ".north{grid-column:2;grid-row:1}.west{grid-column:1;grid-row:2}.east{grid-column:3;grid-row:2}"
    ".south{grid-column:2;grid-row:3}.info{grid-column:1;grid-row:1}"
    ".dd{width:auto}.dd th,.dd td{padding:.25rem .6rem;text-align:right}.dd th:first-child{text-align:left}"
    "@media print{nav{display:none}body{max-width:none;font-size:10.5pt;color:#000}"
    "a{color:#000;text-decoration:none}.trav tr.nm td,.meta,.info{color:#333}"
    "table,.deal{break-inside:avoid}tr.mine td{background:none;font-weight:600}"
    ".boards{display:none}}";

// Windows-1252 text escaped for a page, still Windows-1252.
std::string escaped(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 8);
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\'':
            out += "&#39;";
            break;
        default:
            if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7f) out += c;
        }
    }
    return out;
}

}  // namespace

std::string html(std::string_view cp1252) { return cp1252ToUtf8(escaped(cp1252)); }

std::string decimalText(double value, bool trimWhole) {
    const int tenths = roundHalfUp(value * 10.0);
    if (trimWhole && tenths % 10 == 0) return std::to_string(tenths / 10);
    std::string text = formatText("%.1f", tenths / 10.0);
    for (char& c : text)
        if (c == '.') c = ',';
    return text;
}

std::string pointsText(const Contest& contest, double points) {
    return contest.scoringRule.imps() ? impText(points) : decimalText(points, true);
}

std::string suitSymbol(int suit) {
    static const char* const symbols[4] = {
        "<span class=\"blk\">\xe2\x99\xa0</span>", "<span class=\"red\">\xe2\x99\xa5</span>",
        "<span class=\"red\">\xe2\x99\xa6</span>", "<span class=\"blk\">\xe2\x99\xa3</span>"};
    return suit >= 0 && suit <= 3 ? symbols[suit] : "";
}

const ContractStrains& symbolStrains() {
    static const ContractStrains strains{suitSymbol(3), suitSymbol(2), suitSymbol(1), suitSymbol(0), "NT"};
    return strains;
}

std::string pairFile(int pair) { return "par" + std::to_string(pair) + ".html"; }
std::string boardFile(int board) { return "giv" + std::to_string(board) + ".html"; }

std::string eveningFolder(std::string_view date, std::string_view nameCp1252) {
    // Windows-1252 letters with an accent and the plain letter that stands for them.
    static constexpr std::string_view accented =
        "\xe5\xe4\xc5\xc4\xe0\xe1\xc0\xc1\xf6\xd6\xf8\xd8\xf3\xd3\xe9\xe8\xc9\xc8\xfc\xdc";
    static constexpr std::string_view plain = "aaaaaaaaooooooeeeeuu";
    std::string folder(date);
    bool dash = true;  // one dash after the date and between words
    for (const char c : nameCp1252) {
        char letter = 0;
        if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) letter = c;
        if (c >= 'A' && c <= 'Z') letter = static_cast<char>(c - 'A' + 'a');
        if (const std::size_t at = accented.find(c); at != std::string_view::npos) letter = plain[at];
        if (letter == 0) {
            dash = true;
            continue;
        }
        if (dash && !folder.empty()) folder += '-';
        dash = false;
        folder += letter;
    }
    return folder;
}

std::string link(const std::string& file, const std::string& label) {
    return "<a href=\"" + file + "\">" + label + "</a>";
}

std::string_view siteStyle() { return kStyle; }

std::string sitePage(std::string_view titleCp1252, const std::string& nav, const std::string& body) {
    std::string page;
    page.reserve(body.size() + 3000);
    page +=
        "<!DOCTYPE html>\n<html lang=\"sv\">\n<head>\n<meta charset=\"utf-8\">\n"
        "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n<title>";
    page += html(titleCp1252);
    page += "</title>\n<style>";
    page += kStyle;
    page += "</style>\n</head>\n<body>\n";
    if (!nav.empty()) page += "<nav>" + nav + "</nav>\n";
    page += "<main>\n";
    page += body;
    page += "</main>\n</body>\n</html>\n";
    return page;
}

}  // namespace vindelkast
