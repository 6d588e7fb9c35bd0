// The director's corrections of an evening's results, one verb each: the file is read, mended
// whole or left as it was, and saved with its contracts, which follow their results.
#include <string>

#include "cli/cli_io.h"
#include "cli/cli_verbs.h"
#include "files/contract_file.h"
#include "model/sections.h"
#include "movement/corrections.h"
#include "movement/set_up_fields.h"

namespace vindelkast::cli {

namespace {

// The pair a word names, or 0 after saying that none does.
int pairArgument(const Contest& contest, const Args& args, std::size_t i) {
    const int pair = pairFromLabel(contest, args.text(i));
    if (pair == 0) printError("Inget par heter " + args.text(i));
    return pair;
}

// The correction's outcome: refused (the file untouched, exit 1), or saved with the journal's
// words and the boards it changed.
int finish(LoadedContest& loaded, const Args& args, const Correction& correction) {
    if (!correction.problem.empty()) {
        printError(correction.problem);
        return 1;
    }
    std::vector<SideFile> sides = contestSideFiles(false);
    for (SideFile& side : sides)
        if (side.extension == kContractsExtension) {
            side.write = [](const Contest& c) {
                return c.contracts.empty() ? std::string() : writeContracts(c);
            };
            // Contracts left beside the file would come back to results they no longer belong to.
            side.removeWhenEmpty = true;
        }
    if (saveContest(loaded, args.file(1), sides) != 0) return 1;
    printLine(correction.name);
    std::string boards;
    for (int b : correction.boards) boards += (boards.empty() ? "" : ", ") + std::to_string(b);
    printLine("\xc4ndrade givar: " + boards);
    return 0;
}

// Loads the contest and reads a result's board and pairs from words `at`, `at + 1`, `at + 2`;
// false (printed) when the file or a word will not do.
bool loadResult(LoadedContest& loaded, const Args& args, std::size_t at, int& board, int& ns, int& ew) {
    loaded = loadContest(args, args.file(0));
    if (reportUnusable(loaded, args.file(0))) return false;
    board = fieldNumber(args.text(at));
    ns = pairArgument(*loaded.contest, args, at + 1);
    ew = ns == 0 ? 0 : pairArgument(*loaded.contest, args, at + 2);
    return ns != 0 && ew != 0;
}

int runTurnTable(const Args& args) {
    LoadedContest loaded = loadContest(args, args.file(0));
    if (reportUnusable(loaded, args.file(0))) return 1;
    Contest& contest = *loaded.contest;
    const int table = tableFromLabel(contest, args.text(2));
    if (table == 0) {
        printError("Inget bord heter " + args.text(2));
        return 1;
    }
    return finish(loaded, args, turnTable(contest, table, fieldNumber(args.text(3))));
}

int runMoveResult(const Args& args) {
    LoadedContest loaded;
    int board = 0, ns = 0, ew = 0;
    if (!loadResult(loaded, args, 2, board, ns, ew)) return 1;
    return finish(loaded, args, moveResult(*loaded.contest, board, ns, ew, fieldNumber(args.text(5))));
}

int runArtificialScore(const Args& args) {
    LoadedContest loaded;
    int board = 0, ns = 0, ew = 0;
    if (!loadResult(loaded, args, 2, board, ns, ew)) return 1;
    return finish(loaded, args, giveArtificialScore(*loaded.contest, board, ns, ew, args.text(5)));
}

int runTurnResult(const Args& args) {
    LoadedContest loaded;
    int board = 0, ns = 0, ew = 0;
    if (!loadResult(loaded, args, 2, board, ns, ew)) return 1;
    return finish(loaded, args, turnResult(*loaded.contest, board, ns, ew));
}

int runRenumber(const Args& args) {
    LoadedContest loaded;
    int board = 0, ns = 0, ew = 0;
    if (!loadResult(loaded, args, 2, board, ns, ew)) return 1;
    const int newNs = pairArgument(*loaded.contest, args, 5);
    const int newEw = newNs == 0 ? 0 : pairArgument(*loaded.contest, args, 6);
    if (newNs == 0 || newEw == 0) return 1;
    return finish(loaded, args, renumberResult(*loaded.contest, board, ns, ew, newNs, newEw));
}

int runTradePlaces(const Args& args) {
    LoadedContest loaded = loadContest(args, args.file(0));
    if (reportUnusable(loaded, args.file(0))) return 1;
    Contest& contest = *loaded.contest;
    const int a = pairArgument(contest, args, 2);
    const int b = a == 0 ? 0 : pairArgument(contest, args, 3);
    if (a == 0 || b == 0) return 1;
    return finish(loaded, args, tradePlaces(contest, a, b, fieldNumber(args.text(4))));
}

}  // namespace

std::vector<Verb> correctionVerbs() {
    return {
        {"vand-bord",
         "vand-bord IN.sco UT.sco BORD ROND",
         "Paren satt omv\xe4nt: bordets resultat i ronden f\xe5r NS och \xd6V bytta; po\xe4ngen stannar "
         "hos NS-korten, ett justerat resultat f\xf6ljer paren.",
         4,
         {},
         runTurnTable},
        {"flytta-resultat",
         "flytta-resultat IN.sco UT.sco GIV NS \xd6V TILL-GIV",
         "Fel giv spelad eller inmatad: flyttar ett resultat med kontrakt till en annan giv, d\xe4r "
         "inget av paren har n\xe5got annat resultat.",
         6,
         {},
         runMoveResult},
        {"konstlat",
         "konstlat IN.sco UT.sco GIV NS \xd6V RESULTAT",
         "Ger paren ett konstlat resultat p\xe5 given (%=, %+-, %-+ ... som i f\xf6nstret); de andra "
         "beh\xe5ller sina.",
         6,
         {},
         runArtificialScore},
        {"byt-par",
         "byt-par IN.sco UT.sco GIV NS \xd6V",
         "Paren omv\xe4nda p\xe5 en lapp: ett resultats NS- och \xd6V-par byter plats (po\xe4ngen "
         "stannar hos NS-korten).",
         5,
         {},
         runTurnResult},
        {"numrera-om",
         "numrera-om IN.sco UT.sco GIV NS \xd6V NYTT-NS NYTT-\xd6V",
         "Fel parnummer p\xe5 en lapp: ett resultat f\xe5r andra par, som inte har n\xe5got annat resultat "
         "p\xe5 given.",
         7,
         {},
         runRenumber},
        {"byt-plats",
         "byt-plats IN.sco UT.sco PAR PAR ROND",
         "Tv\xe5 par bytte plats under kv\xe4llen: fr\xe5n ronden byter de nummer i varje resultat (spelade "
         "det andra paret inget d\xe5, tar det f\xf6rsta bara dess nummer).",
         5,
         {},
         runTradePlaces},
    };
}

}  // namespace vindelkast::cli
