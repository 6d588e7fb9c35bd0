// vindelkast-cli archive add|import|season|player: the club's archive of evenings.
#include <unistd.h>

#include <charconv>
#include <iostream>
#include <set>

#include "archive/archive_import.h"
#include "archive/archive_place.h"
#include "archive/archive_reports.h"
#include "archive/evening_date.h"
#include "archive/season_page.h"
#include "archive/season_text.h"
#include "cli/archive_usage.h"
#include "cli/cli_io.h"
#include "cli/cli_verbs.h"
#include "files/member_file.h"
#include "files/safe_write.h"

namespace vindelkast::cli {
namespace {

int usage(const std::string& problem) {
    printUsage(problem, kArchiveUsage);
    return 2;
}

// Options a part of the verb does not take are a mistake, not something to ignore.
std::string strayOption(const Args& args, const std::set<std::string>& allowed) {
    for (const auto& [name, value] : args.options)
        if (name != "archive" && name != "register" && !allowed.count(name))
            return "Valet --" + name + " h\xf6r inte till archive " + args.text(0);
    return "";
}

bool positiveNumber(const std::string& text, int& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && value > 0;
}

// Opens the archive named by --archive; prints why and gives nothing when it cannot.
std::unique_ptr<Archive> openNamedArchive(const Args& args) {
    OpenedArchive opened = openArchive(args.option("archive", kDefaultArchivePlace));
    if (!opened.message.empty()) printError(opened.message);
    return std::move(opened.archive);
}

void loadNamedRegister(const Args& args, MemberRegister& reg) {
    if (loadRegister(args.option("register", "medlem.txt"), reg) < 1) reg.startWithByeMember();
}

// Where the import stands: one line rewritten on a terminal, a line per file in a log.
void showProgress(int index, int count, const std::string& path) {
    const std::string line = std::to_string(index) + " av " + std::to_string(count) + ": " + pathText(path);
    if (::isatty(STDERR_FILENO)) {
        std::cerr << "\r\033[K" << terminalText(line) << std::flush;
        if (index == count) std::cerr << "\n";
    } else {
        std::cerr << terminalText(line) << "\n";
    }
}

int reportImport(const ImportReport& report, int count) {
    for (const std::string& problem : report.problems) printError(problem);
    std::string summary = "Sparade " + std::to_string(report.added) + " av " + std::to_string(count) +
                          (count == 1 ? " kv\xe4ll" : " kv\xe4llar") + " i klubbarkivet.";
    if (!report.problems.empty())
        summary +=
            " " + std::to_string(report.problems.size()) + " hoppades \xf6ver; de andra \xe4r sparade.";
    printLine(summary);
    return report.problems.empty() ? 0 : 1;
}

int runArchiveAdd(const Args& args) {
    if (const std::string stray = strayOption(args, {"date"}); !stray.empty()) return usage(stray);
    std::vector<std::string> files;
    for (std::size_t i = 1; i < args.count(); ++i) files.push_back(args.file(i));
    if (files.empty()) return usage("Ange minst en t\xe4vlingsfil.");
    std::string date;
    if (args.has("date")) {
        const auto read = readEveningDate(args.option("date"));
        if (!read) return usage("--date: ange datumet som \xc5\xc5\xc5\xc5-MM-DD: " + args.option("date"));
        date = *read;
    }
    const auto archive = openNamedArchive(args);
    if (!archive) return 1;
    MemberRegister reg;
    loadNamedRegister(args, reg);
    const ImportReport report = addEveningFiles(*archive, files, reg, date);
    for (const std::string& problem : report.problems)
        if (problem.find("Ange datumet") != std::string::npos && date.empty())
            printError("Ange kv\xe4llens datum med --date \xc5\xc5\xc5\xc5-MM-DD.");
    return reportImport(report, static_cast<int>(files.size()));
}

int runArchiveImport(const Args& args) {
    if (const std::string stray = strayOption(args, {}); !stray.empty()) return usage(stray);
    if (args.count() != 2) return usage("Ange en mapp.");
    std::vector<std::string> files;
    if (const std::string message = contestFilesBelow(args.file(1), files); !message.empty()) {
        printError(message);
        return 1;
    }
    if (files.empty()) {
        printLine("Ingen t\xe4vlingsfil (.sco) under " + pathText(args.file(1)) + ".");
        return 0;
    }
    const auto archive = openNamedArchive(args);
    if (!archive) return 1;
    MemberRegister reg;
    loadNamedRegister(args, reg);
    const ImportReport report = addEveningFiles(*archive, files, reg, "", showProgress);
    return reportImport(report, static_cast<int>(files.size()));
}

int runArchiveSeason(const Args& args) {
    if (const std::string stray = strayOption(args, {"from", "to", "best", "min", "format", "site-base"});
        !stray.empty())
        return usage(stray);
    if (args.count() != 1) return usage("archive season tar inga filer.");
    if (!args.has("from") || !args.has("to")) return usage("Ange perioden med --from och --to.");
    const auto from = readEveningDate(args.option("from"));
    const auto to = readEveningDate(args.option("to"));
    if (!from || !to) return usage("Ange datumen som \xc5\xc5\xc5\xc5-MM-DD.");
    SeasonRange range{*from, *to, {}};
    if (args.has("best") && !positiveNumber(args.option("best"), range.rule.best))
        return usage("--best m\xe5ste vara ett heltal st\xf6rre \xe4n 0.");
    if (args.has("min") && !positiveNumber(args.option("min"), range.rule.minimum))
        return usage("--min m\xe5ste vara ett heltal st\xf6rre \xe4n 0.");
    const std::string format = args.option("format", "text");
    if (format != "text" && format != "csv" && format != "html")
        return usage("--format: text, csv eller html.");
    // Where the evenings' results pages are published, one folder each (see eveningFolder).
    bool baseOk = true;
    const std::string siteBase = argumentText(args.option("site-base"), baseOk);
    if (args.has("site-base") && (format != "html" || siteBase.empty() || !baseOk))
        return usage("--site-base h\xf6r till --format html och ska vara en adress eller en mapp.");

    std::vector<SeasonPlace> places;
    std::vector<EveningKey> evenings;
    std::vector<TeamSeries> series;
    const std::string place = args.option("archive", kDefaultArchivePlace);
    // A spreadsheet takes one table: the players' ranking.
    if (const std::string message =
            seasonRankingAt(place, range, places, &evenings, format == "csv" ? nullptr : &series);
        !message.empty()) {
        printError(message);
        return 1;
    }
    if (format == "csv") {
        std::cout << seasonCsv(places);
    } else if (format == "html") {
        std::cout << seasonPage(range, places, evenings, siteBase, series);
    } else {
        for (const std::string& line : seasonLines(range, places)) printLine(line);
        for (const std::string& line : teamSeriesLines(series)) printLine(line);
    }
    return 0;
}

int runArchivePlayer(const Args& args) {
    if (const std::string stray = strayOption(args, {}); !stray.empty()) return usage(stray);
    int memberId = 0;
    if (args.count() != 2 || !positiveNumber(args.file(1), memberId))
        return usage("Ange spelarens medlemsnummer.");
    std::vector<PlayerEvening> evenings;
    const std::string place = args.option("archive", kDefaultArchivePlace);
    if (const std::string message = playerEveningsAt(place, memberId, evenings); !message.empty()) {
        printError(message);
        return 1;
    }
    for (const std::string& line : playerHistoryLines(memberId, evenings)) printLine(line);
    return 0;
}

int runArchive(const Args& args) {
    const std::string part = args.text(0);
    if (part == "add") return runArchiveAdd(args);
    if (part == "import") return runArchiveImport(args);
    if (part == "season") return runArchiveSeason(args);
    if (part == "player") return runArchivePlayer(args);
    return usage("Ok\xe4nt: archive " + part);
}

}  // namespace

std::vector<Verb> archiveVerbs() {
    return {{"archive", kArchiveUsage, kArchiveSummary, 1, {}, runArchive, 1 << 20}};
}

}  // namespace vindelkast::cli
