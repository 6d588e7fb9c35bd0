#include "output/site_html.h"

#include <cmath>

#include "files/text_encoding.h"
#include "model/board_scoring.h"
#include "output/text_format.h"

namespace vindelkast {

namespace {

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

std::string siteFigure(const FigureColumn& column, double value) {
    if (column.decimalMark == ',') return figureText(column, value);
    return decimalText(value, *column.unit == '\0');
}

std::string pointsText(const Contest& contest, double points) {
    return siteFigure(scoringForm(contest).pointsColumn(), points);
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

std::string sitePage(std::string_view titleCp1252, const std::string& nav, const std::string& body) {
    std::string page;
    page.reserve(body.size() + 3000);
    page +=
        "<!DOCTYPE html>\n<html lang=\"sv\">\n<head>\n<meta charset=\"utf-8\">\n"
        "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n<title>";
    page += html(titleCp1252);
    page += "</title>\n<style>";
    page += siteStyle();
    page += "</style>\n</head>\n<body>\n";
    if (!nav.empty()) page += "<nav>" + nav + "</nav>\n";
    page += "<main>\n";
    page += body;
    page += "</main>\n</body>\n</html>\n";
    return page;
}

}  // namespace vindelkast
