#include "tables/table_page.h"

#include "files/text_encoding.h"
#include "output/html_text.h"
#include "tables/table_page_script.h"

namespace vindelkast {

namespace {

// Large targets for one thumb on a phone about 390 px wide.
const char* const kStyle = R"CSS(
*{box-sizing:border-box}body{margin:0;font:18px/1.35 system-ui,sans-serif;background:#f4f4ef;color:#111}
header{background:#1d4d2b;color:#fff;padding:10px 14px}h1{font-size:20px;margin:0}h2{font-size:18px;margin:14px 0 6px}
main{padding:10px 12px 40px;max-width:480px;margin:auto}.hidden{display:none}
input{font-size:22px;padding:10px;width:100%;border:2px solid #777;border-radius:8px;margin:4px 0 10px}
button{font-size:20px;min-height:52px;min-width:52px;border:2px solid #1d4d2b;border-radius:10px;background:#fff;margin:3px;padding:6px 10px}
button.on{background:#1d4d2b;color:#fff}button.big{width:100%;background:#1d4d2b;color:#fff;min-height:60px}
.row{display:flex;flex-wrap:wrap}.row button{flex:1 0 52px}.red{color:#b00}button.on.red{color:#fff}
.board{display:block;width:100%;text-align:left}.board small{display:block;font-size:15px;color:#444}
.board.done{border-color:#888;background:#e7efe7}.msg{padding:8px;border-radius:8px;background:#fff3c4;margin:8px 0}
.score{font-size:26px;font-weight:bold;text-align:center;margin:10px 0}table{width:100%;border-collapse:collapse;font-size:16px}
td,th{border-bottom:1px solid #ccc;padding:4px;text-align:left}#queue{font-size:15px;color:#dfe}
)CSS";

}  // namespace

std::string tablePage(const Contest& contest) {
    const std::string title = contest.contestName.empty() ? "Vindelkast" : escapeHtml(contest.contestName);
    std::string page =
        "<!DOCTYPE html>\n<html lang=\"sv\"><head><meta charset=\"utf-8\">"
        "<meta name=\"viewport\" content=\"width=device-width,initial-scale=1\">"
        "<title>" +
        cp1252ToUtf8(title) + "</title><style>" + kStyle + "</style></head><body>";
    page += "<header><h1 id=\"title\">" + cp1252ToUtf8(title) +
            "</h1><div id=\"where\"></div><div id=\"queue\"></div></header><main>";
    page += R"HTML(
<div id="msg" class="msg hidden" role="status"></div>
<section id="login"><h2>Logga in</h2>
<label>Bord<input id="tableNr" inputmode="numeric" autocomplete="off"></label>
<label>Kod<input id="code" autocapitalize="characters" autocomplete="off"></label>
<button class="big" id="loginBtn">Logga in</button></section>
<section id="round" class="hidden"><div id="seats"></div>
<div id="typed" class="hidden"><h2>Parnummer</h2><div class="row" id="typedInputs"></div>
<button class="big" id="typedBtn">Spara parnummer</button></div>
<h2>Brickor</h2><div id="boards"></div></section>
<section id="entry" class="hidden"><h2 id="entryTitle"></h2><div id="entryInfo"></div>
<h2>Kontrakt</h2><div class="row" id="levels"></div><div class="row" id="strains"></div><div class="row" id="doubles"></div>
<h2>Spelf&ouml;rare</h2><div class="row" id="declarers"></div>
<h2>Resultat</h2><div class="row" id="results"></div>
<div class="score" id="preview"></div>
<button class="big" id="confirmBtn">&Ouml;V bekr&auml;ftar</button><button class="big" id="backBtn">Tillbaka</button></section>
<section id="slip" class="hidden"><h2 id="slipTitle"></h2><table><thead><tr><th>NS</th><th>&Ouml;V</th><th>Kontrakt</th><th>NS po&auml;ng</th></tr></thead>
<tbody id="slipRows"></tbody></table><button class="big" id="slipBack">Till ronden</button></section>
</main>)HTML";
    page += "<script>";
    page += kTablePageScript;
    page += "</script></body></html>\n";
    return page;
}

}  // namespace vindelkast
