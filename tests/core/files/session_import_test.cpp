// Other programs' published sessions, imported and rescored: the movement as played, names,
// contracts, deals, and our matchpoints equal to the published ones wherever the scoring rule
// is the same. The sample files and their matchpoints come from tests/data/interchange/
// make_samples.py, which scores them on its own.
#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <tuple>

#include "files/contest_file.h"
#include "files/imported_names.h"
#include "files/pbn_results.h"
#include "files/session_import.h"
#include "files/usebio_reader.h"
#include "model/board_results.h"
#include "model/contest_scoring.h"
#include "model/standings.h"
#include "output/standings_view.h"
#include "output/usebio_export.h"
#include "support/sample_contests.h"
#include "support/test_text.h"

namespace vindelkast {
namespace {

using test::ContestFixture;
using test::w;

std::string sample(const std::string& name) {
    std::ifstream in(std::string(VK_SOURCE_DIR) + "/tests/data/interchange/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

SessionReading readSample(const std::string& name) {
    const std::string bytes = sample(name);
    return name.ends_with(".xml") ? readUsebio(bytes) : readPbnResults(bytes);
}

// The boards on which our rescored matchpoints are not the file's, found here from the
// reader's values and the contest's slots, not from the import's own comparison.
std::set<int> boardsNotAsPublished(const Contest& c, const ImportedSession& s) {
    std::set<int> boards;
    int compared = 0;
    for (const ImportedResult& r : s.results) {
        if (r.publishedNs == kNoPoints) continue;
        const BoardResult* slot = findResult(c.boards[r.board], r.nsPair, r.ewPair);
        if (!slot) continue;
        ++compared;
        if (std::abs(slot->nsPoints - r.publishedNs) > 0.05 ||
            std::abs(slot->ewPoints - r.publishedEw) > 0.05)
            boards.insert(r.board);
    }
    EXPECT_GT(compared, 0);
    return boards;
}

// The movement laid is a movement: no pair twice in a round, no board group at two tables
// in a round, and the two pairs of a table keep their round for the whole group.
void expectPlayableRounds(const Contest& c) {
    std::set<std::pair<int, int>> pairInRound;
    std::map<std::pair<int, int>, std::pair<int, int>> groupInRound;  // group, round → pairs
    for (int b = 1; b <= c.boardCount; ++b) {
        for (int i = 0; i < c.boards[b].resultCount; ++i) {
            const BoardResult& r = c.boards[b].results[i];
            ASSERT_GE(r.round, 1);
            ASSERT_LE(r.round, c.roundCount);
            const int group = (b - 1) / c.boardsPerRound;
            const auto [at, added] =
                groupInRound.emplace(std::make_pair(group, r.round), std::make_pair(r.nsPair, r.ewPair));
            EXPECT_EQ(at->second, std::make_pair(r.nsPair, r.ewPair))
                << "board " << b << " round " << r.round;
            if (added) {
                EXPECT_TRUE(pairInRound.insert({r.nsPair, r.round}).second) << "pair " << r.nsPair;
                EXPECT_TRUE(pairInRound.insert({r.ewPair, r.round}).second) << "pair " << r.ewPair;
            }
        }
    }
}

bool noted(const SessionImport& outcome, int line, const std::string& part) {
    for (const ImportNote& note : outcome.notes)
        if (note.line == line && note.text.find(part) != std::string::npos) return true;
    return false;
}

TEST(SessionImport, FlatUsebioMitchellIsLaidAsPlayedAndRescoredAsPublished) {
    if (!usebioReadable()) GTEST_SKIP() << "ingen USEBIO-l\xc3\xa4sare i det h\xc3\xa4r bygget";
    ContestFixture f;
    const SessionReading reading = readSample("usebio10_mitchell.xml");
    ASSERT_EQ(reading.refusal, "");
    const SessionImport outcome = laySession(f.c(), reading.session);
    ASSERT_EQ(outcome.refusal, "");
    const Contest& c = f.c();
    EXPECT_EQ(c.contestName, "Tuesday Pairs");
    EXPECT_EQ(c.contestDate, "2024-05-14");
    EXPECT_EQ(c.arranger, "Lakeside Bridge Club");
    EXPECT_EQ(c.boardCount, 10);
    EXPECT_EQ(c.boardsPerRound, 2);
    EXPECT_EQ(c.roundCount, 5);
    EXPECT_EQ(c.maxPairNumber, 10);
    EXPECT_EQ(c.byePair, 0);
    EXPECT_EQ(outcome.rounds.size(), 50u);
    expectPlayableRounds(c);

    // "3NT*" is doubled, "2S**" redoubled, "PASS" a board passed out, A6040 an adjusted score.
    int doubled = 0, redoubled = 0, passed = 0;
    for (const auto& [key, played] : c.contracts) {
        doubled += played.contract.doubling == 1;
        redoubled += played.contract.doubling == 2;
        passed += played.contract.passedOut();
        EXPECT_EQ(findResult(c.boards[key.board], key.nsPair, key.ewPair)->nsScore,
                  nsScore(played, key.board));
    }
    EXPECT_EQ(doubled, 1);
    EXPECT_EQ(redoubled, 1);
    EXPECT_EQ(passed, 1);
    EXPECT_EQ(c.contracts.size(), 49u);
    EXPECT_EQ(findResult(c.boards[7], 5, 6)->nsScore, kAdjustedBase + 64);

    // Board 7's other program factors the four bridge scores up around the adjusted one.
    EXPECT_EQ(boardsNotAsPublished(c, reading.session), std::set<int>{7});
    EXPECT_EQ(outcome.differingBoards, std::vector<int>{7});
    EXPECT_TRUE(noted(outcome, 13, "tv\xe5 segrare"));
    EXPECT_TRUE(noted(outcome, 0, "h\xe4rledda"));
    EXPECT_EQ(longName(*c.participants[7].first),
              "Visitor\xa0"
              "1");
    EXPECT_EQ(longName(*c.participants[4].second), "Smith");
    EXPECT_EQ(longName(*c.participants[1].first), "Andersson Anna");
}

TEST(SessionImport, SectionedUsebioWithPhantomDealsAndAnAdjustedScoreTheContestCannotHold) {
    if (!usebioReadable()) GTEST_SKIP() << "ingen USEBIO-l\xc3\xa4sare i det h\xc3\xa4r bygget";
    ContestFixture f;
    const SessionReading reading = readSample("usebio12_phantom.xml");
    ASSERT_EQ(reading.refusal, "");
    const SessionImport outcome = laySession(f.c(), reading.session);
    ASSERT_EQ(outcome.refusal, "");
    const Contest& c = f.c();
    EXPECT_EQ(c.byePair, 6);
    EXPECT_EQ(c.participants[6].first, c.byeMember);
    EXPECT_EQ(c.playingTableCount, 2);
    for (int b = 1; b <= 6; ++b) {
        EXPECT_EQ(c.boards[b].resultCount, 2) << "board " << b;
        EXPECT_FALSE(hasPair(c.boards[b], 6));
    }
    EXPECT_TRUE(noted(outcome, 74, "fantompar"));
    EXPECT_TRUE(noted(outcome, 93, "\xf6verseende"));
    // A70A30: the contest has 40, 50 and 60 %; the slot stays, without a score, and says so.
    EXPECT_TRUE(noted(outcome, 216, "70 %"));
    EXPECT_EQ(findResult(c.boards[6], 1, 5)->nsScore, kNoScore);
    EXPECT_EQ(findResult(c.boards[5], 2, 4)->nsScore, kAdjustedBase + 55);
    // "Pass" and a line with score 0 and no contract are both boards passed out.
    EXPECT_EQ(findResult(c.boards[2], 3, 5)->nsScore, 0);
    EXPECT_EQ(findResult(c.boards[4], 2, 5)->nsScore, 0);
    EXPECT_EQ(boardsNotAsPublished(c, reading.session), std::set<int>{6});

    EXPECT_EQ(c.dealCount, 6);
    for (int b = 1; b <= 6; ++b) EXPECT_TRUE(c.boards[b].dealComplete()) << "board " << b;
    EXPECT_EQ(longName(*c.participants[2].first), w("G\xc3\xa4st\xc2\xa0"
                                                    "3"));
    EXPECT_EQ(longName(*c.participants[1].first), w("\xc3\x96"
                                                    "berg \xc3\x85sa"));

    // The same file as many Windows programs write it: declared Windows-1252, with a dash only
    // Windows-1252 has. The Windows build's XML library cannot convert that encoding itself.
    std::string windows = sample("usebio12_phantom.xml");
    const auto change = [&windows](const std::string& from, const std::string& to) {
        windows.replace(windows.find(from), from.size(), to);
    };
    change("encoding=\"ISO-8859-1\"", "encoding = 'Windows-1252'");
    change(
        "\xd6"
        "berg",
        "\xd6"
        "berg\x96Lind");
    const SessionReading windowsReading = readUsebio(windows);
    ASSERT_EQ(windowsReading.refusal, "");
    ContestFixture again;
    ASSERT_EQ(laySession(again.c(), windowsReading.session).refusal, "");
    EXPECT_EQ(longName(*again.c().participants[1].first), w("\xc3\x96"
                                                            "berg\xe2\x80\x93Lind \xc3\x85sa"));
    EXPECT_EQ(boardsNotAsPublished(again.c(), windowsReading.session), std::set<int>{6});
}

TEST(SessionImport, PbnScoreTablesKeepTheirRoundsAndLatin1Names) {
    ContestFixture f;
    // Pair 7 published without names, by its number alone: it gets no players of that name.
    std::string bytes = sample("pbn_scoretable.pbn");
    const std::size_t seventh = bytes.find("\"Greta Gr\xf6n - Dag Hallin\"");
    ASSERT_NE(seventh, std::string::npos);
    bytes.replace(seventh, std::string("\"Greta Gr\xf6n - Dag Hallin\"").size(), "\"Par 7\"");
    const SessionReading reading = readPbnResults(bytes);
    ASSERT_EQ(reading.refusal, "");
    const SessionImport outcome = laySession(f.c(), reading.session);
    ASSERT_EQ(outcome.refusal, "");
    const Contest& c = f.c();
    EXPECT_EQ(c.boardCount, 15);
    EXPECT_EQ(c.boardsPerRound, 3);
    EXPECT_FALSE(noted(outcome, 0, "h\xe4rledda"));
    for (const ImportedResult& r : reading.session.results)
        EXPECT_EQ(findResult(c.boards[r.board], r.nsPair, r.ewPair)->round, r.round);
    expectPlayableRounds(c);
    EXPECT_EQ(c.contestDate, "2024-05-15");
    EXPECT_EQ(longName(*c.participants[5].first), w("Engstr\xc3\xb6m Elsa"));
    EXPECT_EQ(c.participants[7].first, nullptr);
    EXPECT_EQ(c.participants[7].second, nullptr);
    const BoardResult* fortyPercent = nullptr;
    for (int i = 0; i < c.boards[9].resultCount; ++i)
        if (c.boards[9].results[i].nsPair == 3) fortyPercent = &c.boards[9].results[i];
    ASSERT_NE(fortyPercent, nullptr);
    EXPECT_EQ(fortyPercent->nsScore, kAdjustedBase + 40 + 6);  // "40%" and "60%"
    EXPECT_EQ(boardsNotAsPublished(c, reading.session), std::set<int>{9});
    EXPECT_EQ(c.dealCount, 15);
}

// Records of single tables publish no matchpoints: they are counted here, 2 for each score
// beaten and 1 for each tie, and the rounds are worked out from who met on which boards.
TEST(SessionImport, PbnRecordsOfSingleTablesAreCountedFromTheirContracts) {
    ContestFixture f;
    const SessionReading reading = readSample("pbn_records.pbn");
    ASSERT_EQ(reading.refusal, "");
    const SessionImport outcome = laySession(f.c(), reading.session);
    ASSERT_EQ(outcome.refusal, "");
    const Contest& c = f.c();
    for (const ImportNote& note : outcome.notes)
        EXPECT_EQ(note.text.find("st\xe4mmer inte"), std::string::npos);
    std::map<int, std::vector<int>> scores;
    for (const ImportedResult& r : reading.session.results) scores[r.board].push_back(r.score.nsScore);
    for (const ImportedResult& r : reading.session.results) {
        float expected = 0;
        for (int other : scores[r.board])
            expected += other < r.score.nsScore ? 2.0f : other == r.score.nsScore ? 1.0f : 0.0f;
        expected -= 1.0f;  // the result itself, counted as a tie
        EXPECT_FLOAT_EQ(findResult(c.boards[r.board], r.nsPair, r.ewPair)->nsPoints, expected)
            << "line " << r.line;
    }
    EXPECT_EQ(c.contracts.at({1, 1, 4}).contract.doubling, 1);
    expectPlayableRounds(c);
    EXPECT_EQ(longName(*c.participants[1].first), w("\xc3\x96st \xc3\x85ke"));
    EXPECT_EQ(longName(*c.participants[1].second), w("\xc3\x85l M\xc3\xa4rta"));
}

// An imported contest is saved and opened as any other, names with digits and all.
TEST(SessionImport, ImportedContestComesBackFromItsFileUnchanged) {
    if (!usebioReadable()) GTEST_SKIP() << "ingen USEBIO-l\xc3\xa4sare i det h\xc3\xa4r bygget";
    ContestFixture f;
    ASSERT_EQ(importSession(f.c(), sample("usebio10_mitchell.xml")).refusal, "");
    const std::string saved = contestFileText(f.c(), "3.23");

    ContestFixture again;
    std::istringstream in(saved);
    const ContestReadResult read = readContestFile(again.c(), in);
    EXPECT_FALSE(read.partLeftOut()) << test::u(read.message);
    EXPECT_EQ(contestFileText(again.c(), "3.23"), saved);
    EXPECT_EQ(longName(*again.c().participants[7].first),
              "Visitor\xa0"
              "1");
    EXPECT_EQ(contestTotals(again.c()).total, contestTotals(f.c()).total);
}

// Thirteen pairs numbered 1-14 without 7, six tables a round: the number no result uses is
// the bye pair, not a pair that played nothing and stands last.
TEST(SessionImport, ANumberNoResultUsesIsTheByePair) {
    ImportedSession s;
    s.title = "Tretton par";
    for (int n : {1, 2, 3, 4, 5, 6, 8, 9, 10, 11, 12, 13, 14})
        s.pairs.push_back({n, {{"A" + std::to_string(n), -1}, {"B", -1}}, n});
    const std::vector<std::array<int, 2>> tables[2] = {{{1, 2}, {3, 4}, {5, 6}, {8, 9}, {10, 11}, {12, 13}},
                                                       {{14, 1}, {2, 3}, {4, 5}, {6, 8}, {9, 10}, {11, 12}}};
    int line = 100;
    for (int board = 1; board <= 2; ++board)
        for (const auto& [ns, ew] : tables[board - 1]) {
            ImportedResult r;
            r.board = board;
            r.nsPair = ns;
            r.ewPair = ew;
            r.score = {ImportedScore::Kind::Bridge, 10 * line, 0, 0};
            r.line = ++line;
            s.results.push_back(r);
        }
    // The same evening again with the file's own phantom, a pair 15 that no result names: it is
    // a label, not a number of the evening, and 7 is still the bye pair.
    ImportedSession withPhantom = s;
    withPhantom.pairs.push_back({15, {{"Phantom", -1}, {"Phantom", -1}}, 99});
    for (const ImportedSession& session : {s, withPhantom}) {
        ContestFixture f;
        ASSERT_EQ(laySession(f.c(), session).refusal, "");
        const Contest& c = f.c();
        EXPECT_EQ(c.maxPairNumber, 14);
        EXPECT_EQ(c.byePair, 7);
        EXPECT_EQ(c.tableCount, 6);
        const Totals totals = contestTotals(c);
        int places = 0;
        for (int place = 1; place <= totals.n; ++place)
            if (totals.ranking[place] != 0 && totals.ranking[place] != c.byePair) ++places;
        EXPECT_EQ(places, 13);
        EXPECT_EQ(totals.ranking[14], 7) << "the bye pair only fills the last slot, no place of its own";
    }
}

// Two sections of nine tables, A without its NS pair 9, B with every pair; 18 boards each
// played 17 times across the field (top 32), board 8 16 times and raised by Neuberg. Each
// section numbers its pairs from 1; the contest numbers them on: A 1-18, B 19-36. The file
// says neither that it was scored across the field nor by Neuberg: its figures do.
TEST(SessionImport, TwoSectionsAcrossTheFieldAreScoredAsPublished) {
    if (!usebioReadable()) GTEST_SKIP() << "ingen USEBIO-l\xc3\xa4sare i det h\xc3\xa4r bygget";
    ContestFixture f;
    const SessionReading reading = readSample("usebio12_sections.xml");
    ASSERT_EQ(reading.refusal, "");
    Contest& c = f.c();
    const SessionImport outcome = laySession(c, reading.session);
    ASSERT_EQ(outcome.refusal, "");
    EXPECT_EQ(c.sections, sectionsOfSizes({18, 18}, true));
    EXPECT_TRUE(c.scoringRule.neuberg) << "board 8 is raised as the file raised it";
    EXPECT_EQ(c.maxPairNumber, 36);
    EXPECT_EQ(c.byePair, 9) << "section A's missing pair";
    EXPECT_EQ(c.tableCount, 17);
    EXPECT_EQ(c.boards[8].resultCount, 16);
    EXPECT_EQ(c.boards[1].resultCount, 17);
    EXPECT_EQ(pairLabel(c, 19), "B1");
    EXPECT_EQ(pairLabel(c, 18), "A18");
    EXPECT_TRUE(outcome.differingBoards.empty());
    EXPECT_EQ(boardsNotAsPublished(c, reading.session), std::set<int>{});

    // Per section the same results come to other figures; back across the field, the file's.
    c.sections.acrossField = false;
    rescoreBoards(c);
    EXPECT_EQ(boardsNotAsPublished(c, reading.session).size(), 18u);
    c.sections.acrossField = true;
    rescoreBoards(c);
    EXPECT_EQ(boardsNotAsPublished(c, reading.session), std::set<int>{});

    // Our own USEBIO writes each section with its pairs from 1, and reads back the same evening.
    std::ostringstream usebio;
    writeUsebio(c, usebio);
    EXPECT_NE(usebio.str().find("<SECTION SECTION_ID=\"B\">"), std::string::npos);
    ContestFixture again;
    const SessionReading ours = readUsebio(usebio.str());
    ASSERT_EQ(ours.refusal, "");
    ASSERT_EQ(laySession(again.c(), ours.session).refusal, "");
    EXPECT_EQ(again.c().sections, c.sections);
    // Every result again, with its round, score and points (tables of a round may change order).
    for (int b = 1; b <= 18; ++b) {
        ASSERT_EQ(again.c().boards[b].resultCount, c.boards[b].resultCount) << "board " << b;
        for (int i = 0; i < c.boards[b].resultCount; ++i) {
            const BoardResult& r = c.boards[b].results[i];
            const BoardResult* back = findResult(again.c().boards[b], r.nsPair, r.ewPair);
            ASSERT_NE(back, nullptr) << "board " << b << " " << r.nsPair << "-" << r.ewPair;
            EXPECT_EQ(std::tie(back->round, back->nsScore, back->nsPoints, back->ewPoints),
                      std::tie(r.round, r.nsScore, r.nsPoints, r.ewPoints));
        }
    }
}

// Records of single tables whose pairs are known by their seats' names alone, as a club's
// converter writes them: one pair per name, numbered from the name where it ends in a number,
// the one without a number given the lowest number left.
TEST(SessionImport, PbnRecordsWithoutPairNumbersArePairedByTheSeatsNames) {
    std::string pbn = "% PBN 2.1\r\n";
    const auto record = [&](int board, const char* ns, const char* ew, const char* contract,
                            const char* declarer, int tricks, const char* score) {
        pbn += "[Event \"Klubbkv\xe4ll\"]\r\n[Board \"" + std::to_string(board) + "\"]\r\n[North \"" + ns +
               "\"]\r\n[East \"" + ew + "\"]\r\n[South \"" + ns + "\"]\r\n[West \"" + ew +
               "\"]\r\n[Contract \"" + contract + "\"]\r\n[Declarer \"" + declarer + "\"]\r\n[Result \"" +
               std::to_string(tricks) + "\"]\r\n[Score \"" + score + "\"]\r\n\r\n";
    };
    record(1, "Para-1", "Para-2", "4S", "N", 10, "NS 420");
    record(1, "Para-4", "Guests", "4S", "N", 11, "NS 450");
    record(2, "Para-1", "Para-4", "3NT", "E", 9, "EW 400");
    record(2, "Guests", "Para-2", "2H", "S", 8, "NS 110");
    const SessionReading reading = readPbnResults(pbn);
    ASSERT_EQ(reading.refusal, "");
    ContestFixture f;
    const SessionImport outcome = laySession(f.c(), reading.session);
    ASSERT_EQ(outcome.refusal, "");
    const Contest& c = f.c();
    EXPECT_EQ(c.maxPairNumber, 4);
    const auto scoreOf = [&](int board, int ns, int ew) {
        const BoardResult* r = findResult(c.boards[board], ns, ew);
        return r ? r->nsScore : -1;
    };
    EXPECT_EQ(scoreOf(1, 1, 2), 420);
    EXPECT_EQ(scoreOf(1, 4, 3), 450);
    EXPECT_EQ(scoreOf(2, 1, 4), -400);
    EXPECT_EQ(scoreOf(2, 3, 2), 110);
    // The seats' one name is the pair's, not its players': nobody joins the register as "Para-1".
    EXPECT_EQ(c.participants[1].first, nullptr);
}

}  // namespace
}  // namespace vindelkast
