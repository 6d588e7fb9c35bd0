#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "example_contests.h"
#include "files/add_results.h"
#include "files/contest_file.h"
#include "files/file_platform.h"
#include "files/member_file.h"
#include "model/board_results.h"
#include "model/version.h"
#include "support/sample_contests.h"
#include "support/test_text.h"
#include "temp_folder.h"

namespace vindelkast {
namespace {

using test::w;

const char* kHeader = "%SCO2 \r\nT\r\nD\r\nA\r\nV\r\n";

std::string exampleText(const std::string& name) {
    std::ifstream in(filePath(test::examplePath(name)), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

struct Opened : test::ContestFixture {
    explicit Opened(const std::string& text) {
        loadRegister(test::examplePath("medlem.txt"), *reg);
        contest->reset(*reg);
        std::istringstream in(text);
        EXPECT_EQ(readContest(*contest, in), "");
    }
};

AddedResults add(Contest& c, const std::string& text) {
    std::istringstream in(text);
    return addResultsFromStream(c, in);
}

// The same evening entered on two computers: the first has only boards 1..7 scored, the
// second everything. Adding fills boards 8..21 exactly as the second computer has them.
TEST(AddResults, FillsTheSlotsOfEmptyBoardsFromAnotherComputer) {
    const std::string full = exampleText("kväll8.sco");
    Opened half(full);
    Contest& c = half.c();
    for (int b = 8; b <= 21; ++b) {
        for (int i = 0; i < c.boards[b].resultCount; ++i) {
            setScore(c.boards[b].results[i], kNoScore);
            c.boards[b].results[i].nsPoints = c.boards[b].results[i].ewPoints = 0;
        }
        c.boardHasScores[b] = false;
    }
    // Board 1 changed here after the other computer's copy: it must stay as it is here.
    c.boards[1].results[0].nsPoints = 3.5f;

    const AddedResults added = add(c, full);
    EXPECT_EQ(added.kind, AddedResults::Kind::Added);
    EXPECT_EQ(added.problem, "");
    EXPECT_EQ(added.added, 14 * 3);
    EXPECT_EQ(addedResultsMessage(added.added), "Adderade 42  resultat");
    EXPECT_EQ(c.boards[1].results[0].nsPoints, 3.5f);
    c.boards[1].results[0].nsPoints = Opened(full).c().boards[1].results[0].nsPoints;
    for (int b = 8; b <= 21; ++b) EXPECT_TRUE(c.boardHasScores[b]) << b;
    EXPECT_EQ(contestFileText(c, kVersionText), full);

    // Pairs that the other file seats the other way round are not matched.
    Opened swapped(full);
    Contest& s = swapped.c();
    BoardResult& slot = s.boards[21].results[0];
    std::swap(slot.nsPair, slot.ewPair);
    for (int i = 0; i < s.boards[21].resultCount; ++i) setScore(s.boards[21].results[i], kNoScore);
    EXPECT_EQ(add(s, full).added, 2);
    EXPECT_EQ(s.boards[21].results[0].nsScore, kNoScore);
}

// Boards without slots get new ones, with the partners of an individual contest, and the
// closing line gives the counts.
TEST(AddResults, CreatesSlotsOnBoardsWithoutAnyAndTakesTheCounts) {
    const std::string individual = exampleText("individuell8.sco");
    test::ContestFixture f;
    f.c().isIndividual = true;
    const AddedResults added = add(f.c(), individual);
    EXPECT_EQ(added.added, 42);
    EXPECT_EQ(f.c().boardCount, 21);
    EXPECT_EQ(f.c().roundCount, 7);
    EXPECT_EQ(f.c().boardsPerRound, 3);
    Opened original(individual);
    for (int b = 1; b <= 21; ++b) {
        ASSERT_EQ(f.c().boards[b].resultCount, 2);
        for (int i = 0; i < 2; ++i) {
            const BoardResult& x = f.c().boards[b].results[i];
            const BoardResult& y = original.c().boards[b].results[i];
            EXPECT_EQ(x.nsPair, y.nsPair);
            EXPECT_EQ(x.nsPlayer2, y.nsPlayer2);
            EXPECT_EQ(x.ewPlayer2, y.ewPlayer2);
            EXPECT_EQ(x.nsScore, y.nsScore);
            EXPECT_EQ(x.nsPoints, y.nsPoints);
        }
    }
    // A pairs contest cannot take an individual contest's lines, nor the other way round.
    test::ContestFixture pairs;
    const AddedResults refused = add(pairs.c(), individual);
    EXPECT_EQ(refused.kind, AddedResults::Kind::NotContest);
    EXPECT_EQ(pairs.c().boards[1].resultCount, 0);
    EXPECT_EQ(add(f.c(), exampleText("kväll8.sco")).kind, AddedResults::Kind::NotContest);
}

TEST(AddResults, ARefusalKeepsWhatWasAddedAndSaysHowMuch) {
    test::ContestFixture f;
    test::setUp(f.c(), 6, 2, 6);
    const std::string text = std::string(kHeader) +
                             " 1  1  2   420     2     0\r\n"
                             " 1  3  4   400     0     2\r\n"
                             " 2  1  2 -9999     0     0\r\n"
                             " 3  1  2   100     2     0\r\n"
                             " 3  2  4   100     2     0\r\n"  // pair 2 a second time on board 3
                             " 4  1  2   100     2     0\r\n"
                             "-1 6 2\r\n";
    const AddedResults added = add(f.c(), text);
    EXPECT_EQ(added.kind, AddedResults::Kind::Refused);
    EXPECT_EQ(added.problem, w("Fel i infilen. Par 2 förekommer flera gånger, giv 3"));
    EXPECT_EQ(added.added, 3) << "the unscored slot of board 2 is taken over but not counted";
    EXPECT_EQ(addedResultsMessage(added.added), "Adderade 3  resultat");
    EXPECT_EQ(f.c().boards[2].resultCount, 1);
    EXPECT_FALSE(f.c().boardHasScores[2]);
    EXPECT_EQ(f.c().boards[3].resultCount, 1);
    EXPECT_EQ(f.c().boards[4].resultCount, 0) << "reading stopped at the refusal";
    EXPECT_EQ(addedResultsMessage(0), "Adderade inga resultat");
}

TEST(AddResults, DamagedFilesChangeNothingThatTheyCannotProve) {
    struct Case {
        const char* what;
        std::string text;
        AddedResults::Kind kind;
        int added;
        int boardCount;  // the open contest has 6 boards in 2 rounds
    };
    const Case cases[] = {
        {"good closing line", std::string(kHeader) + " 1  1  2   420     2     0\r\n-1 12 4\r\n",
         AddedResults::Kind::Added, 1, 12},
        {"no rounds", std::string(kHeader) + " 1  1  2   420     2     0\r\n-1 12 0\r\n",
         AddedResults::Kind::Added, 1, 6},
        {"more rounds than boards", std::string(kHeader) + "-1 3 9\r\n", AddedResults::Kind::Added, 0, 6},
        {"too many boards", std::string(kHeader) + "-1 80 8\r\n", AddedResults::Kind::Added, 0, 6},
        {"no closing line", std::string(kHeader) + " 1  1  2   420     2     0\r\nfripar\r\n",
         AddedResults::Kind::Added, 1, 6},
        {"boards outside 1..71",
         std::string(kHeader) + "72  1  2   420     2     0\r\n 0  1  2  1 1 1\r\n-1 6 2\r\n",
         AddedResults::Kind::Added, 0, 6},
        {"pair numbers and words",
         std::string(kHeader) + " 1 99  2   420     2     0\r\n 1  1  x  1 1 1\r\n" +
             " 1  1  2   420   nan     0\r\n-1 6 2\r\n",
         AddedResults::Kind::Added, 0, 6},
        {"not a contest file", "Berg 17 0\r\n 1  1  2   420     2     0\r\n-1 12 4\r\n",
         AddedResults::Kind::NotContest, 0, 6},
        {"empty", "", AddedResults::Kind::NotOpen, 0, 6},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        test::ContestFixture f;
        test::setUp(f.c(), 6, 2, 6);
        const AddedResults added = add(f.c(), k.text);
        EXPECT_EQ(added.kind, k.kind);
        EXPECT_EQ(added.added, k.added);
        EXPECT_EQ(f.c().boardCount, k.boardCount);
        EXPECT_GE(f.c().boardsPerRound, 1);
        if (k.boardCount == 6) {
            EXPECT_EQ(f.c().roundCount, 2);
        }
        const bool clean = std::string(k.what) == "good closing line";
        EXPECT_EQ(added.problem.empty(), clean) << test::u(added.problem);
        // The message tells of a changed size, and only then (a closing line "-1 6 2" changes nothing).
        if (clean)
            EXPECT_EQ(test::u(addedResultsMessage(added)),
                      "Adderade 1  resultat. Antal givar ändrat från 6 "
                      "till 12. Antal ronder ändrat från 2 till 4.");
        else
            EXPECT_EQ(addedResultsMessage(added), addedResultsMessage(added.added));
    }

    test::TempFolder folder;
    test::ContestFixture f;
    const AddedResults missing = addResultsFromFile(f.c(), folder.file("saknas.sco"));
    EXPECT_EQ(missing.kind, AddedResults::Kind::NotOpen);
    EXPECT_EQ(missing.added, 0);
    const AddedResults foreign = addResultsFromFile(f.c(), folder.write("lista.sco", "Berg 17 0\r\n"));
    EXPECT_NE(foreign.problem.find(w("lista.sco är inte en %SCO2-fil")), std::string::npos);
    for (const std::string& name : {folder.write("tom.sco", ""), folder.file("")}) {
        const AddedResults unreadable = addResultsFromFile(f.c(), name);
        EXPECT_EQ(unreadable.kind, AddedResults::Kind::NotOpen);
        EXPECT_EQ(unreadable.problem, w("Kan inte läsa filen ") + name);
    }
}

}  // namespace
}  // namespace vindelkast
