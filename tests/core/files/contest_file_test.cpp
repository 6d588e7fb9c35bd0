#include <gtest/gtest.h>

#include <charconv>
#include <sstream>

#include "files/contest_file.h"
#include "files/member_file.h"
#include "files/text_encoding.h"
#include "files/text_fields.h"
#include "model/board_results.h"
#include "model/board_scoring.h"
#include "model/bridge_tables.h"
#include "model/name_forms.h"
#include "support/sample_contests.h"
#include "support/test_text.h"

namespace vindelkast {
namespace {

using test::w;

// A 14-pair evening over 24 boards in 8 rounds: three tables a round, pair 14 the bye.
void fillEvening(test::ContestFixture& f) {
    Contest& c = f.c();
    test::fillRegister(*f.reg, 30);
    c.contestName = w("Partävling");
    c.contestDate = "2015-07-27";
    c.arranger = w("Bridgeklubben Hjärter");
    test::setUp(c, 24, 8, 14);
    for (int b = 1; b <= 24; ++b) {
        for (int t = 0; t < 3; ++t) {
            const int ns = (b + 2 * t) % 13 + 1;
            const int ew = (b + 2 * t + 5) % 13 + 1;
            addResult(c.boards[b], ns, ew, t + 1, b % 5 == 0 && t == 2 ? kNoScore : 50 * (b + t) - 400, 0, 0,
                      true);
        }
        scoreBoard(c.boards[b], ScoringRule{});
        c.boardHasScores[b] = true;
    }
    setScore(c.boards[7].results[0], 10064);
    scoreBoard(c.boards[7], ScoringRule{});
    test::seatPairs(c, 13);
    c.participants[3].second = nullptr;
    c.participants[14] = {c.byeMember, c.byeMember};
    c.participantCount = 14;
    c.byePair = 14;
}

TEST(ContestFile, WritesTheFixedLayoutAndReadsBackTheSameContest) {
    test::ContestFixture f;
    fillEvening(f);
    const std::string text = contestFileText(f.c(), "3.23 2015-07-27");
    std::istringstream lines(text);
    std::string line;
    std::getline(lines, line);
    EXPECT_EQ(line, "%SCO2 \r");
    std::getline(lines, line);
    EXPECT_EQ(line, w("Partävling\r"));
    EXPECT_NE(text.find("\r\n-1 24 8\r\n"), std::string::npos);
    EXPECT_EQ(f.c().writerVersion, "3.23 2015-07-27");

    // The fixed layout of one result line.
    test::ContestFixture g;
    test::setUp(g.c(), 12, 1, 10);
    addResult(g.c().boards[1], 3, 4, 1, 420, 7, 1, true);
    addResult(g.c().boards[12], 1, 10, 1, kNoScore, 0, 0, true);
    const std::string small = contestFileText(g.c(), "v");
    EXPECT_NE(small.find("\r\n 1  3  4   420     7     1\r\n"), std::string::npos) << small;
    EXPECT_NE(small.find("\r\n12  1 10 -9999     0     0\r\n"), std::string::npos) << small;

    test::ContestFixture back;
    test::fillRegister(*back.reg, 30);
    std::istringstream in(text);
    const ContestReadResult read = readContestFile(back.c(), in);
    EXPECT_EQ(read.kind, ContestReadResult::Kind::Ok) << read.message;
    Contest& c = back.c();
    EXPECT_EQ(c.contestName, w("Partävling"));
    EXPECT_EQ(c.arranger, w("Bridgeklubben Hjärter"));
    EXPECT_EQ(c.boardCount, 24);
    EXPECT_EQ(c.roundCount, 8);
    EXPECT_EQ(c.boardsPerRound, 3);
    EXPECT_EQ(c.maxPairNumber, 14);
    EXPECT_EQ(c.byePair, 14);
    EXPECT_EQ(c.tableCount, 6);
    EXPECT_EQ(c.playingTableCount, 6);
    EXPECT_EQ(c.participantCount, 14);
    EXPECT_TRUE(c.setUpDone);
    EXPECT_EQ(c.participants[14].first, c.byeMember);
    EXPECT_EQ(c.participants[3].second, nullptr);
    EXPECT_EQ(pairName(c, 5, NameForm::Long), pairName(f.c(), 5, NameForm::Long));
    for (int b = 1; b <= 24; ++b) {
        ASSERT_EQ(c.boards[b].resultCount, f.c().boards[b].resultCount) << b;
        EXPECT_EQ(c.boardHasScores[b], true);
        for (int i = 0; i < c.boards[b].resultCount; ++i) {
            const BoardResult& x = c.boards[b].results[i];
            const BoardResult& y = f.c().boards[b].results[i];
            EXPECT_EQ(x.nsPair, y.nsPair);
            EXPECT_EQ(x.ewPair, y.ewPair);
            EXPECT_EQ(x.nsScore, y.nsScore);
            EXPECT_EQ(x.ewScore, y.ewScore);
            EXPECT_FLOAT_EQ(x.nsPoints, y.nsPoints);
            EXPECT_FLOAT_EQ(x.ewPoints, y.ewPoints);
            EXPECT_EQ(x.round, i + 1) << "slots are numbered in file order";
        }
    }
    EXPECT_EQ(contestFileText(c, "3.23 2015-07-27"), text) << "write, read, write gives the same bytes";
}

TEST(ContestFile, KindsDealsAndWidePointsSurviveARoundTrip) {
    test::ContestFixture f;
    Contest& c = f.c();
    c.isGronaHissen = c.isBarometer = true;
    c.ghVariant = 9999;
    test::setUp(c, 4, 2, 4);
    addResult(c.boards[1], 1, 2, 1, 420, 10.6667f, -4.125f, true);
    addResult(c.boards[1], 3, 4, 2, 100, 9876.54f, 0.5f, true);
    // Boards 1 and 2 get complete deals, board 3 an incomplete one.
    for (int b = 1; b <= 3; ++b)
        for (int code = 1; code <= 52; ++code)
            c.boards[b].deal[(code + b) % 4][(code - 1) / 4] = cardFromCode(code);
    c.boards[3].deal[East][5] = Card{};
    c.dealCount = 3;
    const std::string text = contestFileText(c, "x");
    EXPECT_EQ(c.dealCount, 2) << "the writer lowers the count to the complete deals";
    EXPECT_EQ(text.substr(0, 18), "%SCO2 %BAR %GH9999");
    EXPECT_NE(text.find("\r\n#2\r\n"), std::string::npos);

    test::ContestFixture back;
    std::istringstream in(text);
    EXPECT_EQ(readContest(back.c(), in), "");
    EXPECT_TRUE(back.c().isGronaHissen);
    EXPECT_TRUE(back.c().isBarometer);
    EXPECT_EQ(back.c().ghVariant, 9999);
    EXPECT_EQ(back.c().dealCount, 2);
    EXPECT_FLOAT_EQ(back.c().boards[1].results[0].nsPoints, 10.6667f);
    EXPECT_FLOAT_EQ(back.c().boards[1].results[0].ewPoints, -4.125f);
    EXPECT_FLOAT_EQ(back.c().boards[1].results[1].nsPoints, 9876.54f);
    for (int b = 1; b <= 2; ++b)
        for (int seat = 0; seat < 4; ++seat)
            for (int k = 0; k < 13; ++k)
                EXPECT_EQ(back.c().boards[b].deal[seat][k].code, c.boards[b].deal[seat][k].code)
                    << b << " " << seat << " " << k;
}

TEST(ContestFile, MembersWithoutNumbersOrWithTwoGivenNames) {
    const Member anna = parseMemberLine("Andersson Anna Maria 12345 3.5");
    EXPECT_EQ(anna.surname, "Andersson");
    EXPECT_EQ(anna.firstName, "Anna Maria");
    EXPECT_EQ(anna.memberId, 12345);
    EXPECT_DOUBLE_EQ(anna.handicap, 3.5);
    const Member berg = parseMemberLine("Berg 17 0");
    EXPECT_EQ(berg.firstName, "");
    EXPECT_EQ(berg.memberId, 17);
    const Member noId = parseMemberLine("Andersson Anna -1 0");
    EXPECT_EQ(noId.firstName, "Anna");
    EXPECT_EQ(noId.memberId, -1);
    EXPECT_DOUBLE_EQ(noId.handicap, 0);
    EXPECT_EQ(memberLine(noId), "Andersson Anna -1 0");
    const Member twoNames = parseMemberLine("Andersson Anna Maria");
    EXPECT_EQ(twoNames.firstName, "Anna Maria");
    EXPECT_EQ(twoNames.memberId, -1);
    const Member lone = parseMemberLine("Berg -1 2.5");
    EXPECT_EQ(lone.firstName, "");
    EXPECT_EQ(lone.memberId, -1);
    EXPECT_DOUBLE_EQ(lone.handicap, 2.5);
    EXPECT_EQ(memberLine(Member{"Berg", "", 17, 12}), "Berg 17 12");

    // A contest naming people the register lacks adds them, with both given names.
    test::ContestFixture f;
    std::istringstream in(
        "%SCO2 \r\nT\r\nD\r\nA\r\nV\r\n 1  1  2   420     2     0\r\n-1 1 1\r\n"
        "Andersson Anna Maria / Berg\r\n-- / --\r\n");
    const ContestReadResult read = readContestFile(f.c(), in);
    EXPECT_EQ(read.kind, ContestReadResult::Kind::MissingNames);
    EXPECT_EQ(read.message, "Andersson Anna Maria Berg ");
    ASSERT_NE(f.c().participants[1].first, nullptr);
    EXPECT_EQ(f.c().participants[1].first->firstName, "Anna Maria");
    EXPECT_EQ(f.c().participants[2].first, nullptr);
    EXPECT_EQ(f.reg->memberCount(), 3);
}

TEST(ContestFile, DamagedFilesNeverLoopOrReachOutsideTheContest) {
    struct Case {
        const char* text;
        ContestReadResult::Kind kind;
    };
    const Case cases[] = {
        {"no magic here\r\n", ContestReadResult::Kind::NotContest},
        {"%SCO2 \r\nT\r\nD\r\nA\r\nV\r\n72  1  2   420     2     0\r\n-1 72 0\r\n",
         ContestReadResult::Kind::Damaged},
        {"%SCO2 \r\nT\r\nD\r\nA\r\nV\r\n 1 99  2   420     2     0\r\n-1 1 1\r\n",
         ContestReadResult::Kind::Damaged},
        {"%SCO2 \r\nT\r\nD\r\nA\r\nV\r\n 1  1  x   420     2     0\r\n-1 1 1\r\n",
         ContestReadResult::Kind::Damaged},
        {"%SCO2 \r\nT\r\nD\r\nA\r\nV\r\n 1  1  2   420     2     0\r\n-1 3 9\r\n#9\r\n1234\r\n",
         ContestReadResult::Kind::Damaged},
        {"%SCO2 \r\nT\r\nD\r\nA\r\nV\r\n 1  1  1   420     2     0\r\n-1 1 1\r\n",
         ContestReadResult::Kind::Duplicate},
        {"%SCO2", ContestReadResult::Kind::Damaged},
    };
    {
        // A foreign file leaves the names typed before it was chosen.
        test::ContestFixture f;
        test::fillRegister(*f.reg, 4);
        test::seatPairs(f.c(), 2);
        std::istringstream in("Andersson Anna 12 0\r\n");
        EXPECT_EQ(readContestFile(f.c(), in).kind, ContestReadResult::Kind::NotContest);
        EXPECT_EQ(f.c().participantCount, 2);
        EXPECT_EQ(f.c().participants[2].second, f.reg->entry(4));
    }
    for (const Case& k : cases) {
        test::ContestFixture f;
        std::istringstream in(k.text);
        const ContestReadResult read = readContestFile(f.c(), in);
        EXPECT_EQ(read.kind, k.kind) << k.text << " -> " << read.message;
        EXPECT_LE(f.c().boardCount, kMaxBoard);
        EXPECT_LE(f.c().maxPairNumber, kMaxPair);
        EXPECT_GE(f.c().boardsPerRound, 0);
    }
    // More rounds than boards: no division by zero, a round of one board.
    test::ContestFixture f;
    std::istringstream in("%SCO2 \r\nT\r\nD\r\nA\r\nV\r\n 1  1  2   420     2     0\r\n-1 3 9\r\n");
    readContestFile(f.c(), in);
    EXPECT_EQ(f.c().boardsPerRound, 1);
    EXPECT_EQ(f.c().roundCount, 3);

    test::ContestFixture many;
    std::string list = "%SCO2 \r\nT\r\nD\r\nA\r\nV\r\n-1 1 1\r\n";
    for (int i = 0; i < 100; ++i) list += "-- / --\r\n";
    std::istringstream manyIn(list);
    EXPECT_EQ(readContestFile(many.c(), manyIn).kind, ContestReadResult::Kind::Damaged);
    EXPECT_EQ(many.c().participantCount, kMaxPair);
}

TEST(ContestFile, IndividualLinesNeverSeatAPlayerTwice) {
    test::ContestFixture f;
    f.c().isIndividual = true;
    std::istringstream in(
        "%SCO2 %IND \r\nT\r\nD\r\nA\r\nV\r\n"
        " 1  1  2  3  4   420     2     0\r\n"
        " 1  1  5  6  7   100     0     2\r\n"  // North 1 again
        " 1  5  6  3  8   100     0     2\r\n"  // South 3 sits at the first table
        " 1  5  6  7  7   100     0     2\r\n"  // West is South as well
        " 1  5  6  7  8   100     0     2\r\n"
        "-1 1 1\r\n");
    const ContestReadResult read = readContestFile(f.c(), in);
    EXPECT_EQ(read.kind, ContestReadResult::Kind::Duplicate);
    EXPECT_EQ(read.message, w("Fel i infilen. Par 7 förekommer flera gånger, giv 1"));
    const Board& board = f.c().boards[1];
    ASSERT_EQ(board.resultCount, 2);
    EXPECT_EQ(board.results[0].nsPlayer2, 3) << "a refused line leaves the partners of North 1 alone";
    EXPECT_EQ(board.results[0].ewPlayer2, 4);
    EXPECT_EQ(board.results[1].nsPlayer2, 7);
    EXPECT_EQ(board.results[1].ewPlayer2, 8);
}

TEST(ContestFile, AFileCutShortStillReadsConsistently) {
    // No terminator: the rounds are unknown, so each board is a round; a name that begins
    // with "#" is a (missing) name, not the deal section.
    test::ContestFixture f;
    f.c().boardsPerRound = 5;  // left over from an earlier contest
    std::istringstream in(
        "%SCO2 \r\nT\r\nD\r\nA\r\nV\r\n"
        " 3  1  2   420     2     0\r\n"
        "#Berg / --\r\n"
        "-- / --\r\n");
    const ContestReadResult read = readContestFile(f.c(), in);
    EXPECT_EQ(read.kind, ContestReadResult::Kind::Damaged);
    EXPECT_NE(read.message.find("Slutraden"), std::string::npos);
    EXPECT_EQ(f.c().boardsPerRound, 1);
    EXPECT_EQ(f.c().roundCount, 3);
    EXPECT_EQ(f.c().participantCount, 2);
    EXPECT_EQ(f.c().participants[1].first, nullptr) << "a register cannot hold a name beginning with #";
    EXPECT_NE(read.message.find("#Berg"), std::string::npos);
    EXPECT_EQ(f.c().dealCount, 0);
    // What is written from it reads back to the same file.
    const std::string text = contestFileText(f.c(), "v");
    test::ContestFixture g;
    std::istringstream again(text);
    EXPECT_EQ(readContestFile(g.c(), again).kind, ContestReadResult::Kind::Ok);
    EXPECT_EQ(contestFileText(g.c(), "v"), text);
}

TEST(ContestFile, TheStartListNamesTheByePair) {
    // "fripar" with blanks after it still finds the bye person: that pair is the bye pair,
    // and its slots go, just as they are never written.
    for (const char* byeLine : {"fripar", "fripar  ", "fripar / --"}) {
        SCOPED_TRACE(byeLine);
        test::ContestFixture f;
        std::istringstream in(std::string("%SCO2 \r\nT\r\nD\r\nA\r\nV\r\n"
                                          " 1  1  2   420     2     0\r\n"
                                          " 1  3  4   400     0     2\r\n"
                                          "-1 1 1\r\n-- / --\r\n-- / --\r\n-- / --\r\n") +
                              byeLine + "\r\n");
        readContestFile(f.c(), in);
        EXPECT_EQ(f.c().byePair, 4);
        EXPECT_EQ(f.c().participants[4].first, f.c().byeMember);
        EXPECT_EQ(f.c().participants[4].second, f.c().byeMember);
        EXPECT_EQ(f.c().boards[1].resultCount, 1);
        EXPECT_EQ(f.c().tableCount, 1);
        const std::string text = contestFileText(f.c(), "v");
        EXPECT_NE(text.find("\r\nfripar\r\n"), std::string::npos);
        test::ContestFixture g;
        std::istringstream again(text);
        readContestFile(g.c(), again);
        EXPECT_EQ(contestFileText(g.c(), "v"), text);
    }
}

// Points go out in the general format with six significant digits. Whole and half points,
// nearly all of a contest's, are written without it and must come out the same.
TEST(ContestFile, PointsAreWrittenInTheGeneralFormat) {
    const auto general = [](double value) {
        char text[64];
        const auto [end, ec] = std::to_chars(text, text + sizeof text, value, std::chars_format::general, 6);
        return std::string(text, end);
    };
    for (int halves = -200002; halves <= 200002; ++halves)
        ASSERT_EQ(formatGeneral(halves / 2.0), general(halves / 2.0)) << halves;
    for (double value : {-0.0, 0.1, 7.2, 45.96, -0.25, 99999.5, 100000.5, 123456.0, 1e7, 1.0 / 3, 70.25})
        EXPECT_EQ(formatGeneral(value), general(value)) << value;
    EXPECT_EQ(formatGeneral(kNoPoints), "-9999");
}

}  // namespace
}  // namespace vindelkast

namespace vindelkast {
namespace {

TEST(TextEncoding, WindowsCodePageRoundTripsAndRefusesWhatItCannotHold) {
    for (int byte = 1; byte < 256; ++byte) {
        const std::string one(1, static_cast<char>(byte));
        const std::string utf8 = cp1252ToUtf8(one);
        // The five unused codes come back as U+FFFD, which has no Windows-1252 form.
        if (byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D) {
            EXPECT_FALSE(utf8ToCp1252(utf8)) << byte;
            continue;
        }
        EXPECT_EQ(utf8ToCp1252(utf8).value_or("?"), one) << byte;
    }
    EXPECT_EQ(utf8ToCp1252("G\xc3\xb6ran \xe2\x82\xac").value_or(""), "G\xf6ran \x80");
    EXPECT_FALSE(utf8ToCp1252("\xe2\x84\x96"));  // the numero sign
    EXPECT_FALSE(utf8ToCp1252("\xc0\x80"));      // an overlong NUL
    EXPECT_FALSE(utf8ToCp1252("\xed\xa0\x80"));  // a surrogate
    EXPECT_FALSE(utf8ToCp1252("\xc3"));          // cut short
    EXPECT_EQ(toLowerCp1252(test::w("ÅÄÖ Ab")), test::w("åäö ab"));
}

}  // namespace
}  // namespace vindelkast
