#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "files/contest_file.h"
#include "files/result_lines.h"
#include "support/random_contests.h"
#include "support/sample_contests.h"

namespace vindelkast {
namespace {

std::string written(const Contest& c, ResultLinesCache* kept) {
    std::ostringstream out;
    writeContestAsIs(c, out, "3.23", 0, kept);
    return out.str();
}

// The recovery file keeps each board's result lines and writes a board again only when it
// changed. Whatever an evening does to the contest, the file must be the one written afresh.
TEST(ResultLines, KeptLinesAreTheBoardsAsTheyAreNow) {
    std::mt19937 random(1771);
    for (int contest = 0; contest < 30; ++contest) {
        test::ContestFixture f;
        Contest& c = f.c();
        test::fillRandomContest(c, random);
        ResultLinesCache kept;
        for (int change = 0; change < 80; ++change) {
            test::changeRandomly(c, random);
            ASSERT_EQ(written(c, &kept), written(c, nullptr))
                << "contest " << contest << ", change " << change;
        }
        // A contest read anew into the same place, as opening or recovering does.
        test::ContestFixture g;
        test::fillRandomContest(g.c(), random);
        ASSERT_EQ(written(g.c(), &kept), written(g.c(), nullptr)) << "contest " << contest;
    }
}

}  // namespace
}  // namespace vindelkast
