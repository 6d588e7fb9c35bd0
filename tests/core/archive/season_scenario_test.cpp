// A season of evenings imported through vindelkast-cli, ranked by the archive and checked
// against a ranking worked out from each evening's own standings view, on every backend.
#include <sys/wait.h>

#include <algorithm>
#include <filesystem>
#include <regex>

#include "archive_backends.h"
#include "model/victory_points.h"
#include "output/site_html.h"
#include "season_maker.h"

namespace vindelkast::test {
namespace {

std::string quoted(const std::string& word) { return "'" + word + "'"; }

struct CliRun {
    int exitCode;
    std::string out;
    std::string err;
};

// vindelkast-cli is built beside the tests folder of the build.
std::string cliPath() {
    return (std::filesystem::read_symlink("/proc/self/exe").parent_path().parent_path() / "vindelkast-cli")
        .string();
}

template <typename Backend>
class SeasonScenario : public ArchiveTest<Backend> {
protected:
    CliRun cli(const std::string& arguments) {
        TempFolder& f = this->backend.folder;
        const std::string command = "cd " + quoted(f.file("")) + " && " + quoted(cliPath()) + " " +
                                    arguments + " --archive " + quoted(this->backend.place()) +
                                    " --register " + quoted(SeasonMaker::registerPath()) +
                                    " >out.txt 2>err.txt";
        const int status = std::system(command.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, f.read("out.txt"), f.read("err.txt")};
    }
    std::string season(const std::string& from, const std::string& to, const std::string& more = "") {
        const CliRun r = cli("archive season --from " + from + " --to " + to + " --format csv " + more);
        EXPECT_EQ(r.exitCode, 0) << r.err;
        return r.out;
    }

    // Fourteen Monday and Thursday evenings of a spring, the last an IMP evening, the dates typed
    // in each form the archive reads, in two folders; the example individual evening; one damaged file.
    void makeSeason() {
        TempFolder& f = this->backend.folder;
        std::filesystem::create_directories(f.file("season/januari"));
        std::filesystem::create_directories(f.file("season/februari/sena"));
        SeasonMaker maker(20240108);
        const char* dates[] = {"2024-01-08", "20240111",   "15/1 2024",    "18.1.2024",  "2024-01-22",
                               "20240125",   "29/1  2024", "1.2.2024",     "2024-02-05", "20240208",
                               "12/2 2024",  "15.2.2024",  " 2024-02-19 ", "2024-02-22"};
        for (int i = 0; i < 14; ++i) {
            const std::string folder = i < 7    ? "season/januari/"
                                       : i < 11 ? "season/februari/"
                                                : "season/februari/sena/";
            const std::string path = f.file(folder + "kv\xc3\xa4ll" + std::to_string(i + 1) + ".sco");
            // The same name and date at another club is another evening.
            const std::string arranger = i == 9 ? "BK Ume\xe5" : "BK Vindeln";
            const std::string name = i == 9 || i == 8 ? "Klubbkv\xe4ll" : "M\xe5ndagsbridge";
            // The last evening is a Butler IMP night: it counts by its ranking alone.
            const ScoringRule rule{i == 13 ? ScoringMethod::Butler : ScoringMethod::Matchpoints};
            maker.writeEvening(path, name, i == 9 ? "2024-02-05" : dates[i], arranger, 8 + 2 * (i % 3), rule);
            files.push_back(path);
        }
        const std::string individual = f.file("season/individuell8.SCO");
        std::filesystem::copy_file(VK_SOURCE_DIR "/examples/individuell8.sco", individual);
        files.push_back(individual);
        f.write("season/februari/trasig.sco", "Det h\xc3\xa4r \xc3\xa4r ingen t\xc3\xa4vling\n");
    }

    std::vector<std::string> files;
};

TYPED_TEST_SUITE(SeasonScenario, Backends, BackendNames);

TYPED_TEST(SeasonScenario, RankingIsTheOneTheEveningsOwnStandingsGive) {
    ASSERT_TRUE(std::filesystem::exists(cliPath())) << cliPath();
    this->makeSeason();
    CliRun r = this->cli("archive import season");
    // The damaged file is named and left out; the fifteen evenings are kept.
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("trasig.sco"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("15 av 16: "), std::string::npos) << "a progress line per file: " << r.err;
    EXPECT_NE(r.out.find("Sparade 15 av 16 kv\xc3\xa4llar"), std::string::npos) << r.out;
    auto archive = this->open();
    ASSERT_TRUE(archive);
    EXPECT_EQ(this->evenings(*archive), 15);

    EXPECT_EQ(this->season("2024-01-01", "2024-12-31"),
              expectedSeasonCsv(this->files, "2024-01-01", "2024-12-31", 0, 1));
    EXPECT_EQ(this->season("2024-01-01", "2024-12-31", "--best 5 --min 3"),
              expectedSeasonCsv(this->files, "2024-01-01", "2024-12-31", 5, 3));
    // Both ends of the range are evenings: both count.
    EXPECT_EQ(this->season("2024-01-11", "2024-02-05", "--best 3"),
              expectedSeasonCsv(this->files, "2024-01-11", "2024-02-05", 3, 1));
    EXPECT_EQ(this->season("20240318", "18.3.2024"),
              expectedSeasonCsv(this->files, "2024-03-18", "2024-03-18", 0, 1))
        << "the individual evening alone";

    // Importing the season again replaces every evening: the ranking stays as it was.
    const std::string before = this->season("2024-01-01", "2024-12-31", "--best 4");
    r = this->cli("archive import season");
    EXPECT_EQ(this->evenings(*archive), 15);
    EXPECT_EQ(this->season("2024-01-01", "2024-12-31", "--best 4"), before);

    // Karin Åberg always plays with Birgitta Almqvist: her evenings, and ties broken by name
    // in Swedish order (Å before Ä, though Ä comes first in the code table).
    r = this->cli("archive player 100231");
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("Kv\xc3\xa4llar f\xc3\xb6r \xc3\x85"
                         "berg Karin (100231), 14 kv\xc3\xa4llar"),
              std::string::npos)
        << r.out;
    int withPartner = 0;
    for (std::size_t at = r.out.find("Almqvist Birgitta (17)"); at != std::string::npos;
         at = r.out.find("Almqvist Birgitta (17)", at + 1))
        ++withPartner;
    EXPECT_EQ(withPartner, 14);
    EXPECT_LT(before.find("Almqvist Birgitta"), before.find("\xc3\x85"
                                                            "berg Karin"));
    EXPECT_LT(before.find("\xc3\x85kesson Lars"), before.find("\xc3\x84lgh Stina"));

    r = this->cli("archive season --from 2024-01-01 --to 2024-12-31 --format html --best 4");
    EXPECT_EQ(r.out.rfind("<!DOCTYPE html>", 0), 0u);
    EXPECT_NE(r.out.find("name=\"viewport\""), std::string::npos);
    EXPECT_NE(r.out.find("\xc3\x85kesson Lars"), std::string::npos);
    EXPECT_TRUE(std::regex_search(r.out, std::regex("<td class=\"n\">[0-9]+,[0-9]{2}</td></tr>")));
    EXPECT_FALSE(std::regex_search(r.out, std::regex("[0-9]\\.[0-9]{2}</td>"))) << "percent with a comma";
    // The look of the evenings' results pages, and the evenings it counts, as yet no links.
    const auto styleOf = [](const std::string& page) {
        const std::size_t from = page.find("<style>");
        return from == std::string::npos ? std::string() : page.substr(from, page.find("</style>") - from);
    };
    EXPECT_EQ(styleOf(r.out), styleOf(sitePage("", "", "")));
    EXPECT_NE(r.out.find("<li>2024-01-08 M\xc3\xa5ndagsbridge <span class=\"meta\">BK Vindeln</span></li>"),
              std::string::npos)
        << r.out;
    EXPECT_EQ(r.out.find("<a "), std::string::npos);
    // Published beside it, one folder per evening: each evening links to its own pages; the
    // same name and date at two clubs share one folder name.
    r = this->cli(
        "archive season --from 2024-01-01 --to 2024-12-31 --format html --site-base ../kv\xc3\xa4llar");
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("<li><a href=\"../kv\xc3\xa4llar/2024-01-08-mandagsbridge/index.html\">2024-01-08 "),
              std::string::npos)
        << r.out;
    int links = 0;
    for (std::size_t at = r.out.find("<li><a href="); at != std::string::npos;
         at = r.out.find("<li><a href=", at + 1))
        ++links;
    EXPECT_EQ(links, 15) << "the fourteen evenings of the spring and the individual one";
    EXPECT_NE(
        r.out.find("2024-02-05-klubbkvall/index.html\">2024-02-05 Klubbkv\xc3\xa4ll <span class=\"meta\">BK "
                   "Ume\xc3\xa5"),
        std::string::npos);
    EXPECT_EQ(this->cli("archive season --from 2024-01-01 --to 2024-12-31 --site-base x").exitCode, 2)
        << "a base only goes with a page";
    r = this->cli("archive season --from 2024-01-01 --to 2024-12-31 --best 0");
    EXPECT_EQ(r.exitCode, 2) << "--best 0 is a mistake";
}

// A Monrad series over two evenings and a pairs evening between them, kept one by one: the
// series ranks its teams by the VP of both evenings' own rounds (the second evening's
// standings, which carry the first's, are not counted again), and the pairs evening's players
// rank as its own standings give.
TYPED_TEST(SeasonScenario, ATeamSeriesRanksByBothEveningsOwnVp) {
    TempFolder& f = this->backend.folder;
    SeasonMaker maker(20240304);
    const std::map<int, int> vp =
        maker.writeTeamSeries(f.file("lag1.sco"), f.file("lag2.sco"), "V\xe5rserien");
    maker.writeEvening(f.file("par.sco"), "M\xe5ndagsbridge", "2024-03-05", "BK Vindeln", 8);
    for (const char* file : {"lag1.sco", "par.sco", "lag2.sco"})
        EXPECT_EQ(this->cli(std::string("archive add ") + file).exitCode, 0) << file;
    EXPECT_EQ(this->season("2024-03-01", "2024-03-31"),
              expectedSeasonCsv({f.file("par.sco")}, "2024-03-01", "2024-03-31", 0, 1));

    const CliRun r = this->cli("archive season --from 2024-03-01 --to 2024-03-31");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("Lagserie \"V\xc3\xa5rserien\", 2 kv\xc3\xa4llar: 2024-03-04, 2024-03-11"),
              std::string::npos)
        << r.out;
    // Each team's line: place, number, name, evenings, VP; its players on the next line.
    const std::regex teamLine(" *([0-9]+) +([0-9]) +(.+?) +2 +([0-9]+,[0-9]{2}) .*\n +(.*)");
    std::vector<int> places, shown;
    for (std::sregex_iterator m(r.out.begin(), r.out.end(), teamLine), end; m != end; ++m) {
        const int team = std::stoi((*m)[2]);
        EXPECT_EQ((*m)[4].str(), vpText(vp.at(team))) << "team " << team << "\n" << r.out;
        const std::string players = (*m)[5];
        EXPECT_GE(std::count(players.begin(), players.end(), ','), 3) << "both pairs' players: " << players;
        places.push_back(std::stoi((*m)[1]));
        shown.push_back(vp.at(team));
    }
    ASSERT_EQ(shown.size(), 5u) << r.out;
    EXPECT_TRUE(std::is_sorted(shown.rbegin(), shown.rend())) << "most VP first";
    EXPECT_EQ(places.front(), 1);

    const CliRun page = this->cli("archive season --from 2024-03-01 --to 2024-03-31 --format html");
    EXPECT_NE(page.out.find("<td class=\"n\">" + vpText(vp.at(1)) + "</td>"), std::string::npos) << page.out;
}

}  // namespace
}  // namespace vindelkast::test
