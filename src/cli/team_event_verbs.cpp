#include <algorithm>
#include <string>

#include "cli/cli_io.h"
#include "cli/cli_verbs.h"
#include "cli/scoring_option.h"
#include "files/safe_write.h"
#include "files/team_event_file.h"
#include "model/member_register.h"
#include "movement/set_up_fields.h"
#include "movement/team_round_draw.h"
#include "output/team_views.h"

namespace vindelkast::cli {

namespace {

void printView(const std::vector<ViewLine>& lines) {
    for (const ViewLine& line : lines) printLine(line.text);
}

// "Norrfors BK;Vindelns BS;..." as the teams' names; false (printed) when one cannot be kept.
bool teamNames(const Args& args, std::vector<std::string>& names) {
    if (!args.has("lagnamn")) return true;
    bool ok = false;
    const std::string all = argumentText(args.option("lagnamn"), ok);
    if (!ok) {
        printError("--lagnamn: tecken som inte kan sparas i en t\xe4vlingsfil");
        return false;
    }
    std::size_t start = 0;
    while (start <= all.size()) {
        const std::size_t end = std::min(all.find(';', start), all.size());
        names.push_back(all.substr(start, end - start));
        if (names.back().size() > kMaxTeamNameBytes) {
            printError("Lagnamnet \"" + names.back() + "\" \xe4r l\xe4ngre \xe4n " +
                       std::to_string(kMaxTeamNameBytes) + " tecken");
            return false;
        }
        start = end + 1;
    }
    return true;
}

// The evening's name and date from --name and --date, the name `fallback` without one; false
// (printed) when one cannot be kept.
bool nameAndDate(const Args& args, SetUpRequest& request, const std::string& fallback) {
    bool ok = true;
    request.contestName = args.has("name") ? argumentText(args.option("name"), ok) : fallback;
    if (ok && args.has("date")) request.contestDate = argumentText(args.option("date"), ok);
    if (!ok) printError("--name eller --date: tecken som inte kan sparas i en t\xe4vlingsfil");
    return ok;
}

const char* formText(TeamForm form) {
    return form == TeamForm::RoundRobin   ? "alla mot alla"
           : form == TeamForm::SwissPairs ? "Monrad f\xf6r par"
                                          : "Monrad";
}

const char* const kNewUsage =
    "lag-ny (--lag N [--alla-mot-alla] | --par N [--scoring mp|cross-imps|butler]) --brickor B [--ronder R] "
    "[--fri-vp VP] [--lagnamn \"A;B;...\"] [--name TEXT] [--date TEXT] UT.sco";

int runNewTeamEvent(const Args& args) {
    TeamPlan plan;
    plan.form = args.has("par")             ? TeamForm::SwissPairs
                : args.has("alla-mot-alla") ? TeamForm::RoundRobin
                                            : TeamForm::Swiss;
    plan.teams = fieldNumber(args.option(plan.form == TeamForm::SwissPairs ? "par" : "lag"));
    if (args.has("par") && (args.has("lag") || args.has("alla-mot-alla"))) {
        printUsage("--par (Monrad f\xf6r par) g\xe5r inte med --lag eller --alla-mot-alla", kNewUsage);
        return 2;
    }
    if (!args.has("par") && args.has("scoring")) {
        printUsage(
            "--scoring g\xe4ller Monrad f\xf6r par (--par): ett lags match r\xe4knas mellan dess tv\xe5 bord",
            kNewUsage);
        return 2;
    }
    ScoringRule boards;
    if (!scoringOptions(args, kNewUsage, boards)) return 2;
    plan.boardScoring = boards.method;
    plan.boardsPerMatch = fieldNumber(args.option("brickor"));
    plan.rounds = args.has("ronder") ? fieldNumber(args.option("ronder")) : 0;
    if (args.has("fri-vp") &&
        (!vpWord(args.option("fri-vp"), plan.byeVp) || plan.byeVp < 0 || plan.byeVp > 2000)) {
        printUsage("--fri-vp ska vara po\xe4ng 0-20, till exempel 12 eller 12,50", kNewUsage);
        return 2;
    }
    if (!teamNames(args, plan.names)) return 2;
    SetUpRequest request;
    if (!nameAndDate(args, request,
                     plan.form == TeamForm::SwissPairs ? "Monrad f\xf6r par" : "Lagt\xe4vling"))
        return 2;
    MemberRegister reg;
    reg.startWithByeMember();
    Contest contest;
    contest.reset(reg);
    if (const std::string message = setUpTeamEvent(contest, request, plan); !message.empty()) {
        printError(message);
        return 1;
    }
    const std::string& out = args.file(0);
    if (saveContest(contest, out, args) != 0) return 1;
    printLine(pathText(out) + ": " + std::to_string(contest.teams.teamCount) +
              (plan.form == TeamForm::SwissPairs ? " par, " : " lag, ") + std::to_string(contest.roundCount) +
              " ronder med " + std::to_string(contest.boardsPerRound) + " brickor, " + formText(plan.form));
    return 0;
}

int runContinueSeries(const Args& args) {
    const std::string& in = args.file(0);
    LoadedContest previous = loadContest(args, in);
    if (reportUnusable(previous, in)) return 1;
    TeamPlan plan;
    plan.boardsPerMatch =
        args.has("brickor") ? fieldNumber(args.option("brickor")) : previous.contest->boardsPerRound;
    plan.rounds = args.has("ronder") ? fieldNumber(args.option("ronder")) : 0;
    SetUpRequest request;
    if (!nameAndDate(args, request, previous.contest->contestName)) return 2;
    if (plan.rounds == 0 && previous.contest->teams.monrad()) plan.rounds = previous.contest->roundCount;
    // The register the previous evening's names point into: its players stay at their pairs
    // until the director names others.
    Contest next;
    next.reset(*previous.reg);
    if (const std::string why = continueTeamSeries(*previous.contest, next, request, plan); !why.empty()) {
        printError(why);
        return 1;
    }
    for (int pair = 1; pair <= std::min(next.maxPairNumber, kMaxPair); ++pair)
        next.participants[static_cast<std::size_t>(pair)] =
            previous.contest->participants[static_cast<std::size_t>(pair)];
    const std::string& out = args.file(1);
    if (saveContest(next, out, args) != 0) return 1;
    printLine(pathText(out) + ": forts\xe4ttning efter " + std::to_string(next.teams.earlierRounds) +
              " ronder, " + std::to_string(next.roundCount) + " ronder med " +
              std::to_string(next.boardsPerRound) + " brickor");
    return 0;
}

int runTeamDraw(const Args& args) {
    const std::string& in = args.file(0);
    LoadedContest loaded = loadContest(args, in);
    if (reportUnusable(loaded, in)) return 1;
    Contest& contest = *loaded.contest;
    if (args.has("fast")) {
        if (const std::string why =
                readMeetings(args.option("fast"), contest.teams.teamCount, contest.teams.fixedMeetings);
            !why.empty()) {
            printUsage(why, "lag-lottning IN.sco UT.sco --fast A-B,C-D");
            return 2;
        }
    }
    if (args.has("om")) {
        if (const std::string why = undrawTeamRound(contest); !why.empty()) {
            printError(why);
            return 1;
        }
    }
    const TeamRoundDraw draw = drawTeamRound(contest, args.has("seedad"), args.has("tidig"));
    if (draw.round == 0) {
        printError(draw.message);
        return 1;
    }
    printView(teamDrawLines(contest, draw.round));
    if (!draw.message.empty()) printLine("Obs: " + draw.message);
    return saveContest(loaded, args.file(1));
}

int runMoveTeams(const Args& args) {
    const std::string& in = args.file(0);
    LoadedContest loaded = loadContest(args, in);
    if (reportUnusable(loaded, in)) return 1;
    Contest& contest = *loaded.contest;
    std::vector<std::pair<int, int>> teams;
    if (!readMeetings(args.option("lag"), contest.teams.teamCount, teams).empty() || teams.size() != 1) {
        printUsage("Ange tv\xe5 lag i t\xe4vlingen som 3-5", "lag-byt IN.sco UT.sco --lag A-B");
        return 2;
    }
    if (const std::string why = moveTeams(contest, teams[0].first, teams[0].second); !why.empty()) {
        printError(why);
        return 1;
    }
    printView(teamDrawLines(contest, drawnTeamRounds(contest)));
    return saveContest(loaded, args.file(1));
}

int runTeamResults(const Args& args) {
    const std::string& in = args.file(0);
    LoadedContest loaded = loadContest(args, in);
    if (reportUnusable(loaded, in)) return 1;
    const Contest& contest = *loaded.contest;
    if (!contest.teams.any()) {
        printError(pathText(in) + " \xe4r ingen lagt\xe4vling");
        return 1;
    }
    if (!args.has("rond")) {
        printView(teamEventLines(contest));
        return 0;
    }
    const int round = fieldNumber(args.option("rond"));
    if (round < 1 || round > drawnTeamRounds(contest)) {
        printError("Rond " + args.optionText("rond") + " \xe4r inte lottad");
        return 1;
    }
    printView(teamDrawLines(contest, round));
    printLine("");
    printView(roundCardsLines(contest, round));
    return 0;
}

int runAdjustment(const Args& args) {
    const std::string& in = args.file(0);
    LoadedContest loaded = loadContest(args, in);
    if (reportUnusable(loaded, in)) return 1;
    Contest& contest = *loaded.contest;
    VpAdjustment adjustment{fieldNumber(args.option("rond")), fieldNumber(args.option("lag")), 0};
    if (!contest.teams.any() || adjustment.round < 1 || adjustment.round > contest.roundCount ||
        adjustment.team < 1 || adjustment.team > contest.teams.teamCount ||
        !vpWord(args.option("vp"), adjustment.vp)) {
        printUsage("Ange en rond och ett lag i lagt\xe4vlingen och po\xe4ng som -1,50",
                   "lag-justering IN.sco UT.sco --rond R --lag N --vp VP");
        return 2;
    }
    contest.teams.adjustments.push_back(adjustment);
    if (saveContest(loaded, args.file(1)) != 0) return 1;
    printLine(teamName(contest, adjustment.team) + ": " + vpText(adjustment.vp) + " VP i rond " +
              std::to_string(adjustment.round));
    return 0;
}

}  // namespace

std::vector<Verb> teamEventVerbs() {
    return {
        {"lag-ny",
         kNewUsage,
         "L\xe4gger upp en lagt\xe4vling: Monrad (normalt) eller alla mot alla, N lag med tv\xe5 par vardera "
         "(lag L \xe4r par 2L-1 och 2L), B brickor per match, VP p\xe5 20-po\xe4ngsskalan; med --par N "
         "Monrad f\xf6r N par, varje giv r\xe4knad \xf6ver hela f\xe4ltet (matchpo\xe4ng eller IMP) och "
         "varje match i VP",
         1,
         {"alla-mot-alla"},
         runNewTeamEvent},
        {"lag-lottning",
         "lag-lottning IN.sco UT.sco [--seedad] [--fast A-B,C-D] [--tidig] [--om]",
         "Lottar lagt\xe4vlingens n\xe4sta rond och l\xe4gger ut borden: Monrad efter st\xe4llningen "
         "(f\xf6rsta ronden slumpad, eller i lagens ordning med --seedad; --tidig: efter st\xe4llningen "
         "en rond tidigare, medan sista matchen p\xe5g\xe5r) eller alla mot alla; --om lottar "
         "den senaste ronden igen",
         2,
         {"seedad", "tidig", "om"},
         runTeamDraw},
        {"lag-byt",
         "lag-byt IN.sco UT.sco --lag A-B",
         "Byter plats p\xe5 tv\xe5 lag i den senast lottade ronden (innan de har spelat)",
         2,
         {},
         runMoveTeams},
        {"lag-fortsatt",
         "lag-fortsatt F\xd6RRA.sco UT.sco [--brickor B] [--ronder R] [--name TEXT] [--date TEXT]",
         "L\xe4gger upp seriens n\xe4sta kv\xe4ll efter en f\xe4rdigspelad: samma lag, st\xe4llningen "
         "f\xf6rs vidare och lottningen undviker tidigare m\xf6ten (alla mot alla forts\xe4tter d\xe4r "
         "den slutade)",
         2,
         {},
         runContinueSeries},
        {"lag-resultat",
         "lag-resultat IN.sco [--rond R]",
         "Visar st\xe4llningen i VP med spelarna, varje ronds lottning och matchkort, och "
         "korstabellen i alla mot alla (--rond: en ronds lottning och matchkort)",
         1,
         {},
         runTeamResults},
        {"lag-justering",
         "lag-justering IN.sco UT.sco --rond R --lag N --vp VP",
         "Ger ett lag VP i en rond (ett straff med minustecken)",
         2,
         {},
         runAdjustment},
    };
}

}  // namespace vindelkast::cli
