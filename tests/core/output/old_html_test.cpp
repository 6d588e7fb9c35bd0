#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "files/contest_file.h"
#include "model/board_results.h"
#include "model/member_register.h"
#include "model/name_forms.h"
#include "model/result_order.h"
#include "output/old_html_page.h"
#include "output/page_parts.h"
#include "output_samples.h"
#include "support/test_text.h"

namespace vindelkast {
namespace {

using test::w;

std::string oldPage(Contest& c, int order = ScoreOrder, bool withIdentity = false) {
    std::ostringstream out;
    writeOldHtml(c, out, order, withIdentity);
    settleAfterPageExport(c, order);  // as the window's command does
    return out.str();
}

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

// The lines of the board section: from the first frame line to the last rule.
std::vector<std::string> boardSection(const std::string& page) {
    std::vector<std::string> lines = splitLines(page);
    std::vector<std::string> section;
    bool inside = false;
    for (const std::string& line : lines) {
        if (!inside && line.rfind("!  ", 0) == 0) inside = true;
        if (line == "</PRE>") break;
        if (inside || (!section.empty())) section.push_back(line);
        if (!inside && line == std::string(63, '-')) section.clear();
    }
    return section;
}

TEST(OldHtmlPage, HeadStandingsAndEmbeddedContest) {
    test::Evening f;
    Contest& c = f.c();
    const std::string page = oldPage(c);
    const std::vector<std::string> lines = splitLines(page);
    ASSERT_GT(lines.size(), 20u);
    EXPECT_EQ(lines[0], "<HTML>");
    EXPECT_EQ(lines[2], "<TITLE>H&ouml;stcup &amp; &lt;b&gt;fest&lt;/b&gt;</TITLE>");
    EXPECT_EQ(lines[3], "<META  name=Arranger      content=\"S&amp;B &quot;Vinden&quot;\">");
    EXPECT_EQ(lines[4], "<META  name=ContestDate   content=\"2024-10-08\">");
    EXPECT_EQ(lines[7], "<META  name=PairCount     content=\"7\">");
    EXPECT_EQ(lines[8], "<!-- sco-fil");
    EXPECT_EQ(page.find("<script>"), std::string::npos);
    EXPECT_NE(page.find(w("&lt;script&gt; Éva &amp; Efternamn4 F&ouml;rnamn4    \r\n")), std::string::npos);
    // Tied pairs 3 and 4: the second has an empty place, and numbering goes on at 6.
    EXPECT_NE(page.find(" 4   3    15.6  43.3  "), std::string::npos);
    EXPECT_NE(page.find("\r\n     4    15.6  43.3  "), std::string::npos);
    EXPECT_NE(page.find("\r\n 6   5    15.0  41.7  "), std::string::npos);
    EXPECT_EQ(page.find("Dummy"), std::string::npos);

    // Answering No to "Utan idnummer" adds the identity numbers and "Dummy".
    const std::string withIds = oldPage(c, ScoreOrder, true);
    EXPECT_NE(withIds.find("&Auml;rla                  +17   1234   Dummy\r\n"), std::string::npos);

    // The comment holds the contest file, which reads back to the same contest.
    const std::string block = test::linesBetween(page, "Content-Transfer-Encoding: base64", "-->");
    ASSERT_FALSE(block.empty());
    const std::string file = test::decodeBase64(block);
    EXPECT_EQ(file, contestFileText(c, c.writerVersion));
    test::ContestFixture back;
    test::fillRegister(*back.reg, 0);
    std::istringstream in(file);
    readContest(back.c(), in);
    EXPECT_EQ(back.c().contestName, c.contestName);
    EXPECT_EQ(back.c().boardCount, 9);
    EXPECT_EQ(back.c().dealCount, 7);
    for (int b = 1; b <= 9; ++b) {
        ASSERT_EQ(back.c().boards[b].resultCount, c.boards[b].resultCount) << b;
        for (int i = 0; i < c.boards[b].resultCount; ++i) {
            const BoardResult& r = c.boards[b].results[i];
            const BoardResult* found = findResult(back.c().boards[b], r.nsPair, r.ewPair);
            ASSERT_NE(found, nullptr) << b;
            EXPECT_EQ(found->nsScore, r.nsScore);
        }
        for (int seat = 0; seat < 4; ++seat)
            for (int k = 0; k < 13; ++k)
                EXPECT_EQ(back.c().boards[b].deal[seat][k].code, c.boards[b].deal[seat][k].code);
    }
    for (int p = 1; p <= 7; ++p)
        EXPECT_EQ(pairName(back.c(), p, NameForm::Long), pairName(c, p, NameForm::Long)) << p;

    EXPECT_EQ(identityText(c, 1), "   +17   1234 ");
    c.participants[5].second = nullptr;
    EXPECT_EQ(identityText(c, 5), "    +9     +0 ");
    EXPECT_EQ(identityText(c, 9), "");
}

TEST(OldHtmlPage, BoardBlocksKeepTheFrameAndRestoreTheOrder) {
    test::Evening f;
    Contest& c = f.c();
    setResultOrder(c, PairOrder);
    const BoardResult firstBefore = c.boards[2].results[0];
    const std::string page = oldPage(c, ScoreOrder);
    EXPECT_EQ(c.resultOrder, PairOrder);
    EXPECT_EQ(c.boards[2].results[0].nsPair, firstBefore.nsPair);

    const std::vector<std::string> section = boardSection(page);
    ASSERT_FALSE(section.empty());
    // Four full blocks of 63 characters, then board 9 alone in 32.
    ASSERT_EQ(section.size(), 4u * 20u + 9u);
    for (std::size_t i = 0; i < section.size(); ++i)
        EXPECT_EQ(section[i].size(), i < 80 ? 63u : 32u) << "line " << i << ": " << test::u(section[i]);
    EXPECT_EQ(section.back(), std::string(32, '-'));
    EXPECT_EQ(section[section.size() - 8], "! Bricka  9                    !");

    // Board 1 in the diagram: North holds every spade, the other seats show "--" for voids.
    EXPECT_EQ(section[1], "!  1     AKQJT98765432         !  2     KJ4                   !");
    EXPECT_EQ(section[2], w("! Nord   --                    ! Öst    73                    !"));
    EXPECT_EQ(section[9], "!         --                   !         9                    !");
    EXPECT_EQ(section[14], "!     Par     Res      Po      !     Par     Res      Po      !");
    // Board 2 in result order: the adjusted NS 60 / EW 40 first, rounded; tenths elsewhere.
    EXPECT_EQ(section[15], "!    7  2   450      4   0     !      3  4    %+-   2   2     !");
    EXPECT_EQ(section[16], "!    3  4   420      1   3     !    7  2   140     3.0  1.0   !");
    EXPECT_EQ(section[17], "!    5  6   420      1   3     !    5  6     -100   1.0  3.0  !");
    // Board 9: the unscored result shows its pairs only.
    EXPECT_EQ(section[section.size() - 3], "!    7  1                      !");
}

TEST(OldHtmlPage, UnequalResultCountsGetBlankCells) {
    test::Evening f;
    Contest& c = f.c();
    removePair(c.boards[3], 5);  // left board of the second block: two results
    removePair(c.boards[6], 7);
    removePair(c.boards[6], 4);  // right board of the third block: one result
    const std::vector<std::string> section = boardSection(oldPage(c));
    const std::string blank = "!" + std::string(30, ' ') + "!";
    // Block 2 starts after block 1's 20 lines; its travellers after 15 more.
    EXPECT_EQ(section[20 + 15 + 2], blank + "    1  3     -100   0   4     !");
    EXPECT_EQ(section[40 + 15 + 1], "!    6  7   100      2   2     !" + std::string(30, ' ') + "!");
    EXPECT_EQ(section[40 + 15 + 2], "!    4  5    -1430   0   4     !" + std::string(30, ' ') + "!");
    for (const std::string& line : section)
        EXPECT_TRUE(line.size() == 32 || line.size() == 63) << test::u(line);
}

TEST(OldHtmlPage, TiesAndIndividualContests) {
    test::TiedBoard f;
    const std::string page = oldPage(f.c());
    const std::vector<std::string> lines = splitLines(page);
    std::vector<std::string> places;
    for (const std::string& line : lines)
        if (line.size() > 40 && line.find("Efternamn") != std::string::npos)
            places.push_back(line.substr(0, 2));
    EXPECT_EQ(places, (std::vector<std::string>{" 1", " 2", "  ", " 4", "  ", " 6"}));
    EXPECT_NE(page.find("! Bricka  1                    !\r\n"), std::string::npos);

    test::ContestFixture ind;
    Contest& c = ind.c();
    test::fillRegister(*ind.reg, 8);
    c.isIndividual = true;
    test::setUp(c, 3, 1, 8);
    for (int b = 1; b <= 3; ++b) {
        addResult(c.boards[b], 1, 2, 1, kNoScore, 0, 0, true);
        addResult(c.boards[b], 5, 6, 1, kNoScore, 0, 0, true);
        setSecondPlayers(c.boards[b], 1, 3, 4);
        setSecondPlayers(c.boards[b], 5, 7, 8);
        test::enter(c, b, 1, 2, b == 2 ? 10055 : 100 * b);
    }
    for (int p = 1; p <= 8; ++p) c.participants[p].first = c.memberRegister->entry(p);
    c.participantCount = 8;
    const std::vector<std::string> section = boardSection(oldPage(c, ScoreOrder, true));
    for (const std::string& line : section)
        EXPECT_TRUE(line.size() == 32 || line.size() == 63) << test::u(line);
    EXPECT_NE(std::find(section.begin(), section.end(),
                        "!   1  3  2  4   100   0   0   !   1  3  2  4   %==   1  1    !"),
              section.end());
    EXPECT_NE(std::find(section.begin(), section.end(),
                        "!   5  7  6  8                 !   5  7  6  8                 !"),
              section.end());
    EXPECT_NE(std::find(section.begin(), section.end(), "!   5  7  6  8                 !"), section.end());
    EXPECT_EQ(identityText(c, 3), "    +3 ");
}

}  // namespace
}  // namespace vindelkast
