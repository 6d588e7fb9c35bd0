#include <memory>
#include <string>
#include <vector>

#include "cli/cli_io.h"
#include "cli/cli_verbs.h"
#include "files/contest_on_disk.h"
#include "files/contract_file.h"
#include "files/member_file.h"
#include "files/round_file.h"
#include "files/safe_write.h"
#include "files/session_import.h"
#include "output/usebio_export.h"

namespace vindelkast::cli {
namespace {

int runUsebio(const Args& args) {
    LoadedContest loaded = loadContest(args, args.file(0));
    if (reportUnusable(loaded, args.file(0))) return 1;
    Contest& contest = *loaded.contest;
    if (!contest.setUpDone) {
        printError("Starta upp t\xe4vlingen f\xf6rst");
        return 1;
    }
    // A damaged contract file beside the contest was reported when it was read.
    if (!loaded.contractsMessage.empty()) return 1;
    const std::string path = args.file(1);
    const std::string message = writeFileSafely(path, [&](std::ostream& out) { writeUsebio(contest, out); });
    if (!message.empty()) {
        printError(message);
        return 1;
    }
    printLine("Skrev " + pathText(path));
    return 0;
}

std::string importSummary(const Contest& c, const SessionImport& outcome) {
    return "Importerade " + std::to_string(outcome.rounds.size()) + " resultat p\xe5 " +
           std::to_string(c.boardCount) + " givar i " +
           std::to_string(outcome.roundsPlayed > 0 ? outcome.roundsPlayed : c.roundCount) + " ronder, " +
           std::to_string(playingPairCount(c)) + " par, kort f\xf6r " + std::to_string(c.dealCount) +
           " givar.";
}

int runImport(const Args& args) {
    MemberRegister reg;
    if (loadRegister(args.option("register", "medlem.txt"), reg) < 1) reg.startWithByeMember();
    auto owned = std::make_unique<Contest>();
    Contest& contest = *owned;
    contest.reset(reg);
    const SessionImport outcome = importSessionFile(contest, args.file(0));
    if (!outcome.refusal.empty()) {
        printError(pathText(args.file(0)) + ": " + outcome.refusal);
        printError("Ingenting importerades.");
        return 1;
    }
    // What was left out, changed or found worth knowing, line by line.
    for (const std::string& line : importReport(outcome)) printError(line);
    if (!outcome.newNames.empty()) printLine("Namn som inte fanns i medlemsregistret: " + outcome.newNames);
    printLine(importSummary(contest, outcome));
    const std::string& target = args.file(1);
    // The rounds and contracts beside the target are the imported session's: ones left there
    // by another contest would be read with it.
    std::vector<SideFile> sides = contestSideFiles(false);
    for (SideFile& side : sides) {
        if (side.extension == kContractsExtension)
            side.write = [](const Contest& c) {
                return c.contracts.empty() ? std::string() : writeContracts(c);
            };
        if (side.extension == kContractsExtension || side.extension == kRoundsExtension)
            side.removeWhenEmpty = true;
    }
    if (saveContest(contest, target, sides, args) != 0) return 1;
    printLine("Skrev " + pathText(target));
    return 0;
}

}  // namespace

std::vector<Verb> interchangeVerbs() {
    return {
        {"usebio",
         "usebio T\xc4VLING.sco UT.xml",
         "Exporterar t\xe4vlingen som USEBIO 1.2 (XML som andra klubbprogram och resultatsajter "
         "l\xe4ser), "
         "med kontrakten fr\xe5n T\xc4VLING.kontrakt.",
         2,
         {},
         runUsebio},
        {"import",
         "import IN UT.sco",
         "Importerar en part\xe4vling fr\xe5n ett annat program (USEBIO 1.0-1.2 eller PBN med "
         "resultat), "
         "r\xe4knar om den och sparar den med kontrakten i UT.kontrakt (och ronderna i UT.ronder "
         "n\xe4r "
         "borden delat givgrupp).",
         2,
         {},
         runImport},
    };
}

}  // namespace vindelkast::cli
