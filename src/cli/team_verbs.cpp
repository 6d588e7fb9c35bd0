#include <cstdio>
#include <fstream>
#include <string>

#include "cli/cli_io.h"
#include "cli/cli_verbs.h"
#include "files/file_platform.h"
#include "files/safe_write.h"
#include "files/team_draw_file.h"
#include "model/victory_points.h"
#include "movement/round_robin.h"
#include "movement/swiss_draw.h"
#include "output/team_views.h"

namespace vindelkast::cli {

namespace {

// A count option between 1 and `limit`; -1 (with the message printed) otherwise.
int countOption(const Args& args, const std::string& name, int limit) {
    const std::string text = args.option(name);
    int value = 0;
    for (char c : text) value = c >= '0' && c <= '9' && value <= limit ? value * 10 + (c - '0') : limit + 1;
    if (!text.empty() && value >= 1 && value <= limit) return value;
    printError("--" + name + " ska vara ett heltal 1-" + std::to_string(limit));
    return -1;
}

// Victory points as typed ("12", "12,5", "12.50") in hundredths, 0.00-20.00; -1 otherwise.
int vpOption(const std::string& text) {
    int whole = 0, hundredths = 0, decimals = -1;
    for (char c : text) {
        if ((c == ',' || c == '.') && decimals < 0) {
            decimals = 0;
        } else if (c >= '0' && c <= '9' && decimals < 2 && whole <= kVpMatchTotal) {
            if (decimals < 0)
                whole = whole * 10 + (c - '0');
            else
                hundredths += (c - '0') * (decimals++ == 0 ? 10 : 1);
        } else {
            return -1;
        }
    }
    const int vp = whole * 100 + hundredths;
    return text.empty() || text.front() == ',' || text.front() == '.' || vp > kVpMatchTotal ? -1 : vp;
}

int runVpScale(const Args& args) {
    if (!args.has("brickor")) {
        printUsage("Ange antal brickor med --brickor", "vp-skala --brickor N");
        return 2;
    }
    const int boards = countOption(args, "brickor", kMaxVpBoards);
    if (boards < 0) return 2;
    for (const ViewLine& line : vpScaleLines(boards)) printLine(line.text);
    return 0;
}

int runRoundRobin(const Args& args) {
    if (!args.has("lag")) {
        printUsage("Ange antal lag med --lag", "rundschema --lag N");
        return 2;
    }
    const int teams = countOption(args, "lag", kMaxTeams);
    if (teams < 0) return 2;
    if (teams < 2) {
        printError("Ett rundschema beh\xf6ver minst tv\xe5 lag");
        return 1;
    }
    const auto rounds = roundRobin(teams);
    printLine("Rundschema f\xf6r " + std::to_string(teams) + " lag, " + std::to_string(rounds.size()) +
              " ronder");
    for (std::size_t r = 0; r < rounds.size(); ++r) {
        std::string line = "Rond " + std::to_string(r + 1) + ":";
        std::string bye;
        for (const RobinMatch& match : rounds[r]) {
            if (match.away == 0)
                bye = "  fri: " + std::to_string(match.home);
            else
                line += "  " + std::to_string(match.home) + "-" + std::to_string(match.away);
        }
        printLine(line + bye);
    }
    return 0;
}

std::string teamText(const TeamEvent& event, int team) {
    return std::to_string(team) + " " + event.nameOf(team);
}

void printStandings(const TeamEvent& event, int byeVp) {
    printLine("St\xe4llning efter rond " + std::to_string(event.played.size()));
    int place = 0;
    for (const TeamScore& t : rankTeams(teamTotals(event, byeVp))) {
        char figures[64];
        std::snprintf(figures, sizeof figures, "%8s VP %+5d IMP  %d-%d", vpText(t.vp).c_str(),
                      t.impsFor - t.impsAgainst, t.impsFor, t.impsAgainst);
        char start[80];
        std::snprintf(start, sizeof start, "%3d  %-44s", ++place, teamText(event, t.team).c_str());
        printLine(start + std::string(figures));
    }
    printLine("");
}

int runSwissDraw(const Args& args) {
    int byeVp = kDefaultByeVp;
    if (args.has("fri-vp") && (byeVp = vpOption(args.option("fri-vp"))) < 0) {
        printError("--fri-vp ska vara po\xe4ng 0-20, till exempel 12 eller 12,50");
        return 2;
    }
    const std::string& path = args.file(0);
    std::ifstream in(filePath(path), std::ios::binary);
    if (!in) {
        printError("Kunde inte \xf6ppna " + pathText(path));
        return 1;
    }
    // No real event's file comes near a megabyte; more is read no further.
    constexpr std::size_t kLargest = 1 << 20;
    std::string text(kLargest + 1, '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    if (in.bad()) {
        printError("Kunde inte l\xe4sa " + pathText(path));
        return 1;
    }
    text.resize(static_cast<std::size_t>(in.gcount()));
    if (text.size() > kLargest) {
        printError(pathText(path) + ": filen \xe4r f\xf6r stor");
        return 1;
    }
    TeamEvent event;
    if (const std::string message = readTeamDraw(text, event); !message.empty()) {
        printError(pathText(path) + ": " + message);
        return 1;
    }
    const bool seeded = args.has("seedad");
    const SwissDraw draw = drawSwissRound(swissDrawInput(event, byeVp, !seeded));
    if (!draw.message.empty()) {
        printError(draw.message);
        return 1;
    }
    if (!event.played.empty()) printStandings(event, byeVp);
    const std::string round = "Rond " + std::to_string(event.played.size() + 1);
    if (event.played.empty())
        printLine(round + (seeded ? " i seedad ordning" : ", lottad"));
    else
        printLine(round);
    for (std::size_t table = 0; table < draw.pairs.size(); ++table) {
        const auto& [home, away] = draw.pairs[table];
        printLine("Bord " + std::to_string(table + 1) + ": " + teamText(event, home) + " - " +
                  teamText(event, away));
    }
    if (draw.bye != 0) printLine("Fri: " + teamText(event, draw.bye) + " (" + vpText(byeVp) + " VP)");
    if (draw.repeats > 0)
        printLine(std::string("Obs: ") + std::to_string(draw.repeats) +
                  (draw.repeats == 1 ? " m\xf6te" : " m\xf6ten") + " upprepas" +
                  (draw.repeatUnavoidable ? ", ingen lottning utan upprepning finns" : " (fasta m\xf6ten)"));
    return 0;
}

}  // namespace

std::vector<Verb> teamVerbs() {
    return {
        {"vp-skala",
         "vp-skala --brickor N",
         "Visar VP-skalan (20 po\xe4ng, kontinuerlig) f\xf6r en lagmatch p\xe5 N brickor: "
         "vinnarens och f\xf6rlorarens VP vid varje IMP-marginal",
         0,
         {},
         runVpScale},
        {"rundschema",
         "rundschema --lag N",
         "Visar rundschemat d\xe4r N lag m\xf6ter varandra en g\xe5ng var (Bergertabeller; "
         "udda antal lag ger ett fritt lag per rond)",
         0,
         {},
         runRoundRobin},
        {"lottning",
         "lottning LAG.txt [--seedad] [--fri-vp VP]",
         "Visar st\xe4llningen och lottar n\xe4sta rond i en Monradt\xe4vling f\xf6r lag: lag n\xe4ra "
         "varandra i st\xe4llningen m\xf6ts, aldrig tv\xe5 som redan har m\xf6tts om det g\xe5r (f\xf6rsta "
         "ronden lottas, eller i filens ordning med --seedad; ett fritt lag f\xe5r --fri-vp, "
         "normalt 12,00)",
         1,
         {"seedad"},
         runSwissDraw},
    };
}

}  // namespace vindelkast::cli
