// A five-table Mitchell evening as one table's phone follows it: the round finished and where
// the pairs go next, the next round beginning when every table is done (or when the table
// goes on by itself), a changed result held for the director and settled, the director's
// status line, and at the end the final ranking with the cards of the pairs at the table.
// The same in an evening of two sections: the pairs shown as A/B labels everywhere and one
// ranking a section, the table's own first.
#include <gtest/gtest.h>

#include <set>

#include <nlohmann/json.hpp>

#include "files/text_encoding.h"
#include "model/board_results.h"
#include "model/board_scoring.h"
#include "model/bulk_points.h"
#include "model/sections.h"
#include "movement/sectioned_setup.h"
#include "table_phones.h"
#include "tables/table_evening.h"
#include "tables/table_standings.h"
#include "tables/table_status_view.h"

namespace vindelkast {
namespace {

using Json = nlohmann::json;
using test::Evening;
using test::Reply;

class PhoneEvening : public ::testing::Test {
protected:
    Evening e;

    void SetUp() override {
        ASSERT_EQ(e.layTenPairMitchell(), "");
        e.start(false);
    }
    Json call(TableCall call, int table, const std::string& fields = "", int* status = nullptr) {
        const Reply r = e.send(call, R"({"table":)" + std::to_string(table) + R"(,"code":")" + e.code(table) +
                                         "\"" + fields + "}");
        if (status) *status = r.status;
        return Json::parse(r.body, nullptr, false);
    }
    Json round(int table, int r) { return call(TableCall::Round, table, R"(,"round":)" + std::to_string(r)); }
    // The table plays its boards of a round: 3NT by South, tricks depending on table and board.
    void play(int table, int r) {
        const TableSeat seat = tableSeat(e.contest, table, r, false);
        for (int b : seat.boards) {
            if (e.score(b, seat.nsPair, seat.ewPair) != kNoScore) continue;
            const Reply reply =
                e.submit(table, b, "3NT", "S", 7 + (table * b) % 5,
                         "t" + std::to_string(table) + "r" + std::to_string(r) + "b" + std::to_string(b));
            ASSERT_EQ(reply.outcome, TableOutcome::Store) << reply.body;
        }
    }
};

TEST_F(PhoneEvening, FromTheFirstRoundToTheFinalRanking) {
    Json r1 = round(1, 1);
    EXPECT_FALSE(r1["complete"]);
    EXPECT_EQ(r1["evening"], Json::parse(R"({"round":1,"rounds":5,"tablesDone":0,"tables":5,"over":false})"));
    int status = 0;
    call(TableCall::Standings, 1, "", &status);
    EXPECT_EQ(status, 403);

    // Table 1 is done: NS pair 1 stays with the next boards, EW pair 6 goes up a table and
    // meets the boards that went down one; the next round has not begun.
    play(1, 1);
    r1 = round(1, 1);
    EXPECT_TRUE(r1["complete"]);
    Json next = r1["next"];
    for (Json& move : next) move.erase("name");
    EXPECT_EQ(next, Json::parse(R"([{"nr":1,"table":1,"seat":"NS","boards":[6,7,8,9,10]},
                                    {"nr":6,"table":2,"seat":"EW","boards":[11,12,13,14,15]}])"))
        << r1["next"].dump();
    EXPECT_FALSE(r1["nextStarted"]);
    for (int t = 2; t <= 4; ++t) play(t, 1);
    EXPECT_EQ(round(1, 1)["evening"]["tablesDone"], 4);
    EXPECT_FALSE(round(1, 1)["nextStarted"]);
    const ServerStatusLine line = serverStatusLine(e.contest, e.service, "http://10.1.1.5:8080/");
    EXPECT_EQ(cp1252ToUtf8(line.text),
              "Borden: http://10.1.1.5:8080/ · Rond 1: 4 av 5 bord klara · Inga konflikter");

    // The last table finishes: round 2 has begun for everybody.
    play(5, 1);
    EXPECT_TRUE(round(1, 1)["nextStarted"]);
    // Board 1 at table 1 adjusted to 60 % for NS, 40 % for EW: "%+-" stays in `score`, the
    // shares are told besides, on the round, the slip and (below) the card.
    setScore(*findResult(e.contest.boards[1], 1, 6), parseAdjustedScore("%+-"));
    scoreBoard(e.contest.boards[1], e.contest.scoringRule);
    const Json shares = Json::parse(R"({"ns":60,"ew":40})");
    EXPECT_EQ(round(1, 1)["boards"][0]["score"], "%+-");
    EXPECT_EQ(round(1, 1)["boards"][0]["adjusted"], shares);
    EXPECT_EQ(call(TableCall::Results, 1, R"(,"board":1)")["results"],
              Json::parse(R"([{"ns":{"nr":1,"name":""},
        "ew":{"nr":6,"name":""},"played":{"contract":"3NT","declarer":"S","tricks":8},"score":"%+-",
        "adjusted":{"ns":60,"ew":40}}])"));
    EXPECT_EQ(round(1, 2)["evening"]["round"], 2);

    // Table 2 asks to change board 6 (its round-1 board): held for the director, shown as
    // held until the director keeps what is there; the desk reads the seat in Swedish.
    const Reply change = e.submit(2, 6, "4H", "E", 9, "change");
    ASSERT_EQ(change.outcome, TableOutcome::Conflict) << change.body;
    EXPECT_EQ(round(2, 2)["held"], Json::parse("[6]"));
    EXPECT_NE(cp1252ToUtf8(conflictText(e.service.conflicts().at(0))).find("4H Ö -1 (100)"),
              std::string::npos)
        << conflictText(e.service.conflicts().at(0));
    EXPECT_EQ(cp1252ToUtf8(serverStatusLine(e.contest, e.service, "A").text),
              "Borden: A · Rond 2: 0 av 5 bord klara · Konflikter att avgöra: 1");
    // A club or diamond contract, and one passed out, in Swedish letters too.
    PendingConflict clubs = e.service.conflicts().at(0);
    ASSERT_EQ(parseContract("2C", clubs.wanted.played.contract), "");
    clubs.wanted.played.tricks = 8;
    ASSERT_EQ(parseContract("3DX", clubs.existing.contract), "");
    clubs.existing.declarer = West;
    clubs.existing.tricks = 10;
    clubs.existingHasContract = true;
    const std::string clubsText = cp1252ToUtf8(conflictText(clubs));
    EXPECT_NE(clubsText.find(": bordet 2K Ö = ("), std::string::npos) << clubsText;
    EXPECT_NE(clubsText.find(", finns 3RX V +1 ("), std::string::npos) << clubsText;
    clubs.wanted.played.contract = Contract{};
    EXPECT_NE(cp1252ToUtf8(conflictText(clubs)).find("bordet Pass (0)"), std::string::npos)
        << conflictText(clubs);
    ASSERT_TRUE(e.service.rejectConflict(e.service.conflicts().at(0).id));
    EXPECT_EQ(round(2, 2)["held"], Json::array());

    // A table that goes on by itself starts its next round before the others are done.
    play(1, 2);
    EXPECT_FALSE(round(1, 2)["nextStarted"]);
    ASSERT_EQ(e.submit(1, tableSeat(e.contest, 1, 3, false).boards.front(), "pass", "N", 0, "early").outcome,
              TableOutcome::Store);
    EXPECT_TRUE(round(1, 2)["nextStarted"]);
    EXPECT_EQ(eveningState(e.contest, false).round, 2);

    for (int r = 2; r <= 5; ++r)
        for (int t = 1; t <= 5; ++t)
            if (!seatFinished(e.contest, tableSeat(e.contest, t, r, false))) play(t, r);
    const Json last = round(1, 5);
    EXPECT_TRUE(last["complete"]);
    EXPECT_EQ(last["next"], Json::array());
    EXPECT_TRUE(last["evening"]["over"]);

    // The end: every pair ranked, tied pairs sharing a place as in the exports; the cards of the pairs at
    // table 1 in the last round, every board of the evening on them. Each board is played five times, so its
    // top is the contest's and a card's percentage is the ranking's.
    const Json end = call(TableCall::Standings, 1, "", &status);
    ASSERT_EQ(status, 200) << end.dump();
    EXPECT_EQ(end["heading"], "Slutställning");
    ASSERT_EQ(end["ranking"].size(), 10u);
    double sum = 0;
    for (std::size_t i = 0; i < 10; ++i) {
        const bool tied = i > 0 && end["ranking"][i]["percent"] == end["ranking"][i - 1]["percent"];
        EXPECT_EQ(end["ranking"][i]["place"],
                  tied ? end["ranking"][i - 1]["place"].get<int>() : static_cast<int>(i) + 1)
            << end["ranking"].dump();
        if (i > 0) {
            EXPECT_LE(end["ranking"][i]["percent"], end["ranking"][i - 1]["percent"]);
        }
        sum += end["ranking"][i]["percent"].get<double>();
    }
    EXPECT_NEAR(sum, 500.0, 0.6);
    const TableSeat seat = tableSeat(e.contest, 1, 5, false);
    ASSERT_EQ(end["cards"].size(), 2u);
    for (const Json& card : end["cards"]) {
        const int pair = card["nr"];
        EXPECT_TRUE(pair == seat.nsPair || pair == seat.ewPair) << pair;
        ASSERT_EQ(card["rows"].size(), 25u);
        EXPECT_EQ(card["rows"][0]["round"], 1);
        EXPECT_EQ(card["rows"][24]["round"], 5);
        EXPECT_EQ(card["top"], 25 * 8);
        for (const Json& place : end["ranking"]) {
            if (place["nr"] == pair) {
                EXPECT_NEAR(card["percent"].get<double>(), place["percent"].get<double>(), 0.11);
            }
        }
    }
    const Json first = end["cards"][0]["rows"][0];
    EXPECT_EQ(first["board"], 1);
    EXPECT_EQ(first["seat"], "NS");
    EXPECT_EQ(first["opponents"]["nr"], 6);
    EXPECT_EQ(first["played"]["contract"], "3NT");
    EXPECT_EQ(first["played"]["declarer"], "S");
    EXPECT_EQ(first["adjusted"], shares);
    EXPECT_EQ(first["points"], 4.8);  // 60 % of the board's top of 8
    EXPECT_FALSE(end["cards"][0]["rows"][1].contains("adjusted"));
    EXPECT_EQ(cp1252ToUtf8(serverStatusLine(e.contest, e.service, "A").text),
              "Borden: A · Alla ronder klara · Inga konflikter");
}

// Sections A (10 pairs, tables 1-5) and B (9 pairs with a sit-out, tables 6-10) on the same
// 18 boards, matchpointed across the field or per section, or scored in IMPs.
struct SectionedCase {
    bool acrossField;
    bool imps;
};

class SectionedPhoneEvening : public PhoneEvening, public ::testing::WithParamInterface<SectionedCase> {
protected:
    void SetUp() override {
        SetUpRequest request;
        request.boards = "18";
        request.rounds = "9";
        ASSERT_EQ(setUpSections(e.contest, request, sectionPlans({10, 9}), GetParam().acrossField).message,
                  "");
        if (GetParam().imps) {
            ASSERT_TRUE(chooseScoringRule(e.contest, ScoringRule{ScoringMethod::CrossImps}));
        }
        e.start(false);
    }
};

TEST_P(SectionedPhoneEvening, ShowsSectionLabelsAndRanksEachSection) {
    const TableSeat seat = tableSeat(e.contest, 7, 1, false);
    ASSERT_EQ(sectionOf(e.contest, seat.nsPair), 1);
    const Json r1 = round(7, 1);
    EXPECT_EQ(r1["ns"]["nr"], seat.nsPair) << "the requests go on with the contest's numbers";
    EXPECT_EQ(r1["ns"]["label"], pairLabel(e.contest, seat.nsPair));
    EXPECT_EQ(r1["ew"]["label"], "B" + std::to_string(seat.ewPair - 10));
    play(7, 1);
    const Json played = round(7, 1);
    for (const Json& move : played["next"])
        EXPECT_EQ(move["label"], "B" + std::to_string(move["nr"].get<int>() - 10)) << move.dump();
    // Table 2 of A plays the same board: the slip shows both sections' results by label.
    play(2, 1);
    const int board = seat.boards.front();
    ASSERT_EQ(tableSeat(e.contest, 2, 1, false).boards.front(), board);
    const Json slip = call(TableCall::Results, 7, R"(,"board":)" + std::to_string(board));
    ASSERT_EQ(slip["results"].size(), 2u) << slip.dump();
    std::set<std::string> labels;
    for (const Json& r : slip["results"])
        labels.insert(r["ns"]["label"].get<std::string>()[0] + std::string("-") +
                      r["ew"]["label"].get<std::string>()[0]);
    EXPECT_EQ(labels, (std::set<std::string>{"A-A", "B-B"}));

    for (int r = 1; r <= 9; ++r) {
        for (int t = 1; t <= 10; ++t)
            if (tableSeat(e.contest, t, r, false).nsPair > 0 &&
                !seatFinished(e.contest, tableSeat(e.contest, t, r, false)))
                play(t, r);
        // While the evening goes on, a section matchpointed alone is measured against its own
        // results' top: what its pairs scored is half of what they could have.
        if (r == 4 && !GetParam().acrossField && !GetParam().imps) {
            const PhoneStandings live = phoneStandings(e.contest);
            ASSERT_EQ(live.sections.size(), 2u);
            EXPECT_EQ(cp1252ToUtf8(live.sections[1].heading), "Ställning sektion B efter 4 av 9 ronder");
            for (const SectionRanking& section : live.sections) {
                double points = 0, tops = 0;
                for (const RankingLine& line : section.lines) {
                    points += live.figures.pairs[line.pair].points;
                    tops += live.figures.pairs[line.pair].top;
                }
                EXPECT_NEAR(2 * points, tops, 0.01) << section.heading;
            }
        }
    }
    int status = 0;
    const Json end = call(TableCall::Standings, 7, "", &status);
    ASSERT_EQ(status, 200) << end.dump();
    EXPECT_EQ(end["imps"], GetParam().imps);
    EXPECT_EQ(end["ranking"].size(), 19u) << "the whole field stays for clients that show one list";
    ASSERT_EQ(end["sections"].size(), 2u);
    // Table 7 is in B: its section first; places within each section, 1 the best of each.
    const std::size_t counts[] = {9, 10};
    for (std::size_t s = 0; s < 2; ++s) {
        const Json& list = end["sections"][s];
        const std::string letter = s == 0 ? "B" : "A";
        EXPECT_EQ(list["section"], letter);
        EXPECT_EQ(list["heading"], "Slutställning sektion " + letter);
        const Json& ranking = list["ranking"];
        ASSERT_EQ(ranking.size(), counts[s]) << ranking.dump();
        double sum = 0;
        for (std::size_t i = 0; i < ranking.size(); ++i) {
            EXPECT_EQ(ranking[i]["label"].get<std::string>().substr(0, 1), letter);
            EXPECT_EQ(ranking[i]["label"], pairLabel(e.contest, ranking[i]["nr"]));
            const bool tied = i > 0 && ranking[i]["points"] == ranking[i - 1]["points"];
            EXPECT_EQ(ranking[i]["place"],
                      tied ? ranking[i - 1]["place"].get<int>() : static_cast<int>(i) + 1)
                << ranking.dump();
            if (i > 0) {
                EXPECT_LE(ranking[i]["percent"], ranking[i - 1]["percent"]);
            }
            sum += ranking[i]["percent"].get<double>();
        }
        // Matchpointed in its own section, a section's percentages average 50.
        if (!GetParam().acrossField && !GetParam().imps) {
            EXPECT_NEAR(sum, 50.0 * static_cast<double>(counts[s]), 0.6) << ranking.dump();
        }
    }
    ASSERT_EQ(end["cards"].size(), 2u);
    for (const Json& card : end["cards"]) {
        EXPECT_EQ(card["label"], pairLabel(e.contest, card["nr"]));
        for (const Json& row : card["rows"])
            EXPECT_EQ(row["opponents"]["label"].get<std::string>().substr(0, 1), "B") << row.dump();
    }
}

INSTANTIATE_TEST_SUITE_P(Fields, SectionedPhoneEvening,
                         ::testing::Values(SectionedCase{true, false}, SectionedCase{false, false},
                                           SectionedCase{true, true}));

}  // namespace
}  // namespace vindelkast
