#include <algorithm>
#include <ctime>
#include <iostream>
#include <string>

#include "cli/cli_io.h"
#include "cli/cli_verbs.h"
#include "cli/scoring_option.h"
#include "files/member_file.h"
#include "files/safe_write.h"
#include "model/contest_scoring.h"
#include "model/member_register.h"
#include "movement/contest_setup.h"
#include "movement/draw_pane.h"
#include "movement/guide_card.h"
#include "movement/sectioned_setup.h"
#include "movement/set_up_fields.h"

namespace vindelkast::cli {

namespace {

std::string today() {
    const std::time_t now = std::time(nullptr);
    // The command line runs on one thread, so the shared result of localtime is safe here,
    // on every system alike.
    const std::tm* local = std::localtime(&now);
    char text[16] = "";
    if (local) std::strftime(text, sizeof text, "%Y-%m-%d", local);
    return text;
}

// An option's text as Windows-1252; false (with the message printed) when it cannot be.
bool textOption(const Args& args, const std::string& name, const std::string& fallback, std::string& text) {
    if (!args.has(name)) {
        text = fallback;
        return true;
    }
    bool ok = false;
    text = argumentText(args.option(name), ok);
    if (!ok) printError("--" + name + ": tecken som inte kan sparas i en t\xe4vlingsfil");
    return ok;
}

// The meeting limit of an option ("1", "2", "many"): 0 when not given, -1 (with the usage
// printed) when it is none of these.
int meetingLimit(const Args& args, const std::string& name) {
    if (!args.has(name)) return 0;
    const std::string text = args.optionText(name);
    if (text == "1") return 1;
    if (text == "2") return 2;
    if (text == "many" || text == "m\xe5nga") return kManyMeetings;
    printError("--" + name + " ska vara 1, 2 eller many");
    return -1;
}

const std::string kMovementUsage =
    std::string(
        "movement --boards B --rounds R --pairs N [--bye P] [--individual] [--guide KORT.gui | --no-guide | "
        "--gh 1|2|many] [--sections N1,N2... ") +
    kFieldUsage + "] [--name TEXT] [--date TEXT] [--arranger TEXT] " + kScoringUsage + " UT.sco";

int runMovement(const Args& args) {
    const int ghLimit = meetingLimit(args, "gh");
    if (ghLimit < 0) return 2;
    if (args.has("guide") && (args.has("no-guide") || ghLimit > 0)) {
        printError("--guide g\xe5r inte ihop med --no-guide eller --gh");
        return 2;
    }
    MemberRegister reg;
    if (loadRegister(args.option("register", "medlem.txt"), reg) < 1) reg.startWithByeMember();
    Contest contest;
    contest.reset(reg);

    const bool individual = args.has("individual");
    SetUpRequest request;
    request.boards = args.option("boards");
    request.rounds = args.option("rounds");
    request.maxPair = args.option("pairs");
    request.byePair = args.option("bye");
    request.individual = individual;
    // A Gröna Hissen evening has no movement: its rounds are drawn one by one.
    request.withoutGuideCard = args.has("no-guide") || ghLimit > 0;
    if (ghLimit > 0) {
        request.gronaHissen = true;
        request.ghVariant = ghLimit;
    }
    if (!textOption(args, "name", individual ? "Individuellt" : "Part\xe4vling", request.contestName) ||
        !textOption(args, "date", today(), request.contestDate) ||
        !textOption(args, "arranger", "", request.arranger))
        return 1;
    if (args.has("guide")) request.guideCard = args.option("guide");

    ScoringRule rule;
    if (!scoringOptions(args, kMovementUsage, rule)) return 2;
    bool acrossField = true, fieldOk = true;
    const bool fieldGiven = fieldOption(args, kMovementUsage, acrossField, fieldOk);
    if (!fieldOk) return 2;
    std::vector<int> sections;
    if (args.has("sections")) {
        sections = sectionSizes(args.option("sections"));
        if (sections.empty()) return 2;
    } else if (fieldGiven) {
        printError("--across och --per-section h\xf6r till --sections");
        return 2;
    }
    // Each section its own movement for its own pairs; --pairs is then the sections' sum.
    request.sections = sectionPlans(sections);
    request.acrossField = acrossField;
    const SetUpOutcome outcome = setUp(contest, request);
    if (!outcome.message.empty()) {
        printError(outcome.title + ": " + outcome.message);
        return 1;
    }
    // A card for single players names an evening without a given name as the individual box does.
    if (contest.isIndividual && !args.has("name")) contest.contestName = "Individuellt";
    if (outcome.lacksMovement) {
        printError(
            "Inget inbyggt spel passar " + std::to_string(contest.boardCount) + " givar och " +
            std::to_string(contest.maxPairNumber) + (contest.isIndividual ? " spelare" : " par") +
            ". V\xe4lj ett guidekort (" +
            guideCardPattern(fieldNumber(args.option("pairs")), contest.maxPairNumber, contest.isIndividual) +
            ") med --guide.");
        return 1;
    }
    chooseScoringRule(contest, rule);
    // The file keeps the highest pair number only through results and the start list: an
    // evening without a laid-down movement would lose it, so the start list covers the field.
    contest.participantCount = std::max(contest.participantCount, std::min(contest.maxPairNumber, kMaxPair));
    const std::string& out = args.file(0);
    if (saveContest(contest, out, args) != 0) return 1;
    std::string summary = pathText(out) + ": " + std::to_string(contest.boardCount) + " givar, " +
                          std::to_string(contest.roundCount) + " ronder, max " +
                          (contest.isIndividual ? "spelarnr " : "parnr ") +
                          std::to_string(contest.maxPairNumber);
    if (const std::string sitOut = sitOutText(contest); !sitOut.empty()) summary += ", fripar " + sitOut;
    for (const Section& s : contest.sections.list)
        summary += std::string(", sektion ") + s.letter + " par " + std::to_string(s.firstPair) + "-" +
                   std::to_string(s.lastPair);
    if (contest.sections.any())
        summary += contest.sections.acrossField ? ", \xf6ver f\xe4ltet" : ", sektionsvis";
    printLine(summary);
    return 0;
}

int runDraw(const Args& args) {
    const int limit = meetingLimit(args, "limit");
    if (limit < 0) return 2;
    const std::string& in = args.file(0);
    LoadedContest loaded = loadContest(args, in);
    if (reportUnusable(loaded, in)) return 1;
    Contest& contest = *loaded.contest;
    if (!contest.isGronaHissen) {
        printError(pathText(in) + " \xe4r ingen Gr\xf6na Hissen-t\xe4vling");
        return 1;
    }
    if (limit > 0) contest.ghVariant = limit;

    const DrawPane pane = drawRoundPane(contest);
    if (!pane.message.empty()) printError(pane.message);
    for (const std::string& line : pane.lines) printLine(line);
    // Only a new round is a draw; the tables of an unfinished round are shown, not saved.
    const bool drawn = pane.round > 0 && pane.message.empty();
    if (!drawn) return 1;
    return saveContest(loaded, args.file(1));
}

}  // namespace

std::vector<Verb> movementVerbs() {
    return {
        {"movement",
         kMovementUsage,
         "L\xe4gger upp en t\xe4vling som \"Klar\" g\xf6r: inbyggt spel eller guidekort, fripar, "
         "tomma resultat p\xe5 givarna (--no-guide: utan guidekort; --gh: Gr\xf6na Hissen med "
         "m\xf6tesgr\xe4ns; --scoring: matchpo\xe4ng, korsvis IMP eller Butler; --sections: "
         "en sektion per antal par, var och en med sitt eget spel, matchpo\xe4ng \xf6ver "
         "f\xe4ltet "
         "(--across) eller per sektion (--per-section))",
         1,
         {"individual", "no-guide", "across", "per-section"},
         runMovement},
        {"draw",
         "draw IN.sco UT.sco [--limit 1|2|many]",
         "Lottar n\xe4sta rond i Gr\xf6na Hissen och visar bordsplaceringen",
         2,
         {},
         runDraw},
        guideVerb(),
    };
}

}  // namespace vindelkast::cli
