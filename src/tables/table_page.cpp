#include "tables/table_page.h"

#include "files/text_encoding.h"
#include "output/html_text.h"
#include "tables/http_status.h"
#include "tables/table_page_files.h"

namespace vindelkast {

namespace {

// Every section of the page; the script shows one at a time and fills them with text only.
// A message box stands beside the button whose action it answers.
const char* const kBody = R"HTML(
<section id="login"><h2>Logga in</h2>
<label>Bord<input id="tableNr" inputmode="numeric" autocomplete="off"></label>
<label>Kod<input id="code" autocapitalize="characters" autocomplete="off"></label>
<button type="button" class="big" id="loginBtn">Logga in</button>
<div id="loginMsg" class="msg hidden" role="status"></div></section>
<section id="round" class="hidden"><div id="seats"></div><div id="roundNav" class="row"></div>
<div id="roundMsg" class="msg hidden" role="status"></div>
<div id="typed" class="hidden"><h2>Parnummer</h2><div class="row" id="typedInputs"></div>
<button type="button" class="big" id="typedBtn">Spara parnummer</button></div>
<div id="done" class="box hidden"><h2 id="doneTitle"></h2><div id="moves"></div><p id="doneWait" class="note"></p>
<button type="button" class="plain" id="nextBtn"></button></div>
<h2>Brickor</h2><div id="boards"></div></section>
<section id="entry" class="hidden"><h2 id="entryTitle"></h2><div id="entryInfo" class="note"></div>
<h2>Kontrakt</h2><div class="row" id="levels"></div><div class="row" id="strains"></div><div class="row" id="doubles"></div>
<h2 id="declarerHead">Spelf&ouml;rare</h2><div class="row" id="declarers"></div>
<h2 id="resultHead">Resultat</h2><div class="row" id="results"></div>
<div class="bar"><div id="summary"></div><div class="score" id="preview"></div>
<button type="button" class="big" id="confirmBtn" disabled>&Ouml;V bekr&auml;ftar</button>
<div id="entryMsg" class="msg hidden" role="status"></div></div>
<button type="button" class="plain" id="backBtn">Tillbaka</button></section>
<section id="entered" class="hidden"><h2 id="enteredTitle"></h2><div class="box"><div id="enteredText"></div>
<div class="score" id="enteredScore"></div></div>
<table><thead><tr><th>NS</th><th>&Ouml;V</th><th>Kontrakt</th><th class="n">NS po&auml;ng</th></tr></thead>
<tbody id="enteredRows"></tbody></table>
<p id="changeHow" class="note"></p><button type="button" class="plain" id="changeBtn">Beg&auml;r &auml;ndring</button>
<button type="button" class="big" id="enteredBack">Till ronden</button></section>
<section id="slip" class="hidden"><h2 id="slipTitle"></h2><table><thead><tr><th>NS</th><th>&Ouml;V</th><th>Kontrakt</th><th class="n">NS po&auml;ng</th></tr></thead>
<tbody id="slipRows"></tbody></table><button type="button" class="big" id="slipBack">Till ronden</button></section>
<section id="end" class="hidden"><h2>Kv&auml;llen &auml;r slut</h2><h3 id="rankingTitle"></h3>
<table id="rankingTable"><thead><tr><th class="n">Pl</th><th class="n">Par</th><th>Namn</th></tr></thead>
<tbody id="rankingRows"></tbody></table><div id="moreRankings"></div><div id="cards"></div>
<button type="button" class="plain" id="endRounds">Till ronderna</button></section>
)HTML";

}  // namespace

// Each file is served after a line end of its own, the parts of the script one after another.
std::string tablePageScript() {
    std::string script;
    for (const std::string_view part : {tableScriptFile(), tableEntryScriptFile(), tableEndScriptFile()}) {
        script += '\n';
        script += part;
    }
    return script;
}

std::string tablePageStyle() { return '\n' + std::string(tableStyleFile()); }

OwnPage ownPage(std::string_view path, const Contest& contest) {
    if (path == "/" || path == "/bord") return {http::kOk, http::kHtml, tablePage(contest)};
    if (path == "/bord.js") return {http::kOk, http::kScript, tablePageScript()};
    if (path == "/bord.css") return {http::kOk, http::kStyle, tablePageStyle()};
    return {http::kNotFound, http::kPlain, "Sidan finns inte"};
}

std::string tablePage(const Contest& contest) {
    const std::string title =
        cp1252ToUtf8(contest.contestName.empty() ? "Vindelkast" : escapeHtml(contest.contestName));
    std::string page =
        "<!DOCTYPE html>\n<html lang=\"sv\"><head><meta charset=\"utf-8\">"
        "<meta name=\"viewport\" content=\"width=device-width,initial-scale=1\">"
        "<title>" +
        title + "</title><link rel=\"stylesheet\" href=\"/bord.css\"></head><body>";
    page += "<header><h1 id=\"title\">" + title +
            "</h1><div id=\"where\"></div><div id=\"queue\"></div>"
            "<a id=\"resultsLink\" class=\"hidden\" href=\"/resultat/\">St&auml;llning och "
            "givar</a></header><main>";
    std::string body = kBody;
    // In sections a table is typed with its letter ("B3"), which a keypad of digits lacks.
    const std::string digits = R"(<input id="tableNr" inputmode="numeric")";
    if (contest.sections.any())
        body.replace(body.find(digits), digits.size(),
                     R"(<input id="tableNr" autocapitalize="characters" placeholder="A1")");
    page += body;
    page += "</main><script src=\"/bord.js\"></script></body></html>\n";
    return page;
}

}  // namespace vindelkast
