#include <gtest/gtest.h>

#include <sstream>

#include "files/contest_file.h"
#include "model/name_forms.h"
#include "support/sample_contests.h"
#include "support/test_text.h"

namespace vindelkast {
namespace {

using test::w;

const char* const kHead = "%SCO2 \r\nT\r\nD\r\nA\r\nV\r\n";

// Reads `text` into a fresh contest, writes it, and checks that reading and writing that
// again gives the same file. Returns what the first read said and the file written.
std::pair<ContestReadResult, std::string> readAndWrite(const std::string& text, test::ContestFixture& f) {
    std::istringstream in(text);
    const ContestReadResult read = readContestFile(f.c(), in);
    const std::string written = contestFileText(f.c(), "v");
    test::ContestFixture again;
    std::istringstream back(written);
    readContestFile(again.c(), back);
    EXPECT_EQ(contestFileText(again.c(), "v"), written) << "read, write, read and write again";
    return {read, written};
}

TEST(RefusedLines, ValuesNoContestHoldsAreNamedAndLeftOut) {
    const std::string points = " 1  3  4   100 3.4e38     0";
    const std::string score = " 1  3  4 99999     1     1";
    const std::string pairZero = " 1  0  4   100     1     1";
    test::ContestFixture f;
    const auto [read, written] = readAndWrite(std::string(kHead) + " 1  1  2   420     2     0\r\n" + points +
                                                  "\r\n" + score + "\r\n" + pairZero +
                                                  "\r\n 1  3  4   -50  0.25  1.75\r\n-1 1 1\r\n"
                                                  "Berg Anna / Ek Bo\r\n"
                                                  "Johansson Stig  /\r\n"
                                                  "Andersson Anna / Bengt / Berg Karin\r\n",
                                              f);
    EXPECT_EQ(read.kind, ContestReadResult::Kind::Damaged);
    EXPECT_EQ(read.message, w("Score eller poäng som ingen tävling kan ha på raden: " + points +
                              " Score eller poäng som ingen tävling kan ha på raden: " + score +
                              " Parnummer utanför 1..72 på raden: " + pairZero +
                              " Startlistans rad 2 kan inte läsas: Johansson Stig  / "
                              "Startlistans rad 3 kan inte läsas: Andersson Anna / Bengt / Berg Karin "
                              "Berg Anna Ek Bo "));
    EXPECT_EQ(read.linesLeftOut, 5);
    EXPECT_EQ(leftOutNote(read),
              w("5 rader lästes inte. Det som inte kunde läsas kommer inte med om tävlingen "
                "sparas."));
    const Board& board = f.c().boards[1];
    ASSERT_EQ(board.resultCount, 2);
    EXPECT_FLOAT_EQ(board.results[1].nsPoints, 0.25f);
    EXPECT_EQ(f.c().maxPairNumber, 4);
    EXPECT_EQ(longNameOrDashes(f.c().participants[1].second), "Ek Bo");
    EXPECT_EQ(f.c().participants[2].first, nullptr);
    EXPECT_NE(written.find("\r\n-- / --\r\n-- / --\r\n"), std::string::npos);
}

TEST(RefusedLines, ARefusedDuplicateInventsNoPairAndNoBoard) {
    // Pair 1 twice on board 1: the second line, with pair 9 on board 3's number, is refused.
    test::ContestFixture f;
    const auto [read, written] = readAndWrite(std::string(kHead) +
                                                  " 1  1  2   420     2     0\r\n"
                                                  " 1  3  4   420     2     0\r\n"
                                                  " 1  1  9   420     2     0\r\n"
                                                  "-1 1 1\r\n",
                                              f);
    EXPECT_EQ(read.kind, ContestReadResult::Kind::Duplicate);
    EXPECT_EQ(read.message, w("Fel i infilen. Par 1 förekommer flera gånger, giv 1"));
    EXPECT_EQ(read.linesLeftOut, 1);
    EXPECT_EQ(leftOutNote(read),
              w("1 rad lästes inte. Det som inte kunde läsas kommer inte med om tävlingen sparas."));
    EXPECT_EQ(f.c().maxPairNumber, 4);
    EXPECT_EQ(f.c().byePair, 0) << "no bye pair for the refused pair 9";
    EXPECT_EQ(written,
              "%SCO2 \r\nT\r\nD\r\nA\r\nv\r\n 1  1  2   420     2     0\r\n 1  3  4   420     2     0\r\n-1 "
              "1 1\r\n");
}

}  // namespace
}  // namespace vindelkast
