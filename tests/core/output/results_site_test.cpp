// The players' results pages: the whole folder of a played evening, what a table may see
// while the evening goes on, and the folder on disk.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <regex>
#include <string>

#include "../files/temp_folder.h"
#include "files/edit_journal.h"
#include "files/text_encoding.h"
#include "model/board_results.h"
#include "output/deal_text.h"
#include "output/results_site.h"
#include "output/site_facts.h"
#include "output/site_html.h"
#include "output/site_pages.h"
#include "output_samples.h"
#include "support/sample_analysis.h"
#include "support/sample_evening.h"
#include "support/test_text.h"

namespace vindelkast {
namespace {

using Site = std::map<std::string, std::string>;

Site siteOf(const Contest& contest, const SiteView& view) {
    Site site;
    for (SitePage& page : resultsSite(contest, view)) site[page.file] = std::move(page.text);
    return site;
}

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(ResultsSite, APlayedEveningIsOneFolderOfLinkedPagesWithContractsAndAnalysis) {
    test::MitchellEvening e;
    e.play(7);
    test::keepSampleAnalyses(e.c());
    const Site site = siteOf(e.c(), publishedView(e.c()));
    ASSERT_EQ(site.size(), 1u + 16u + 24u);

    static const std::regex href("href=\"([^\"]*)\"");
    for (const auto& [file, text] : site) {
        EXPECT_TRUE(utf8ToCp1252(text).has_value() || contains(text, "\xe2\x99")) << file;
        EXPECT_EQ(text.rfind("<!DOCTYPE html>\n<html lang=\"sv\">", 0), 0u) << file;
        // Nothing from elsewhere and nothing that needs a script: the folder works copied anywhere.
        EXPECT_FALSE(contains(text, "<script") || contains(text, "src=") || contains(text, "//")) << file;
        for (auto m = std::sregex_iterator(text.begin(), text.end(), href); m != std::sregex_iterator();
             ++m) {
            const std::string target = (*m)[1].str().substr(0, (*m)[1].str().find('#'));
            EXPECT_TRUE(site.count(target)) << file << " links to " << target;
        }
    }
    // A Mitchell: NS and ÖV ranked apart; pair 11 has results, so it is listed, as "Par 11".
    const std::string& index = site.at("index.html");
    EXPECT_TRUE(contains(index, "<h2>Resultat NS</h2>"));
    EXPECT_TRUE(contains(index, "<h2>Resultat \xc3\x96V</h2>"));
    EXPECT_TRUE(contains(index, "<a href=\"par11.html\">Par 11</a>"));
    for (int b = 1; b <= 24; ++b) EXPECT_TRUE(contains(index, "href=\"giv" + std::to_string(b) + ".html\""));

    // Board 5: the deal with Swedish honours and red hearts, the analysis, the traveller.
    const Contest& c = e.c();
    const std::string& board = site.at("giv5.html");
    EXPECT_TRUE(contains(
        board, "<span class=\"red\">\xe2\x99\xa5</span> " + html(swedishSuitText(c.boards[5], North, 1))));
    EXPECT_TRUE(contains(board, "<h2>Dubbelt dummy</h2>") && contains(board, "<p>Par: "));
    const BoardResult& r = c.boards[5].results[0];
    const PlayedContract played = test::MitchellEvening::contractFor(5, r.nsPair, r.ewPair);
    const std::string pairs = "<a href=\"par" + std::to_string(r.nsPair) + ".html\">" +
                              std::to_string(r.nsPair) + "</a>\xe2\x80\x93<a href=\"par" +
                              std::to_string(r.ewPair) + ".html\">" + std::to_string(r.ewPair) + "</a>";
    const std::string contract = contractWith(played.contract, symbolStrains(), "Pass") +
                                 (played.contract.passedOut() ? ""
                                                              : " " + html(swedishSeat(played.declarer)) +
                                                                    " " + tricksAgainstContract(played));
    EXPECT_TRUE(contains(board, pairs + "</td><td class=\"con\">" + contract + "</td><td class=\"n\">" +
                                    std::to_string(r.nsScore) + "</td><td class=\"n\">" +
                                    decimalText(r.nsPoints, true) + "</td><td class=\"n\">" +
                                    decimalText(r.ewPoints, true) + "</td>"))
        << board;
    // The same result on the NS pair's card, with its tricks, linked back to the board.
    const std::string card = site.at("par" + std::to_string(r.nsPair) + ".html");
    EXPECT_TRUE(contains(card, "<a href=\"giv5.html\">5</a></td><td>" +
                                   contractWith(played.contract, symbolStrains(), "Pass")));
    EXPECT_TRUE(contains(card, "NS mot <a href=\"par" + std::to_string(r.ewPair) + ".html\">"));
    EXPECT_TRUE(contains(site.at("par11.html"), "<h1>Par 11</h1>"));
}

TEST(ResultsSite, ATableSeesNoBoardBeforeItHasPlayedIt) {
    test::MitchellEvening e;
    e.play(3);
    const Contest& c = e.c();
    // Pairs 1 and 12 sit at a table in round 4; each has played boards the other has not.
    const SiteView view = tableView(c, {1, 12});
    const Site site = siteOf(c, view);
    int hidden = 0;
    for (int b = 1; b <= 24; ++b) {
        const bool bothPlayed = pairScore(c.boards[b], 1) > kNoScore && pairScore(c.boards[b], 12) > kNoScore;
        EXPECT_EQ(view.shows(b), bothPlayed) << b;
        if (bothPlayed) continue;
        ++hidden;
        const std::string file = "giv" + std::to_string(b) + ".html";
        EXPECT_FALSE(site.count(file));
        for (const auto& [name, text] : site)
            EXPECT_FALSE(contains(text, file)) << name << " links to " << file;
        const std::string page = resultsPage(c, view, file);  // as the server will answer it
        EXPECT_TRUE(contains(page, "visas n\xc3\xa4r ert bord har spelat den"));
        // No card, no analysis, no traveller.
        EXPECT_FALSE(contains(page, "class=\"red\"") || contains(page, "class=\"blk\"") ||
                     contains(page, "Resultat") || contains(page, "Par: "));
        // Another pair's card keeps its row of the board empty.
        const Board& board = c.boards[b];
        for (int i = 0; i < board.resultCount; ++i) {
            const BoardResult& r = board.results[i];
            if (r.nsScore <= kNoScore || r.nsPair == 1 || r.ewPair == 12) continue;
            EXPECT_TRUE(
                contains(site.at("par" + std::to_string(r.nsPair) + ".html"),
                         "<tr><td class=\"n\">" + std::to_string(b) + "</td><td colspan=\"6\"></td></tr>"));
        }
    }
    EXPECT_GT(hidden, 0);
    // Their own cards too keep the rows of boards the other pair at the table has yet to play:
    // pair 12 must not read pair 1's contracts on them, nor pair 1 pair 12's.
    for (int pair : {1, 12}) {
        const int other = pair == 1 ? 12 : 1;
        const std::string card = site.at("par" + std::to_string(pair) + ".html");
        for (int b = 1; b <= 24; ++b) {
            if (pairScore(c.boards[b], pair) <= kNoScore) continue;
            const bool open = pairScore(c.boards[b], other) > kNoScore;
            EXPECT_EQ(contains(card, "<tr><td class=\"n\">" + std::to_string(b) +
                                         "</td><td colspan=\"6\"></td></tr>"),
                      !open)
                << pair << " " << b;
        }
    }
    // The standings say how far the evening has come.
    EXPECT_TRUE(contains(site.at("index.html"), "<h2>St\xc3\xa4llning NS efter 3 av 7 ronder</h2>"));
    // Pages by the names a request gives; anything else is no page.
    EXPECT_EQ(resultsPage(c, view, ""), site.at("index.html"));
    EXPECT_EQ(resultsPage(c, view, "par11.html"), site.at("par11.html"));
    for (const char* name :
         {"par17.html", "giv25.html", "giv05.html", "../index.html", "par1.htm", "giv.html"})
        EXPECT_EQ(resultsPage(c, view, name), "") << name;
    // Once the evening is over, everybody sees every board. Only the pages the table server
    // answers lead back to the table's page; a written folder has none.
    EXPECT_EQ(siteOf(c, publishedView(c)).size(), 1u + 16u + 24u);
    for (const auto& [name, text] : siteOf(c, publishedView(c)))
        EXPECT_FALSE(contains(text, "/bord")) << name;
    SiteView served = view;
    served.linkToTable = true;
    EXPECT_TRUE(
        contains(resultsPage(c, served, "giv1.html"), "<nav><a href=\"/bord\">\xe2\x86\x90 Till bordet</a>"));
}

TEST(ResultsSite, PairsWhoSitBothWaysShareOneListAndNamesAreEscaped) {
    test::Evening f;
    const Site site = siteOf(f.c(), publishedView(f.c()));
    const std::string& index = site.at("index.html");
    EXPECT_TRUE(contains(index, "<h2>Resultat</h2>"));
    EXPECT_FALSE(contains(index, "Resultat NS"));
    EXPECT_TRUE(contains(index, "&lt;script&gt; \xc3\x89va"));
    EXPECT_TRUE(contains(index, "H&amp;M \xc3\x84rla"));
    EXPECT_FALSE(site.count("par8.html"));  // the bye pair
    EXPECT_TRUE(contains(site.at("giv2.html"), "Just. 60/40"));

    // In two sections each has its list, and a pair is shown by its section: pair 5 is B1.
    f.c().sections = sectionsOfSizes({4, 4}, true);
    const std::string sectioned = siteOf(f.c(), publishedView(f.c())).at("index.html");
    EXPECT_TRUE(contains(sectioned, "<h2>Resultat sektion A</h2>"));
    EXPECT_TRUE(contains(sectioned, "<h2>Resultat sektion B</h2>"));
    EXPECT_TRUE(contains(sectioned, "<a href=\"par5.html\">B1</a>"));
    EXPECT_LT(sectioned.find("<a href=\"par4.html\">A4</a>"), sectioned.find("sektion B"));
    EXPECT_TRUE(contains(siteOf(f.c(), publishedView(f.c())).at("par5.html"), "Par B1"));
}

TEST(ResultsSite, TheFolderGetsEveryPageAndLosesOnlyPagesOfAnEarlierSite) {
    test::TempFolder folder;
    test::MitchellEvening e;
    e.play(7);
    folder.write("giv30.html", "old board");
    folder.write("par70.html", "old pair");
    folder.write("notes.txt", "the director's own");
    ASSERT_EQ(writeResultsSite(e.c(), {}, folder.file("site")), "");  // a new folder is made
    ASSERT_EQ(writeResultsSite(e.c(), {}, folder.file("")), "");
    EXPECT_EQ(folder.read("index.html"), resultsSite(e.c(), publishedView(e.c())).front().text);
    EXPECT_TRUE(std::filesystem::exists(folder.file("site/giv24.html")));
    EXPECT_FALSE(std::filesystem::exists(folder.file("giv30.html")));
    EXPECT_FALSE(std::filesystem::exists(folder.file("par70.html")));
    EXPECT_TRUE(std::filesystem::exists(folder.file("notes.txt")));
    // Boards changed once the results were out say so, at their last change; one changed before
    // is the evening's own scoring. The standings list them in the order they were corrected.
    std::vector<JournalEntry> journal = {{"2026-12-10 21:10:00", kTypedSource, "giv 3", "", "", {3}},
                                         {"2026-12-10 22:00:00", kDirectorSource, kPublishedWhat, "", "", {}},
                                         {"2026-12-10 22:30:00", "bord 2", "giv 12", "", "", {12}},
                                         {"2026-12-10 22:41:00", kTypedSource, "giv 7", "", "", {7}},
                                         {"2026-12-10 22:48:00", "bord 5", "giv 12", "", "", {12}}};
    ASSERT_EQ(writeResultsSite(e.c(), journal, folder.file("")), "");
    EXPECT_TRUE(
        contains(folder.read("index.html"), "<p class=\"corr\">Rättat 22:41: giv 7, 22:48: giv 12</p>"));
    EXPECT_TRUE(
        contains(folder.read("giv7.html"), "<h1>Giv 7</h1>\n<p class=\"corr\">Rättat 22:41: giv 7</p>"));
    EXPECT_FALSE(contains(folder.read("giv3.html"), "Rättat"));
    // Never published, nothing was corrected.
    journal.erase(journal.begin() + 1);
    ASSERT_EQ(writeResultsSite(e.c(), journal, folder.file("")), "");
    EXPECT_FALSE(contains(folder.read("index.html"), "Rättat") ||
                 contains(folder.read("giv7.html"), "Rättat"));
    // An old page that cannot be removed is named, not left without a word.
    std::filesystem::create_directories(folder.file("par71.html/inside"));
    EXPECT_EQ(test::u(writeResultsSite(e.c(), {}, folder.file(""))),
              "Kunde inte ta bort gamla sidor i mappen " + folder.file("") + ": par71.html");
    std::filesystem::remove_all(folder.file("par71.html"));
    // A page that cannot be written stops the site before any page is replaced.
    std::filesystem::create_directories(folder.file("blocked/giv24.html"));
    EXPECT_EQ(test::u(writeResultsSite(e.c(), {}, folder.file("blocked"))),
              "Kunde inte skriva filen " + folder.file("blocked/giv24.html"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.file("blocked")), {}), 1);
    // A file where the folder should be is refused with a message.
    EXPECT_EQ(test::u(writeResultsSite(e.c(), {}, folder.file("notes.txt"))),
              "Kunde inte skapa mappen " + folder.file("notes.txt"));
}

TEST(ResultsSite, AnEveningsFolderAmongTheSeasonsIsNamedFromItsDateAndName) {
    EXPECT_EQ(eveningFolder("2024-03-11", test::w("Måndagsbridge")), "2024-03-11-mandagsbridge");
    EXPECT_EQ(eveningFolder("2015-07-28", test::w("GRÖNA  Hissen, café!")), "2015-07-28-grona-hissen-cafe");
    // Nothing in a contest's name can lead the link out of the folder.
    EXPECT_EQ(eveningFolder("2024-01-08", "../../etc/passwd"), "2024-01-08-etc-passwd");
    EXPECT_EQ(eveningFolder("2024-01-08", "/ .. /"), "2024-01-08");
}

}  // namespace
}  // namespace vindelkast
