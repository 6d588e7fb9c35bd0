#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "model/board_results.h"
#include "output/xml_export.h"
#include "output_samples.h"

namespace vindelkast {
namespace {

std::size_t count(const std::string& text, const std::string& part) {
    std::size_t n = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
}

std::string xmlOf(const Contest& c) {
    std::ostringstream out;
    EXPECT_EQ(writeXml(c, out), "");
    return out.str();
}

void expectWellFormed(const std::string& xml) {
    std::string report;
    const int status = test::runXmllint("", xml, report);
    if (status != test::kNoXmllint) {
        EXPECT_EQ(status, 0) << report;
    }
}

TEST(XmlExport, EveningDocumentHoldsEveryPairDealAndResult) {
    test::Evening f;
    Contest& c = f.c();
    const std::string xml = xmlOf(c);
    expectWellFormed(xml);
    EXPECT_EQ(
        xml.rfind(
            "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n<bridgeData>\r\n<version>1.11</version>\r\n"
            "<contest>\r\n",
            0),
        0u);
    EXPECT_NE(
        xml.find(
            "<arranger>S&amp;B \"Vinden\"</arranger>\r\n<name>H\xf6stcup &amp; &lt;b&gt;fest&lt;/b&gt;</name>"
            "\r\n<date>2024-10-08</date>\r\n<contestType>pair</contestType>\r\n<pairN>7</pairN>\r\n"
            "<tableN>4</tableN>\r\n<mean>18</mean>\r\n<dealN>9</dealN>\r\n<result>\r\n<tNr>6</tNr>"),
        std::string::npos);
    EXPECT_EQ(count(xml, "<result>"), 7u);
    EXPECT_EQ(count(xml, "<team>"), 7u);
    EXPECT_EQ(count(xml, "<person>"), 14u);
    EXPECT_EQ(count(xml, "<deal>"), 7u);
    EXPECT_EQ(count(xml, "<dealResult>"), 27u);
    EXPECT_EQ(count(xml, "<south>"), 7u);  // the hands only: no players in a pairs contest
    EXPECT_EQ(xml.find("<tNr>8</tNr>"), std::string::npos);
    EXPECT_EQ(xml.find("fripar"), std::string::npos);

    // Pair 7: 21.3 of mean 18 is 59.17 %, written to one decimal.
    EXPECT_NE(xml.find("<tNr>7</tNr>\r\n<place>2</place>\r\n<score>21.3</score>\r\n<percent>59.2</percent>"),
              std::string::npos);
    // Pairs 3 and 4 tie on 15.6 and share place 4; pair 5 comes 6th.
    EXPECT_NE(xml.find("<tNr>3</tNr>\r\n<place>4</place>"), std::string::npos);
    EXPECT_NE(xml.find("<tNr>4</tNr>\r\n<place>4</place>"), std::string::npos);
    EXPECT_NE(xml.find("<tNr>5</tNr>\r\n<place>6</place>"), std::string::npos);
    EXPECT_NE(xml.find("<score>18</score>\r\n<percent>50</percent>"), std::string::npos);
    EXPECT_NE(
        xml.find(
            "<person>\r\n<pid>KLB:17</pid>\r\n<name>\xc5str\xf6m \xd6rjan</name>\r\n</person>\r\n<person>\r\n"
            "<pid>FBS:1234</pid>\r\n<name>H&amp;M \xc4rla</name>"),
        std::string::npos);
    EXPECT_NE(xml.find("<pid>DST:345</pid>\r\n<name>&lt;script&gt; \xc9va</name>"), std::string::npos);

    EXPECT_NE(xml.find("<deal>\r\n<dealNr>1</dealNr>\r\n<north>AKQJT98765432,--,--,--</north>\r\n"
                       "<east>--,AKQJT98765432,--,--</east>\r\n<south>--,--,AKQJT98765432,--</south>\r\n"
                       "<west>--,--,--,AKQJT98765432</west>\r\n</deal>"),
              std::string::npos);
    // Bridge score in nsPoints, matchpoints in nsScore and ewScore.
    EXPECT_NE(xml.find("<dealNr>2</dealNr>\r\n<nsPoints>%+-</nsPoints>\r\n<nsScore>2.4</nsScore>\r\n"
                       "<ewScore>1.6</ewScore>\r\n<north>3</north>\r\n<east>4</east>\r\n</dealResult>"),
              std::string::npos);
    EXPECT_NE(xml.find("<dealNr>9</dealNr>\r\n<nsPoints>-9999</nsPoints>\r\n<nsScore>-9999</nsScore>\r\n"
                       "<ewScore>-9999</ewScore>\r\n<north>7</north>\r\n<east>1</east>"),
              std::string::npos);

    // One club has codes of its own; a missing member has empty identity and name.
    c.arranger = "Vindelns BK";
    c.participants[5].second = nullptr;
    const std::string own = xmlOf(c);
    expectWellFormed(own);
    EXPECT_NE(own.find("<pid>VDL:1234</pid>"), std::string::npos);
    EXPECT_NE(own.find("<person>\r\n<pid></pid>\r\n<name></name>\r\n</person>"), std::string::npos);
    EXPECT_EQ(xmlPersonId(c, nullptr), "");
}

TEST(XmlExport, TextsThatLookLikeMarkupStayWellFormed) {
    test::TiedBoard f;
    Contest& c = f.c();
    c.contestName = "H&M Cup </name><x>";
    c.arranger = "\x93Klubben\x94 \x80";
    c.contestDate = std::string("2024\x01-10", 8);
    c.participants[1].first->surname = "A<B>&C";
    c.participants[6].first = c.byeMember;  // seated as the bye person: not listed
    const std::string xml = xmlOf(c);
    expectWellFormed(xml);
    EXPECT_NE(xml.find("<name>H&amp;M Cup &lt;/name&gt;&lt;x&gt;</name>"), std::string::npos);
    EXPECT_NE(xml.find("<arranger>&#8220;Klubben&#8221; &#8364;</arranger>"), std::string::npos);
    EXPECT_NE(xml.find("<date>2024-10</date>"), std::string::npos);
    // Places 1, 2, 2, 4, 4, 6 for the totals 4, 3, 3, 1, 1, 0.
    EXPECT_NE(xml.find("<tNr>1</tNr>\r\n<place>2</place>"), std::string::npos);
    EXPECT_NE(xml.find("<tNr>3</tNr>\r\n<place>2</place>"), std::string::npos);
    EXPECT_NE(xml.find("<tNr>4</tNr>\r\n<place>4</place>"), std::string::npos);
    EXPECT_NE(xml.find("<tNr>5</tNr>\r\n<place>6</place>"), std::string::npos);
    EXPECT_EQ(xml.find("<tNr>6</tNr>"), std::string::npos);
    // No deals stored: no deal elements.
    EXPECT_EQ(count(xml, "<deal>"), 0u);
}

TEST(XmlExport, IndividualContestsAndTooFewScoredBoards) {
    test::ContestFixture ind;
    Contest& c = ind.c();
    test::fillRegister(*ind.reg, 8);
    c.isIndividual = true;
    test::setUp(c, 4, 2, 8);
    for (int b = 1; b <= 4; ++b) {
        addResult(c.boards[b], 1, 2, 1, kNoScore, 0, 0, true);
        addResult(c.boards[b], 5, 6, 1, kNoScore, 0, 0, true);
        setSecondPlayers(c.boards[b], 1, 3, 4);
        setSecondPlayers(c.boards[b], 5, 7, 8);
    }
    for (int p = 1; p <= 8; ++p) c.participants[p].first = c.memberRegister->entry(p);
    c.participantCount = 8;

    // Results entered round by round: nothing until board 2, the first round's last, is scored.
    test::enter(c, 1, 1, 2, 620);
    EXPECT_FALSE(xmlExportRefusal(c).empty());
    std::ostringstream refused;
    EXPECT_EQ(writeXml(c, refused), xmlExportRefusal(c));
    EXPECT_TRUE(refused.str().empty());

    test::enter(c, 2, 5, 6, -100);
    EXPECT_EQ(xmlExportRefusal(c), "");
    const std::string xml = xmlOf(c);
    expectWellFormed(xml);
    EXPECT_NE(xml.find("<contestType>ind</contestType>\r\n<pairN>8</pairN>\r\n<tableN>2</tableN>"),
              std::string::npos);
    EXPECT_EQ(count(xml, "<team>"), 8u);
    EXPECT_EQ(count(xml, "<person>"), 8u);
    EXPECT_EQ(count(xml, "<dealResult>"), 8u);
    EXPECT_EQ(count(xml, "<south>"), 8u);
    EXPECT_EQ(count(xml, "<west>"), 8u);
    EXPECT_NE(xml.find("<north>5</north>\r\n<east>6</east>\r\n<south>7</south>\r\n<west>8</west>"),
              std::string::npos);

    c.boardsPerRound = 0;
    c.boardHasScores = {};
    EXPECT_EQ(xmlExportRefusal(c), "");
}

}  // namespace
}  // namespace vindelkast
