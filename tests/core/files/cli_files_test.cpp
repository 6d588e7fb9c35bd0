#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli_fixture.h"
#include "example_contests.h"
#include "files/contest_file.h"
#include "files/deal_codes.h"
#include "files/member_file.h"
#include "model/board_results.h"
#include "model/board_scoring.h"
#include "support/sample_contests.h"
#include "temp_folder.h"

namespace vindelkast {
namespace {

using test::Cli;
using test::cliPath;
using test::CliRun;
using test::quoted;

TEST_F(Cli, CheckTellsWhatTheFileHolds) {
    CliRun r = run("check " + example("kväll8.sco") + " " + exampleRegister());
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("21 givar i 7 ronder, 8 par (fripar 8)"), std::string::npos) << r.out;

    // Without the register in the working folder the names are still read; that is information.
    r = run("check " + example("halvkväll12.sco"));
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("Medlemsregistret medlem.txt finns inte: spelarnas namn kunde inte slås upp."),
              std::string::npos)
        << r.out;
    EXPECT_EQ(r.out.find("Namn som inte fanns"), std::string::npos) << "every player is no news";
    r = run("standings " + example("halvkväll12.sco"));
    EXPECT_NE(r.out.find("Lundström Håkan"), std::string::npos) << "UTF-8 on the terminal";

    r = run("check " + exampleRegister() + " " + example("medlem.txt"));
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("är inte en %SCO2-fil"), std::string::npos) << r.err;

    folder.write("dubbel.sco",
                 "%SCO2 \r\nT\r\nD\r\nA\r\nV\r\n 1  1  2   420     2     0\r\n 1  2  3   420     2     0\r\n"
                 "-1 1 1\r\n");
    r = run("check dubbel.sco");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("Fel i infilen. Par 2 förekommer flera gånger, giv 1"), std::string::npos) << r.err;

    // Sections that leave pairs 9-16 out are refused, and so is every command on the contest.
    std::filesystem::copy_file(test::examplePath("kv\xc3\xa4ll16.sco"), folder.file("k16.sco"));
    const std::string contest = folder.read("k16.sco");
    folder.write("k16.sektion", "%SEKTIONER 1\r\nOVER-FALTET\r\nA 1 5\r\nB 6 8\r\n");
    r = run("check k16.sco " + exampleRegister());
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(
        r.err.find("k16.sektion kunde inte l\xc3\xa4sas: Sektionerna passar inte t\xc3\xa4vlingen: par 9-16 "
                   "ing\xc3\xa5r inte i n\xc3\xa5gon sektion"),
        std::string::npos)
        << r.err;
    EXPECT_EQ(run("standings k16.sco " + exampleRegister()).exitCode, 1);
    std::filesystem::remove(folder.file("k16.sektion"));
    // A rounds file that cannot be read is told, and kept: a command that would write it saves nothing.
    const std::string rounds = "%RONDER 1\r\nS 1 4 13 1\r\n";
    folder.write("k16.ronder", rounds);
    r = run("check k16.sco " + exampleRegister());
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("k16.ronder: Fel i rondfilen, rad 2: par 4-13 spelar inte giv 1"), std::string::npos)
        << r.err;
    EXPECT_NE(r.out.find("24 givar i 8 ronder, 16 par"), std::string::npos) << r.out;
    EXPECT_EQ(run("standings k16.sco " + exampleRegister()).exitCode, 0);
    r = run("rescore k16.sco k16.sco " + exampleRegister());
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("Ingenting sparades: k16.ronder kunde inte l\xc3\xa4sas"), std::string::npos)
        << r.err;
    EXPECT_EQ(folder.read("k16.ronder"), rounds);
    EXPECT_EQ(folder.read("k16.sco"), contest);

    EXPECT_EQ(run("check saknas.sco").exitCode, 1);
    EXPECT_EQ(run("check").exitCode, 2);
    EXPECT_EQ(run("check a.sco b.sco").exitCode, 2);
    EXPECT_EQ(run("check --help").exitCode, 0);
}

TEST_F(Cli, EveryWritingVerbWritesTheWholeContestOrNothing) {
    // 247 bytes before ".sco": the contest fits a name, its ".kontrakt" does not.
    const std::string tooLong = std::string(247, 'n') + ".sco";
    const std::string longest = std::string(246, 'n') + ".sco";
    const std::string guide = "--guide " + example("P16_mitchell.gui");
    for (const std::string& verb :
         {"rescore " + example("kv\xc3\xa4ll16.sco") + " --neuberg", "level " + example("kv\xc3\xa4ll8.sco"),
          "add " + example("kv\xc3\xa4ll8.sco") + " " + example("kv\xc3\xa4ll8.sco"),
          "draw " + example("grona_hissen.sco"),
          "deals " + example("individuell8.sco") + " " + example("kv\xc3\xa4ll8.pbn"),
          "movement --boards 24 --rounds 8 --pairs 16 " + guide,
          "import " + quoted(VK_SOURCE_DIR "/tests/data/interchange/pbn_records.pbn")}) {
        const CliRun refused = run(verb + " " + tooLong + " " + exampleRegister());
        EXPECT_EQ(refused.exitCode, 1) << verb;
        EXPECT_NE(refused.err.find("h\xc3\xb6gst 246 byte utan .sco"), std::string::npos)
            << verb << refused.err;
        for (const auto& entry : std::filesystem::directory_iterator(folder.file("")))
            EXPECT_TRUE(entry.path().filename() == "out.txt" || entry.path().filename() == "err.txt")
                << verb << " wrote " << entry.path();
        const CliRun written = run(verb + " " + longest + " " + exampleRegister());
        EXPECT_EQ(written.exitCode, 0) << verb << written.err;
        EXPECT_TRUE(folder.exists(longest)) << verb;
        EXPECT_TRUE(folder.exists(std::string(246, 'n') + ".logg")) << verb << " left no journal";
        for (const char* extension : {".sco", ".regler", ".ronder", ".kontrakt", ".logg"})
            std::filesystem::remove(folder.file(std::string(246, 'n') + extension));
    }
}

TEST_F(Cli, TheScoringRuleStaysWithTheContest) {
    // One board, six results, one adjusted 60/40: the two rules score the five others apart.
    test::ContestFixture f;
    test::setUp(f.c(), 1, 1, 12);
    int t = 0;
    for (int score : {420, 420, 170, -50, -100, 10064}) {
        addResult(f.c().boards[1], 2 * t + 1, 2 * t + 2, 1, score, 0, 0, true);
        ++t;
    }
    scoreBoard(f.c().boards[1], ScoringRule{});
    std::ofstream(folder.file("just.sco"), std::ios::binary) << contestFileText(f.c(), "3.23");
    const auto firstNsPoints = [this](const std::string& name) {
        test::ContestFixture read;
        std::ifstream in(folder.file(name), std::ios::binary);
        readContestFile(read.c(), in);
        return findResult(read.c().boards[1], 1, 2)->nsPoints;
    };

    ASSERT_EQ(run("rescore --neuberg just.sco just.sco").exitCode, 0);
    EXPECT_EQ(folder.read("just.regler"), "%REGLER 1\r\nNEUBERG\r\n");
    EXPECT_NEAR(firstNsPoints("just.sco"), 8.6, 1e-4);
    const std::string neuberg = run("standings just.sco").out;
    // Scored again without naming a rule, the contest keeps its own, and so does the copy.
    ASSERT_EQ(run("rescore just.sco igen.sco").exitCode, 0);
    EXPECT_EQ(run("standings igen.sco").out, neuberg);
    EXPECT_EQ(folder.read("igen.regler"), folder.read("just.regler"));

    ASSERT_EQ(run("rescore --linear just.sco just.sco").exitCode, 0);
    EXPECT_FALSE(folder.exists("just.regler"));
    EXPECT_NEAR(firstNsPoints("just.sco"), 8.0, 1e-4);
    EXPECT_NE(run("standings just.sco").out, neuberg);
    EXPECT_EQ(run("rescore --neuberg --linear just.sco x.sco").exitCode, 2);
    EXPECT_FALSE(folder.exists("x.sco"));

    // In cross-IMPs 420 gets (0 + 6 + 10 + 11) / 4 against the other bridge scores; the
    // contest keeps the method, and a rescore without options stays in IMPs.
    ASSERT_EQ(run("rescore --scoring cross-imps just.sco imp.sco").exitCode, 0);
    EXPECT_EQ(folder.read("imp.regler"), "%REGLER 1\r\nKORSIMP\r\n");
    EXPECT_NEAR(firstNsPoints("imp.sco"), 6.75, 1e-4);
    ASSERT_EQ(run("rescore imp.sco imp.sco").exitCode, 0);
    const std::string imps = run("standings imp.sco").out;
    EXPECT_NE(imps.find("St\xc3\xa4llning totalt, IMP (korsvis)"), std::string::npos) << imps;
    EXPECT_NE(imps.find("    6,75    6,75\n"), std::string::npos) << imps;
    EXPECT_NE(run("scores imp.sco 1").out.find("  1- 2:   420    6,75  -6,75\n"), std::string::npos);
    EXPECT_EQ(run("level imp.sco imp.sco").out, "Nivellerade 0 givar.\n");
    ASSERT_EQ(run("rescore --scoring mp imp.sco mp.sco").exitCode, 0);
    EXPECT_FALSE(folder.exists("mp.regler"));
    EXPECT_NEAR(firstNsPoints("mp.sco"), 8.0, 1e-4);
    EXPECT_EQ(run("rescore --scoring imp just.sco x.sco").exitCode, 2);
    ASSERT_EQ(run("movement --boards 2 --rounds 1 --pairs 4 --no-guide --scoring butler ny.sco").exitCode, 0);
    EXPECT_EQ(folder.read("ny.regler"), "%REGLER 1\r\nBUTLER\r\n");

    // A rules file that cannot be read stops the command rather than scoring by a guess.
    folder.write("just.regler", "%REGLER 1\r\nLINJ\xc4R\r\n");
    const CliRun damaged = run("rescore just.sco y.sco");
    EXPECT_EQ(damaged.exitCode, 1);
    EXPECT_NE(damaged.err.find("Fel i regelfilen, rad 2: ok\xc3\xa4nd regel"), std::string::npos)
        << damaged.err;
    EXPECT_FALSE(folder.exists("y.sco"));

    // Levelled by Neuberg, the standings show Neuberg's figures, not the linear rule's.
    ASSERT_EQ(
        run("level --neuberg " + example("halvkv\xc3\xa4ll12.sco") + " n.sco " + exampleRegister()).exitCode,
        0);
    ASSERT_EQ(run("level " + example("halvkv\xc3\xa4ll12.sco") + " l.sco " + exampleRegister()).exitCode, 0);
    EXPECT_TRUE(folder.exists("n.regler"));
    EXPECT_FALSE(folder.exists("l.regler"));
    EXPECT_NE(run("standings n.sco " + exampleRegister()).out,
              run("standings l.sco " + exampleRegister()).out);
}

TEST_F(Cli, NamesFromAFileCannotSteerTheTerminal) {
    // A title sequence in the contest name and a clear-screen sequence in a player's name.
    folder.write("esc.sco",
                 "%SCO2 \r\nKv\x1b]2;hej\x07ll\r\nD\r\nA\r\nV\r\n 1  1  2   420     2     0\r\n-1 1 1\r\n"
                 "Berg\x1b[2J Anna / --\r\n");
    for (const char* verb : {"check", "standings"}) {
        const CliRun r = run(std::string(verb) + " esc.sco");
        EXPECT_EQ(r.exitCode, 0) << r.err;
        EXPECT_EQ((r.out + r.err).find_first_of("\x1b\x07"), std::string::npos) << r.out;
    }
    // With a register, the name not in it is listed, its escape shown as "?".
    folder.write("tom.txt", "");
    EXPECT_NE(run("check esc.sco --register tom.txt").out.find("Berg?[2J Anna"), std::string::npos);
}

TEST_F(Cli, RescoreLevelAndAddWriteTheContest) {
    // The example's points are what scoring gives, so rescoring changes nothing.
    CliRun r = run("rescore " + example("kväll8.sco") + " ut.sco " + exampleRegister());
    EXPECT_EQ(r.exitCode, 0) << r.err;
    std::ifstream original(test::examplePath("kväll8.sco"), std::ios::binary);
    std::ostringstream bytes;
    bytes << original.rdbuf();
    EXPECT_EQ(folder.read("ut.sco"), bytes.str());

    // OUT may be IN.
    folder.write("halv.sco", [] {
        std::ifstream in(test::examplePath("halvkväll12.sco"), std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }());
    r = run("level halv.sco halv.sco " + exampleRegister());
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("Nivellerade"), std::string::npos);
    test::ContestFixture f;
    std::ifstream levelled(folder.file("halv.sco"), std::ios::binary);
    EXPECT_EQ(readContestFile(f.c(), levelled).kind, ContestReadResult::Kind::MissingNames);

    r = run("add " + example("individuell8.sco") + " " + example("individuell8.sco") + " ut2.sco");
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "Adderade inga resultat\n");
    EXPECT_TRUE(folder.exists("ut2.sco"));

    r = run("add " + example("kväll8.sco") + " " + example("individuell8.sco") + " ut3.sco");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_FALSE(folder.exists("ut3.sco"));

    folder.write(
        "fel.sco",
        "%SCO2 \r\nT\r\nD\r\nA\r\nV\r\n 1  1  2   420     2     0\r\n 1  2  3   420     2     0\r\n");
    folder.write("tom.sco", "%SCO2 \r\nT\r\nD\r\nA\r\nV\r\n-1 1 1\r\n");
    r = run("add tom.sco fel.sco ut4.sco");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("Fel i infilen. Par 2"), std::string::npos) << r.err;
    EXPECT_FALSE(folder.exists("ut4.sco"));
}

TEST_F(Cli, DealsAreImportedOnce) {
    // A BRI file with the deals of the eight-pair evening.
    test::ContestFixture f;
    loadRegister(test::examplePath("medlem.txt"), *f.reg);
    f.c().reset(*f.reg);
    std::ifstream in(test::examplePath("kväll8.sco"), std::ios::binary);
    ASSERT_EQ(readContest(f.c(), in), "");
    std::string bri;
    for (int b = 1; b <= 16; ++b) bri += codePairsText(f.c().boards[b]) + std::string(50, '0');
    folder.write("givar.bri", bri);

    CliRun r = run("deals " + example("individuell8.sco") + " givar.bri ut.sco " + exampleRegister());
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "Läste bara 16 givar\n");
    test::ContestFixture g;
    loadRegister(test::examplePath("medlem.txt"), *g.reg);
    g.c().reset(*g.reg);
    std::ifstream out(folder.file("ut.sco"), std::ios::binary);
    ASSERT_EQ(readContest(g.c(), out), "");
    EXPECT_EQ(g.c().dealCount, 16);
    EXPECT_EQ(codePairsText(g.c().boards[16]), codePairsText(f.c().boards[16]));

    r = run("deals ut.sco givar.bri ut2.sco");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "Du har redan läst in givar\n");
    folder.write("givar.Bri", bri);
    r = run("deals " + example("individuell8.sco") + " givar.Bri ut2.sco");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("Okänd sorts givfil"), std::string::npos) << r.err;
    r = run("deals " + example("individuell8.sco") + " saknas.pbn ut2.sco");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_FALSE(folder.exists("ut2.sco"));
}

TEST_F(Cli, MovementSetsUpAsKlarDoesAndRefusesBrokenTexts) {
    // A name with a line break would make a file that cannot be read back.
    CliRun r = run(
        "movement --boards 21 --rounds 7 --pairs 8 --name \"$(printf 'Kv\\303\\244ll\\n-1 99 1')\" ut.sco");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "Indata ej OK: Tävlingens namn får inte innehålla radbrytningar eller styrtecken\n");
    EXPECT_FALSE(folder.exists("ut.sco"));
    r = run("movement --boards 21 --rounds 7 --pairs 8 --arranger \"$(printf 'BK\\tVindeln')\" ut.sco");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_FALSE(folder.exists("ut.sco"));

    // No built-in movement for 10 pairs: the card chosen with --guide gives the counts.
    r = run("movement --boards 24 --rounds 8 --pairs 10 --date 2026-12-08 ut.sco");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("med --guide"), std::string::npos) << r.err;
    r = run("movement --boards 24 --rounds 8 --pairs 10 --date 2026-12-08 --guide " +
            example("P10_mitchell.gui") + " ut.sco");
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "ut.sco: 25 givar, 5 ronder, max parnr 10\n");
    test::ContestFixture f;
    std::ifstream in(folder.file("ut.sco"), std::ios::binary);
    ASSERT_EQ(readContest(f.c(), in), "");
    EXPECT_EQ(f.c().boardCount, 25);
    EXPECT_EQ(f.c().boards[25].resultCount, 5);
    EXPECT_EQ(f.c().contestDate, "2026-12-08");
}

TEST_F(Cli, MistypedOptionsAndLostOutputAreNotJobsDone) {
    // An option the verb does not take is wrong usage, not a job done the default way.
    CliRun r = run("html " + example("kväll8.sco") + " sida --orde P");
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.err.find("Okänt val: --orde"), std::string::npos) << r.err;
    EXPECT_FALSE(folder.exists("sida.html"));
    r = run("check " + example("kväll8.sco") + " --o 1");
    EXPECT_EQ(r.exitCode, 2);
    // The options a verb names, and --register, are taken wherever they stand.
    r = run("oldhtml --ids " + example("kväll8.sco") + " --order P sida " + exampleRegister());
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(folder.exists("sida.html"));

    // A view that cannot be written out was not shown.
    const std::string command = quoted(cliPath()) + " standings " + example("kväll8.sco") + " >/dev/full 2>" +
                                quoted(folder.file("err.txt"));
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_EQ(folder.read("err.txt"), "Kunde inte skriva utdata\n");
}

TEST_F(Cli, FacitKeepsTheAnalysisBesideTheContestAndExportsUseIt) {
    ASSERT_EQ(run("movement --boards 2 --rounds 1 --pairs 4 --no-guide --date 2026-12-08 s.sco").exitCode, 0);
    folder.write(
        "s.pbn",
        "% PBN 2.1\r\n[Deal \"N:AKQJT98765432... .AKQJT98765432.. ..AKQJT98765432. ...AKQJT98765432\"]\r\n"
        "[Deal \"N:AKQJ.AKQ.AKQ.AKQ T98.JT9.JT9.JT98 765.876.8762.765 432.5432.543.432\"]\r\n");
    ASSERT_EQ(run("deals s.sco s.pbn s.sco").exitCode, 0);
    const std::string contest = folder.read("s.sco");

    const CliRun first = run("facit s.sco ut.sco");
    EXPECT_EQ(first.exitCode, 0) << first.err;
    EXPECT_NE(first.err.find("Analyserar giv 2 av 2"), std::string::npos);
    EXPECT_NE(first.out.find("Giv 2  G: \xc3\x96st  Z: NS\n"), std::string::npos);
    EXPECT_NE(first.out.find("Par: NS +2220 (7NT NS)"), std::string::npos);
    EXPECT_EQ(folder.read("ut.sco"), contest);  // the contest file itself is unchanged
    EXPECT_TRUE(folder.exists("ut.facit"));

    // The kept analysis is used, never computed again.
    const CliRun again = run("facit ut.sco");
    EXPECT_EQ(again.err, "");
    EXPECT_NE(again.out.find("Par: NS +1510 (7S NS)"), std::string::npos);
    ASSERT_EQ(run("pbn ut.sco ut").exitCode, 0);
    EXPECT_NE(folder.read("ut.pbn").find("[DoubleDummyTricks \"0d0d00d0d000d0d00d0d\"]"), std::string::npos);
    EXPECT_EQ(run("facit s.sco a.sco b.sco").exitCode, 2);
}

TEST_F(Cli, SiteWritesThePlayersPagesWithTheContractsBesideTheContest) {
    const CliRun r = run("site " + example("kväll16.sco") + " resultat " + exampleRegister());
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "Skrev resultatsidorna i resultat\n");
    int pages = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder.file("resultat"))) {
        ++pages;
        EXPECT_EQ(entry.path().extension(), ".html");
    }
    EXPECT_EQ(pages, 1 + 16 + 24);
    // examples/kväll16.kontrakt: board 1, pairs 1 and 9, four hearts by East making 12 tricks.
    EXPECT_NE(folder.read("resultat/giv1.html").find("4<span class=\"red\">\xe2\x99\xa5</span> \xc3\x96 +2"),
              std::string::npos);
    EXPECT_NE(folder.read("resultat/index.html").find("Par 11"), std::string::npos);

    folder.write("trasig.sco", "inte en t\xe4vling\r\n");
    EXPECT_EQ(run("site trasig.sco ut").exitCode, 1);
    EXPECT_FALSE(folder.exists("ut"));
    EXPECT_EQ(run("site " + example("kväll16.sco")).exitCode, 2);
}

// kväll16 round 1: table 1 seats 1 NS against 9 on boards 1-3, whose NS scores -480, +600 and
// -50 took 2, 10 and 2 of 12; turned round, pair 1 holds the EW side: 10, 2 and 10, 8 more.
TEST_F(Cli, ACorrectionSavesTheContractsWithTheirResultsOrLeavesTheFileAsItWas) {
    const std::string reg = exampleRegister();
    EXPECT_NE(run("standings " + example("kväll16.sco") + " " + reg)
                  .out.find(" 1 Åberg Karin & Åkesson Lars                128.0"),
              std::string::npos);
    const CliRun turned = run("vand-bord " + example("kväll16.sco") + " ut.sco 1 1 " + reg);
    ASSERT_EQ(turned.exitCode, 0) << turned.err;
    EXPECT_EQ(turned.out, "NS/ÖV omvända bord 1, rond 1\nÄndrade givar: 1, 2, 3\n");
    const std::string standings = run("standings ut.sco " + reg).out;
    EXPECT_NE(standings.find(" 1 Åberg Karin & Åkesson Lars                136.0"), std::string::npos);
    // examples/kväll16.kontrakt: board 1, four hearts by East making 12, now 9's against 1.
    const std::string contracts = folder.read("ut.kontrakt");
    EXPECT_NE(contracts.find("\n1 9 1 4H E 12\r"), std::string::npos);
    EXPECT_EQ(contracts.find("\n1 1 9 "), std::string::npos);

    // Pair 9 played board 2 as well: the file stays as it was.
    const std::string before = folder.read("ut.sco");
    const CliRun refused = run("flytta-resultat ut.sco ut.sco 1 9 1 2 " + reg);
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.err, "Par 9 har redan ett resultat på giv 2\n");
    EXPECT_EQ(folder.read("ut.sco"), before);

    // The journal beside it tells each result turned round, and goes with the contest to a new file.
    const std::string log = run("log ut.sco").out;
    EXPECT_NE(log.find("kommandorad vand-bord 1 1\n"), std::string::npos) << log;
    EXPECT_NE(log.find("resultat giv 1, bord 1\n          NS 1 – ÖV 9: -480 » NS 9 – ÖV 1: -480"),
              std::string::npos)
        << log;
    ASSERT_EQ(run("byt-par ut.sco ut2.sco 2 9 1 " + reg).exitCode, 0);
    const std::string carried = run("log ut2.sco").out;
    EXPECT_EQ(carried.substr(0, log.size()), log);
    EXPECT_NE(carried.find("kommandorad byt-par 2 9 1\n"), std::string::npos) << carried;
    // A journal that cannot be read is never written over: nothing is saved.
    folder.write("ut.logg", "%LOGG 1\r\ntrasig\r\n");
    const CliRun unread = run("byt-par ut.sco ut.sco 2 9 1 " + reg);
    EXPECT_EQ(unread.exitCode, 1);
    EXPECT_NE(unread.err.find("ingenting sparades i ut.sco"), std::string::npos) << unread.err;
    EXPECT_EQ(folder.read("ut.sco"), before);
    EXPECT_EQ(folder.read("ut.logg"), "%LOGG 1\r\ntrasig\r\n");
    EXPECT_EQ(run("log ut.sco").exitCode, 1);
    const CliRun checked = run("check ut.sco " + reg);
    EXPECT_EQ(checked.exitCode, 1);
    EXPECT_NE(checked.err.find("ut.logg: "), std::string::npos) << checked.err;
}

}  // namespace
}  // namespace vindelkast
