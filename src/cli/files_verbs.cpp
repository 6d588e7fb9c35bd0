#include <iostream>

#include "cli/cli_io.h"
#include "cli/cli_verbs.h"
#include "cli/scoring_option.h"
#include "files/add_results.h"
#include "files/deal_import.h"
#include "files/edit_journal.h"
#include "files/safe_write.h"
#include "model/board_results.h"
#include "model/contest_scoring.h"

namespace vindelkast::cli {

namespace {

std::string countText(int n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

std::string contestSummary(const Contest& c) {
    int slots = 0, scored = 0;
    for (int b = 1; b <= c.boardCount && b <= kMaxBoard; ++b) {
        slots += c.boards[b].resultCount;
        scored += countScored(c.boards[b]);
    }
    std::string kind = c.isIndividual ? "Individuell t\xe4vling" : "Part\xe4vling";
    if (c.isGronaHissen) {
        kind = "Gr\xf6na Hissen";
    } else if (c.isBarometer) {
        kind += ", barometer";
    }
    std::string text =
        kind + ": " + countText(c.boardCount, "giv", "givar") + " i " +
        countText(c.roundCount, "rond", "ronder") + ", " +
        countText(c.maxPairNumber, c.isIndividual ? "spelare" : "par", c.isIndividual ? "spelare" : "par");
    if (const std::string out = sitOutText(c); !out.empty()) text += " (fripar " + out + ")";
    if (c.sections.any())
        text += std::string(" i ") + std::to_string(c.sections.list.size()) + " sektioner " +
                (c.sections.acrossField ? "\xf6ver f\xe4ltet" : "sektionsvis");
    text += ", " + std::to_string(scored) + " av " + countText(slots, "resultat", "resultat") + " ifyllda";
    text += ", kort f\xf6r " + countText(c.dealCount, "giv", "givar") + ".";
    return text;
}

int runCheck(const Args& args) {
    const std::string& path = args.file(0);
    const LoadedContest loaded = loadContest(args, path);
    if (reportUnusable(loaded, path)) return 1;
    // Without a register every player is missing from it: that says nothing about the names.
    if (!loaded.missingRegister.empty())
        printLine("Medlemsregistret " + pathText(loaded.missingRegister) +
                  " finns inte: spelarnas namn kunde inte sl\xe5s upp.");
    else if (loaded.read.kind == ContestReadResult::Kind::MissingNames)
        printLine("Namn som inte fanns i medlemsregistret: " + loaded.read.message);
    printLine(pathText(path) + ": " + contestSummary(*loaded.contest));
    // The journal is part of the evening on disk: one that cannot be read stops every save.
    std::vector<JournalEntry> journal;
    const std::string unreadJournal = readJournalBeside(path, journal);
    if (!unreadJournal.empty()) printError(unreadJournal);
    // A side file that could not be read was told above: the contest on disk is not whole.
    return loaded.unreadSides.empty() && unreadJournal.empty() ? 0 : 1;
}

// --scoring, --neuberg and --linear choose the rule, and the contest keeps it (NAME.regler);
// without them the contest is scored by the rule it was kept with. False on wrong usage.
bool chooseRule(const Args& args, const std::string& usage, Contest& contest) {
    ScoringRule rule = contest.scoringRule;
    if (!scoringOptions(args, usage, rule)) return false;
    chooseScoringRule(contest, rule);
    return true;
}

const std::string kRescoreUsage =
    std::string("rescore IN.sco UT.sco [--neuberg | --linear] ") + kScoringUsage + " " + kFieldUsage;
const std::string kLevelUsage = "level IN.sco UT.sco [--neuberg | --linear]";

int runRescore(const Args& args) {
    ScoringRule asked;
    if (!scoringOptions(args, kRescoreUsage, asked)) return 2;
    LoadedContest loaded = loadContest(args, args.file(0));
    if (reportUnusable(loaded, args.file(0))) return 1;
    if (!chooseRule(args, kRescoreUsage, *loaded.contest)) return 2;
    bool acrossField = false, fieldOk = true;
    if (fieldOption(args, kRescoreUsage, acrossField, fieldOk)) {
        if (!loaded.contest->sections.any()) {
            printError(pathText(args.file(0)) + " har inga sektioner");
            return 1;
        }
        loaded.contest->sections.acrossField = acrossField;
    }
    if (!fieldOk) return 2;
    rescoreBoards(*loaded.contest);
    return saveContest(loaded, args.file(1));
}

int runLevel(const Args& args) {
    ScoringRule asked;
    if (!scoringOptions(args, kLevelUsage, asked)) return 2;
    LoadedContest loaded = loadContest(args, args.file(0));
    if (reportUnusable(loaded, args.file(0))) return 1;
    if (!chooseRule(args, kLevelUsage, *loaded.contest)) return 2;
    const int levelled = levelBoards(*loaded.contest);
    printLine("Nivellerade " + countText(levelled, "giv", "givar") + ".");
    return saveContest(loaded, args.file(1));
}

int runAdd(const Args& args) {
    LoadedContest loaded = loadContest(args, args.file(0));
    if (reportUnusable(loaded, args.file(0))) return 1;
    const AddedResults added = addResultsFromFile(*loaded.contest, args.file(1));
    if (!added.problem.empty()) printError(added.problem);
    switch (added.kind) {
    case AddedResults::Kind::NotOpen:
    case AddedResults::Kind::NotContest:
        return 1;
    case AddedResults::Kind::Refused:
        printError(addedResultsMessage(added.added) + " innan felet; ingenting sparades i " +
                   pathText(args.file(2)) + ".");
        return 1;
    case AddedResults::Kind::Added:
        break;
    }
    printLine(addedResultsMessage(added));
    return saveContest(loaded, args.file(2));
}

int runDeals(const Args& args) {
    LoadedContest loaded = loadContest(args, args.file(0));
    if (reportUnusable(loaded, args.file(0))) return 1;
    Contest& c = *loaded.contest;
    if (const std::string refusal = dealImportRefusal(c); !refusal.empty()) {
        printError(refusal);
        return 1;
    }
    const std::string problem = importDealFile(c, args.file(1));
    if (!problem.empty()) {
        printError(problem);
        return 1;
    }
    printLine(dealCountMessage(c.dealCount, c.boardCount));
    if (c.boardCount == 0) c.boardCount = c.dealCount;
    return saveContest(loaded, args.file(2));
}

}  // namespace

std::vector<Verb> filesVerbs() {
    return {
        {"check",
         "check T\xc4VLING.sco",
         "L\xe4ser en t\xe4vlingsfil och talar om vad som saknas eller \xe4r fel.",
         1,
         {},
         runCheck},
        {"rescore",
         kRescoreUsage,
         "R\xe4knar om alla givars matchpo\xe4ng och sparar t\xe4vlingen (--neuberg: justerade "
         "resultat enligt Neubergs formel; --linear: programmets linj\xe4ra regel; --scoring: "
         "matchpo\xe4ng, korsvis IMP eller Butler; utan dem den regel t\xe4vlingen har, som sparas i "
         "UT.regler; --across eller --per-section: en kv\xe4ll i sektioner r\xe4knas \xf6ver "
         "f\xe4ltet eller per sektion, som sparas i UT.sektion).",
         2,
         {"neuberg", "linear", "across", "per-section"},
         runRescore},
        {"level",
         kLevelUsage,
         "Nivellerar givar som spelats f\xe4rre g\xe5nger \xe4n de mest spelade och sparar "
         "(--neuberg: med Neubergs formel, --linear: med den linj\xe4ra regeln; utan dem med den regel "
         "t\xe4vlingen har, som sparas i UT.regler).",
         2,
         {"neuberg", "linear"},
         runLevel},
        {"add",
         "add IN.sco ANDRA.sco UT.sco",
         "Adderar resultaten f\xf6r tomma givar fr\xe5n en annan t\xe4vlingsfil och sparar.",
         3,
         {},
         runAdd},
        {"deals",
         "deals IN.sco GIVFIL UT.sco",
         "L\xe4ser in givar fr\xe5n en .bri-, .dup-, .cds-, .dlm- eller .pbn-fil och sparar.",
         3,
         {},
         runDeals},
        enterVerb(),
        logVerb(),
    };
}

}  // namespace vindelkast::cli
