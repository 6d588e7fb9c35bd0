#include <charconv>
#include <functional>
#include <iostream>
#include <string>
#include <vector>

#include "cli/cli_io.h"
#include "cli/cli_verbs.h"
#include "files/edit_journal.h"
#include "files/safe_write.h"
#include "output/export_names.h"
#include "output/old_html_page.h"
#include "output/private_protocol_view.h"
#include "output/results_site.h"
#include "output/round_html_page.h"
#include "output/round_view.h"
#include "output/score_tables_view.h"
#include "output/standings_view.h"
#include "output/view_line.h"
#include "output/xhtml_page.h"
#include "output/xml_export.h"

namespace vindelkast::cli {
namespace {

// A whole-number argument; false (after printing the usage hint) when it is not one.
bool numberArgument(const std::string& text, const char* what, int& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error == std::errc() && end == text.data() + text.size()) return true;
    printError(what + std::string(" m\xe5ste vara ett heltal: ") + fromUtf8(Utf8{text}));
    return false;
}

void printLines(const std::vector<ViewLine>& lines) {
    for (const ViewLine& line : lines) printLine(line.text);
}

// Loads the contest file named first; nullptr-like (false) after printing why it is unusable.
bool load(const Args& args, LoadedContest& loaded) {
    loaded = loadContest(args, args.file(0));
    return !reportUnusable(loaded, args.file(0));
}

int writeExport(const std::string& path, const std::function<void(std::ostream&)>& write) {
    const std::string message = writeFileSafely(path, write);
    if (!message.empty()) {
        printError(message);
        return 1;
    }
    printLine("Skrev " + pathText(path));
    return 0;
}

int runStandings(const Args& args) {
    LoadedContest loaded;
    if (!load(args, loaded)) return 1;
    printLine(standingsCaption(*loaded.contest));
    printLines(standingsLines(*loaded.contest));
    return 0;
}

int runRound(const Args& args) {
    int round = 0;
    if (!numberArgument(args.file(1), "Ronden", round)) return 2;
    LoadedContest loaded;
    if (!load(args, loaded)) return 1;
    const std::vector<ViewLine> lines = roundResultLines(*loaded.contest, round);
    if (lines.empty()) {
        printError("Rond " + std::to_string(round) + " finns inte");
        return 1;
    }
    printLine(roundCaption(round));
    printLines(lines);
    return 0;
}

int runScores(const Args& args) {
    int board = 0;
    if (!numberArgument(args.file(1), "Brickan", board)) return 2;
    LoadedContest loaded;
    if (!load(args, loaded)) return 1;
    const auto lines = scoreTableLines(*loaded.contest, board, false);
    if (!lines) {
        printError("Bricka " + std::to_string(board) + " finns inte");
        return 1;
    }
    printLines(*lines);
    return 0;
}

int runProtocol(const Args& args) {
    int pair = 0;
    if (!numberArgument(args.file(1), "Paret", pair)) return 2;
    LoadedContest loaded;
    if (!load(args, loaded)) return 1;
    if (loaded.contest->isIndividual) {
        printError("Privatprotokoll finns bara i part\xe4vlingar");
        return 1;
    }
    if (privateProtocolPair(*loaded.contest, args.text(1)) == 0) {
        printError("Par " + std::to_string(pair) + " finns inte");
        return 1;
    }
    printLines(privateProtocolLines(*loaded.contest, pair));
    return 0;
}

int runHtml(const Args& args) {
    LoadedContest loaded;
    if (!load(args, loaded)) return 1;
    const int order = resultOrderFromAnswer(args.option("order", "R"));
    Contest& contest = *loaded.contest;
    return writeExport(htmlFileName(args.file(1)),
                       [&](std::ostream& out) { writeXhtml(contest, out, order); });
}

int runOldHtml(const Args& args) {
    LoadedContest loaded;
    if (!load(args, loaded)) return 1;
    const int order = resultOrderFromAnswer(args.option("order", "R"));
    const bool withIdentity = args.has("ids");
    Contest& contest = *loaded.contest;
    return writeExport(htmlFileName(args.file(1)),
                       [&](std::ostream& out) { writeOldHtml(contest, out, order, withIdentity); });
}

int runRoundHtml(const Args& args) {
    int round = 0;
    if (!numberArgument(args.file(1), "Ronden", round)) return 2;
    LoadedContest loaded;
    if (!load(args, loaded)) return 1;
    Contest& contest = *loaded.contest;
    const std::string refusal = roundPageRefusal(contest, round);
    if (!refusal.empty()) {
        printError(refusal);
        return 1;
    }
    return writeExport(htmlFileName(args.file(2)),
                       [&](std::ostream& out) { writeRoundHtml(contest, out, round); });
}

int runSite(const Args& args) {
    LoadedContest loaded;
    if (!load(args, loaded)) return 1;
    const std::string& folder = args.file(1);
    // The pages are right without the journal; only the notes of corrections would be missing,
    // which is said rather than left unnoticed.
    std::vector<JournalEntry> journal;
    if (const std::string unread = readJournalBeside(args.file(0), journal); !unread.empty())
        printError(unread + " (sidorna skrivs utan r\xe4ttelserna)");
    const std::string message = writeResultsSite(*loaded.contest, journal, folder);
    if (!message.empty()) {
        printError(message);
        return 1;
    }
    printLine("Skrev resultatsidorna i " + pathText(folder));
    return 0;
}

int runXml(const Args& args) {
    LoadedContest loaded;
    if (!load(args, loaded)) return 1;
    const Contest& contest = *loaded.contest;
    if (!contest.setUpDone) {
        printError("Starta upp t\xe4vlingen f\xf6rst");
        return 1;
    }
    const std::string refusal = xmlExportRefusal(contest);
    if (!refusal.empty()) {
        printError(refusal);
        return 1;
    }
    return writeExport(xmlFileName(args.file(1)), [&](std::ostream& out) { writeXml(contest, out); });
}

}  // namespace

std::vector<Verb> outputVerbs() {
    // Usage and summary texts go straight to the terminal, so they are UTF-8.
    return {
        {"standings",
         "standings CONTEST.sco",
         "Visar st\xe4llningen totalt som f\xf6nstret visar den.",
         1,
         {},
         runStandings},
        {"round", "round CONTEST.sco R", "Visar resultatet av rond R.", 2, {}, runRound},
        {"scores", "scores CONTEST.sco BRICKA", "Visar scoretavlan f\xf6r en bricka.", 2, {}, runScores},
        {"protocol", "protocol CONTEST.sco PAR", "Visar ett pars privatprotokoll.", 2, {}, runProtocol},
        {"html",
         "html CONTEST.sco UT [--order R|P|S]",
         "Exporterar resultatet som XHTML-sida (UT f\xe5r .html om namnet inte slutar p\xe5 html "
         "eller .htm).",
         2,
         {},
         runHtml},
        {"oldhtml",
         "oldhtml CONTEST.sco UT [--order R|P|S] [--ids]",
         "Exporterar resultatet som gammal HTML; --ids l\xe4gger till idnummer och Dummy.",
         2,
         {"ids"},
         runOldHtml},
        {"roundhtml", "roundhtml CONTEST.sco R UT", "Exporterar rond R som HTML-sida.", 3, {}, runRoundHtml},
        {"site",
         "site CONTEST.sco UTMAPP",
         "Skriver resultatsidor f\xf6r spelarna i UTMAPP: st\xe4llningen (index.html), ett "
         "scorekort per par och en sida per giv med kortf\xf6rdelning, facit och resultat.",
         2,
         {},
         runSite},
        {"xml",
         "xml CONTEST.sco UT",
         "Exporterar resultatet som XML (bridgeData 1.11; UT f\xe5r .xml).",
         2,
         {},
         runXml},
    };
}

}  // namespace vindelkast::cli
