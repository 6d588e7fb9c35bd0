#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

#include "model/board_results.h"
#include "model/board_scoring.h"
#include "model/standings.h"
#include "movement/draw_field.h"
#include "movement/draw_pane.h"
#include "movement/round_draw.h"
#include "support/sample_contests.h"
#include "support/test_text.h"

namespace vindelkast {
namespace {

using test::w;

// The club's search written out step by step: tables one at a time, the first partner that
// fits, and backing up one table at a time when the search runs into a dead end. It tries
// every order, so it is only affordable on small fields; `budget` bounds the tries.
struct LiteralSeating {
    std::vector<DrawnTable> tables;
    bool tooLong = false;
    long backUps = 0;
};

LiteralSeating literalSeating(const DrawField& f, long budget) {
    const int n = f.placeCount;
    const int tableCount = f.tableCount;
    std::vector<bool> used(n + 2, false);
    std::vector<DrawnTable> tables(tableCount + 1);
    auto fits = [&](int ci, int cj) {
        const int upper = f.pairAt[ci];
        const int lower = f.pairAt[cj];
        return f.meetings[upper][lower] < f.meetingLimit && (lower != f.byePair || !f.satOut[upper]);
    };
    LiteralSeating result;
    int t = 1;
    bool afresh = true;
    long tries = 0;
    while (t <= tableCount) {
        int i = 1;
        int j = 2;
        if (!afresh) {
            if (t == 1) return result;
            --t;
            ++result.backUps;
            i = tables[t].upper;
            j = tables[t].lower;
            used[i] = used[j] = false;
            ++j;
        }
        bool found = false;
        for (int ci = i; ci <= n && !found; ++ci) {
            if (used[ci]) continue;
            for (int cj = ci == i ? j : ci + 1; cj <= n; ++cj) {
                if (used[cj]) continue;
                if (++tries > budget) {
                    result.tooLong = true;
                    return result;
                }
                if (fits(ci, cj)) {
                    used[ci] = used[cj] = true;
                    tables[t] = {ci, cj};
                    found = true;
                    break;
                }
            }
        }
        if (found) {
            ++t;
            afresh = true;
        } else {
            afresh = false;
        }
    }
    result.tables.assign(tables.begin() + 1, tables.end());
    return result;
}

// A field as it looks some rounds into an evening: random earlier pairings (with the bye
// pair's opponent sitting out), a ranking, and sometimes one table too many.
DrawField randomField(std::mt19937& random, int maxPlaces) {
    auto below = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    DrawField f;
    const bool withBye = below(2) == 0;
    const int pairs = 2 + below(maxPlaces - 1);
    f.placeCount = pairs;
    if (withBye && pairs % 2 == 1) ++f.placeCount;
    if (withBye && f.placeCount <= maxPlaces) f.byePair = f.placeCount;
    const int limits[] = {1, 2, 9999};
    f.meetingLimit = limits[below(3)];
    const int n = f.placeCount;

    std::vector<int> numbers(n);
    std::iota(numbers.begin(), numbers.end(), 1);
    const int rounds = below(std::min(n, 9));
    for (int r = 0; r < rounds; ++r) {
        std::shuffle(numbers.begin(), numbers.end(), random);
        for (int k = 0; k + 1 < n; k += 2) {
            const int a = numbers[k];
            const int b = numbers[k + 1];
            if (a == f.byePair || b == f.byePair) {
                f.satOut[a == f.byePair ? b : a] = true;
                continue;
            }
            ++f.meetings[a][b];
            ++f.meetings[b][a];
        }
        if (n % 2 == 1) f.satOut[numbers[n - 1]] = true;
    }
    if (rounds > 0 && f.byePair > 0) f.satOut[f.byePair] = true;
    if (below(8) == 0)
        for (int p = 1; p <= n; ++p) f.satOut[p] = f.satOut[p] || below(3) == 0;

    std::shuffle(numbers.begin(), numbers.end(), random);
    if (f.byePair > 0 && below(10) != 0) {
        std::erase(numbers, f.byePair);
        numbers.push_back(f.byePair);
    }
    for (int place = 1; place <= n; ++place) f.pairAt[place] = numbers[place - 1];
    // One table too many makes the club's search try every order: only on smaller fields.
    f.tableCount = n / 2 + (n <= 10 && below(12) == 0 ? 1 : 0);
    return f;
}

TEST(DrawSearch, GivesTheSameSeatingAsTheClubsSearchOnRandomFields) {
    std::mt19937 random(20150727);
    int seated = 0;
    int failed = 0;
    int skipped = 0;
    int seatedAfterBackingUp = 0;
    for (int k = 0; k < 2000; ++k) {
        const DrawField field = randomField(random, k % 2 == 0 ? 12 : 10);
        const LiteralSeating expected = literalSeating(field, 50000);
        if (expected.tooLong) {
            ++skipped;
            continue;
        }
        const std::vector<DrawnTable> tables = seatTables(field);
        ASSERT_EQ(tables, expected.tables)
            << "field " << k << ", " << field.placeCount << " places, limit " << field.meetingLimit;
        (tables.empty() ? failed : seated) += 1;
        if (!tables.empty() && expected.backUps > 0) ++seatedAfterBackingUp;
    }
    // Both outcomes are common, many seatings need backing up, and the club's search could
    // follow nearly every field.
    EXPECT_GT(seated, 1000);
    EXPECT_GT(seatedAfterBackingUp, 150);
    EXPECT_GT(failed, 150);
    EXPECT_LT(skipped, 40);
}

TEST(DrawSearch, BacksUpOneTableWhenTheGreedyChoiceLeavesPairsThatHaveMet) {
    DrawField f;
    f.placeCount = 6;
    for (int place = 1; place <= 6; ++place) f.pairAt[place] = place;
    for (auto [a, b] : {std::pair{1, 2}, {3, 4}, {5, 6}, {1, 3}, {2, 5}, {4, 6}}) {
        f.meetings[a][b] = 1;
        f.meetings[b][a] = 1;
    }
    f.tableCount = 3;
    f.meetingLimit = 1;
    EXPECT_EQ(seatTables(f), (std::vector<DrawnTable>{{1, 4}, {2, 6}, {3, 5}}));
    f.meetingLimit = 2;
    EXPECT_EQ(seatTables(f), (std::vector<DrawnTable>{{1, 2}, {3, 4}, {5, 6}}));
    f.meetingLimit = 9999;
    for (int a = 1; a <= 6; ++a)
        for (int b = 1; b <= 6; ++b) f.meetings[a][b] = 40;
    EXPECT_EQ(seatTables(f), (std::vector<DrawnTable>{{1, 2}, {3, 4}, {5, 6}}));
    f.meetingLimit = 40;
    EXPECT_TRUE(seatTables(f).empty());
}

// --- Whole evenings ------------------------------------------------------------------

// A Gröna Hissen contest: `pairs` named pairs (plus the bye pair when `bye`), two boards a
// round.
struct Evening {
    test::ContestFixture f;
    Evening(int pairs, int rounds, int bye, int limit) {
        test::fillRegister(*f.reg, 2 * pairs + 2);
        Contest& c = f.c();
        test::setUp(c, 2 * rounds, rounds, bye > 0 ? bye : pairs, bye);
        test::seatPairs(c, pairs);
        if (bye > 0) {
            c.participants[bye].first = c.participants[bye].second = c.byeMember;
            c.participantCount = bye;
        }
        c.isGronaHissen = c.isBarometer = true;
        c.ghVariant = limit;
    }
    Contest& c() { return f.c(); }

    // Scores every result of the round; `score` picks the NS score from the two pairs.
    template <typename Score>
    void score(int round, Score score) {
        Contest& contest = c();
        for (int b = firstBoardOfRound(contest, round * contest.boardsPerRound);
             b <= lastBoardOfRound(contest, round * contest.boardsPerRound); ++b) {
            Board& board = contest.boards[b];
            for (int i = 0; i < board.resultCount; ++i) setScore(board.results[i], score(board.results[i]));
            contest.boardHasScores[b] = true;
            scoreBoard(board, ScoringRule{});
        }
    }

    // (NS, EW) of each table of the round on its first board, in table order.
    std::vector<std::pair<int, int>> tables(int round, int boardInRound = 0) {
        std::vector<std::pair<int, int>> seated;
        const Board& board = c().boards[(round - 1) * c().boardsPerRound + 1 + boardInRound];
        for (int i = 0; i < board.resultCount; ++i)
            seated.push_back({board.results[i].nsPair, board.results[i].ewPair});
        std::sort(seated.begin(), seated.end(), [&](auto a, auto b) {
            return findResult(board, a.first, a.second)->round < findResult(board, b.first, b.second)->round;
        });
        return seated;
    }
};

// The field written out from the contest the long way: every pair of pairs looked up on
// the first board of each earlier round.
DrawField literalField(const Contest& contest, int firstBoard) {
    DrawField f;
    const Totals totals = contestTotals(contest);
    f.placeCount = totals.n;
    for (int place = 1; place <= totals.n; ++place) f.pairAt[place] = totals.ranking[place];
    if (f.pairAt[totals.n] == 0 && contest.byePair > 0) f.pairAt[totals.n] = contest.byePair;
    f.byePair = contest.byePair;
    f.meetingLimit = contest.ghVariant;
    f.tableCount = std::max(contest.tableCount, totals.n / 2);
    const int k = contest.boardsPerRound;
    for (int p = 1; p <= totals.n; ++p) {
        for (int q = 1; q <= totals.n; ++q)
            for (int b = 1; b <= firstBoard - 1; b += k)
                for (int i = 0; i < contest.boards[b].resultCount; ++i) {
                    const BoardResult& r = contest.boards[b].results[i];
                    if ((r.nsPair == p && r.ewPair == q) || (r.nsPair == q && r.ewPair == p))
                        ++f.meetings[p][q];
                }
        for (int b = 1; b <= firstBoard - 1 && b <= contest.boardCount && !f.satOut[p]; b += k) {
            const Board& board = contest.boards[b];
            bool there = false;
            for (int i = 0; i < board.resultCount; ++i) {
                const BoardResult& r = board.results[i];
                if (r.nsPair == p && r.ewPair == contest.byePair) f.satOut[p] = true;
                if (r.nsPair == p || r.ewPair == p || r.nsPlayer2 == p || r.ewPlayer2 == p) there = true;
            }
            if (!there) f.satOut[p] = true;
        }
    }
    return f;
}

TEST(DrawRound, WholeEveningsFollowTheClubsSearchRoundAfterRound) {
    std::mt19937 random(7);
    const int scores[] = {-200, -100, -50, 50, 90, 110, 120, 140, 400, 420, 450, 620};
    int rounds = 0;
    int skipped = 0;
    for (int evening = 0; evening < 27; ++evening) {
        const int pairs = 4 + evening % 9;               // 4..12 real pairs
        const int bye = pairs % 2 == 1 ? pairs + 1 : 0;  // odd fields get a bye pair
        const int limit = std::array{1, 2, 9999}[evening % 3];
        Evening e(pairs, std::min(pairs + 2, 12), bye, limit);
        for (int round = 1; round <= e.c().roundCount; ++round) {
            const int firstBoard = (round - 1) * e.c().boardsPerRound + 1;
            // Proving that 11 or 12 pairs cannot be seated takes the club's search too long.
            const LiteralSeating expected = literalSeating(literalField(e.c(), firstBoard), 300000);
            const int drawn = drawRound(e.c());
            if (expected.tooLong) {
                ++skipped;
                if (drawn <= 0) break;
                e.score(round, [&](const BoardResult&) { return scores[random() % 12]; });
                continue;
            }
            if (expected.tables.empty()) {
                EXPECT_EQ(drawn, 0) << "evening " << evening << " round " << round;
                for (int b = firstBoard; b <= e.c().boardCount; ++b)
                    EXPECT_EQ(e.c().boards[b].resultCount, 0);
                break;
            }
            ASSERT_EQ(drawn, round) << "evening " << evening;
            const DrawField field = literalField(e.c(), firstBoard);
            std::vector<std::pair<int, int>> wanted;
            for (const DrawnTable& t : expected.tables) {
                const int ns = field.pairAt[t.upper];
                const int ew = field.pairAt[t.lower];
                if (ns != bye && ew != bye) wanted.push_back({ns, ew});
            }
            EXPECT_EQ(e.tables(round), wanted) << "evening " << evening << " round " << round;
            EXPECT_EQ(e.tables(round, 1), wanted);
            ++rounds;
            e.score(round, [&](const BoardResult&) { return scores[random() % 12]; });
        }
    }
    EXPECT_GT(rounds, 120);
    EXPECT_LT(skipped, 10);
}

TEST(DrawRound, FirstRoundOfEightPairsAndItsPane) {
    Evening e(8, 7, 0, 2);
    const DrawPane pane = drawRoundPane(e.c());
    EXPECT_EQ(pane.message, "");
    EXPECT_EQ(pane.round, 1);
    EXPECT_EQ(e.tables(1), (std::vector<std::pair<int, int>>{{1, 2}, {3, 4}, {5, 6}, {7, 8}}));
    EXPECT_EQ(e.c().boards[2].resultCount, 4);
    EXPECT_EQ(e.c().boards[3].resultCount, 0);
    const std::vector<std::string> lines = {
        w("Lottning för rond 1"),
        "",
        w("Bord 1:  1- 2 Efternamn1 F & Efternamn2 F   - Efternamn3 F & Efternamn4 F"),
        w("Bord 2:  3- 4 Efternamn5 F & Efternamn6 F   - Efternamn7 F & Efternamn8 F"),
        w("Bord 3:  5- 6 Efternamn9 F & Efternamn10 F  - Efternamn11 F & Efternamn12 F"),
        w("Bord 4:  7- 8 Efternamn13 F & Efternamn14 F - Efternamn15 F & Efternamn16 F"),
    };
    EXPECT_EQ(pane.lines, lines);
    const BoardResult& slot = e.c().boards[1].results[0];
    EXPECT_EQ(slot.round, 1);
    EXPECT_EQ(slot.nsScore, kNoScore);
    EXPECT_EQ(e.c().resultOrder, 1);
}

TEST(DrawRound, MeetingLimitKeepsPairsThatHaveMetApart) {
    for (int limit : {1, 2}) {
        Evening e(8, 7, 0, limit);
        ASSERT_EQ(drawRound(e.c()), 1);
        e.score(1, [](const BoardResult&) { return 420; });  // all equal: ranking 1..8 again
        ASSERT_EQ(drawRound(e.c()), 2);
        if (limit == 1)
            EXPECT_EQ(e.tables(2), (std::vector<std::pair<int, int>>{{1, 3}, {2, 4}, {5, 7}, {6, 8}}));
        else
            EXPECT_EQ(e.tables(2), (std::vector<std::pair<int, int>>{{1, 2}, {3, 4}, {5, 6}, {7, 8}}));
    }
}

TEST(DrawRound, ByeRoundGoesRound) {
    Evening e(7, 6, 8, 2);
    DrawPane pane = drawRoundPane(e.c());
    EXPECT_EQ(e.tables(1), (std::vector<std::pair<int, int>>{{1, 2}, {3, 4}, {5, 6}}));
    EXPECT_EQ(pane.lines.back(), w("Par 7 Efternamn13 F & Efternamn14 F har frirond"));
    std::set<int> satOut = {7};
    for (int round = 2; round <= 6; ++round) {
        e.score(round - 1, [](const BoardResult& r) { return r.nsPair % 2 == 1 ? 120 : -50; });
        pane = drawRoundPane(e.c());
        ASSERT_EQ(pane.round, round);
        const std::string last = test::u(pane.lines.back());
        ASSERT_EQ(last.rfind("Par ", 0), 0u) << last;
        const int out = std::stoi(last.substr(4));
        EXPECT_TRUE(satOut.insert(out).second) << "pair " << out << " sits out twice, round " << round;
        for (int b = 2 * round - 1; b <= 2 * round; ++b) {
            EXPECT_FALSE(hasPair(e.c().boards[b], out));
            EXPECT_FALSE(hasPair(e.c().boards[b], 8));
            EXPECT_EQ(e.c().boards[b].resultCount, 3);
        }
    }
}

TEST(DrawRound, MissingResultsShowTheRoundAgain) {
    Evening e(8, 7, 0, 2);
    ASSERT_EQ(drawRound(e.c()), 1);
    e.score(1, [](const BoardResult& r) { return r.nsPair == 5 ? kNoScore : 100; });
    const DrawPane pane = drawRoundPane(e.c());
    EXPECT_EQ(pane.message, w("Det finns resultat kvar att mata in från rond 1"));
    EXPECT_EQ(pane.round, 1);
    ASSERT_EQ(pane.lines.size(), 6u);
    EXPECT_EQ(pane.lines[0], w("Lottning för rond 1"));
    EXPECT_EQ(e.c().boards[3].resultCount, 0);
    EXPECT_EQ(drawRound(e.c()), -1);
}

TEST(DrawRound, FailedDrawLeavesTheBoardsAsTheyWere) {
    Evening e(8, 7, 0, 2);
    // A result typed by hand on the round's second board puts pair 3 there already.
    addResult(e.c().boards[2], 3, 9, 1, kNoScore, 0.0f, 0.0f, true);
    EXPECT_EQ(drawRoundPane(e.c()).message, w("Det gick inte att lotta. Gör det manuellt!"));
    EXPECT_EQ(e.c().boards[1].resultCount, 0);
    ASSERT_EQ(e.c().boards[2].resultCount, 1);
    EXPECT_EQ(e.c().boards[2].results[0].nsPair, 3);

    // Four pairs that have all met once cannot play a second round with "Max 1".
    Evening g(4, 3, 0, 1);
    ASSERT_EQ(drawRound(g.c()), 1);
    g.score(1, [](const BoardResult&) { return 100; });
    ASSERT_EQ(drawRound(g.c()), 2);
    g.score(2, [](const BoardResult&) { return 100; });
    ASSERT_EQ(drawRound(g.c()), 3);
    g.score(3, [](const BoardResult&) { return 100; });
    const int slotsBefore = g.c().boards[5].resultCount;
    g.c().boardCount = 8;
    EXPECT_EQ(drawRound(g.c()), 0);
    EXPECT_EQ(g.c().boards[7].resultCount, 0);
    EXPECT_EQ(g.c().boards[5].resultCount, slotsBefore);
}

TEST(DrawRound, NoRoundIsLeftAfterTheLast) {
    Evening e(4, 2, 0, 2);
    ASSERT_EQ(drawRound(e.c()), 1);
    e.score(1, [](const BoardResult&) { return 100; });
    ASSERT_EQ(drawRound(e.c()), 2);
    EXPECT_EQ(drawRound(e.c()), -3);  // the last round lacks its results
    e.score(2, [](const BoardResult&) { return 100; });
    EXPECT_EQ(drawRound(e.c()), kEveryRoundDrawn);
    const DrawPane pane = drawRoundPane(e.c());
    EXPECT_EQ(pane.message, w("Alla ronder är redan lottade"));
    EXPECT_TRUE(pane.lines.empty());
    EXPECT_EQ(e.c().boards[4].resultCount, 2);
}

TEST(DrawRound, UnknownBoardsPerRoundDrawsTwoBoardsAndTablesGrowToTheField) {
    Evening e(6, 3, 0, 2);
    e.c().boardsPerRound = 0;
    e.c().tableCount = 1;
    EXPECT_EQ(drawRound(e.c()), 1);
    EXPECT_EQ(e.c().boardsPerRound, 2);
    EXPECT_EQ(e.c().tableCount, 3);
    EXPECT_EQ(e.c().boards[2].resultCount, 3);

    Evening empty(6, 3, 0, 2);
    empty.c().boardCount = 0;
    EXPECT_EQ(drawRound(empty.c()), 0);
}

}  // namespace
}  // namespace vindelkast
