#pragma once

#include <string>
#include <string_view>

#include "model/contest.h"
#include "model/scoring_form.h"
#include "output/contract_text.h"

// Pieces every results page shares. The pages are UTF-8 HTML5; core text (Windows-1252)
// enters them only through `html`.
namespace vindelkast {

// Windows-1252 text escaped for a page ("&", "<", ">", quotes) and made UTF-8; control
// characters are left out.
std::string html(std::string_view cp1252);

// One decimal with a decimal comma, "60,3"; whole numbers without one where `trimWhole`.
std::string decimalText(double value, bool trimWhole = false);
// A figure of a column with a decimal comma: as the column writes it where it writes one
// ("-4,33"), else as decimalText writes it, whole points (a column without a unit) trimmed.
std::string siteFigure(const FigureColumn& column, double value);
// A side's points on a board as the contest's form writes them.
std::string pointsText(const Contest& contest, double points);

// A suit symbol (0 spades .. 3 clubs) in its colour: hearts and diamonds red.
std::string suitSymbol(int suit);
// The strains of a contract as symbols, clubs to notrump.
const ContractStrains& symbolStrains();

// The pages of a results folder; links between them are relative, so the folder works
// copied anywhere and served from any path.
std::string pairFile(int pair);    // "par11.html"
std::string boardFile(int board);  // "giv5.html"
inline constexpr const char* kStandingsFile = "index.html";

// The folder of one evening's site among a club's published evenings, which the season page
// links to: the date, a dash and the contest's name in lower-case letters a-z and digits,
// å ä ö as a a o, é as e, ü as u, every other run of characters one dash
// ("2024-03-11" and "Måndagsbridge" give "2024-03-11-mandagsbridge").
std::string eveningFolder(std::string_view date, std::string_view nameCp1252);

// <a href="FILE">LABEL</a> (label already HTML).
std::string link(const std::string& file, const std::string& label);

// The style sheet every page carries inline (for a server's policy that allows it alone), on
// one line: output/web/site.css, compiled in (cmake/embed_file.cmake). Small enough for a
// phone: one column, no fixed widths, long names wrap inside their cell.
std::string_view siteStyle();

// A whole page: head with the style sheet, the navigation line (none when `nav` is empty),
// the body.
std::string sitePage(std::string_view titleCp1252, const std::string& nav, const std::string& body);

}  // namespace vindelkast
