// A five-table Mitchell evening as one table's phone follows it: the round finished and where
// the pairs go next, the next round beginning when every table is done (or when the table
// goes on by itself), a changed result held for the director and settled, the director's
// status line, and at the end the final ranking with the cards of the pairs at the table.
// The same in an evening of two sections: the pairs and tables shown as A/B labels everywhere
// and one ranking a section, the table's own first. Evenings with a sit-out, in sections or
// not, round by round: the tables that rest, the pairs told to sit out, the status line, and
// between two rounds no board shown that a pair leaving or sitting down has still to play.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>

#include <nlohmann/json.hpp>

#include "files/text_encoding.h"
#include "model/board_results.h"
#include "model/board_scoring.h"
#include "model/contest_scoring.h"
#include "model/sections.h"
#include "movement/sectioned_setup.h"
#include "output/movement_cards.h"
#include "table_phones.h"
#include "tables/results_access.h"
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
    // The players' name of a table: the running number, or A1.. and B1.. after `tablesA`.
    static std::string label(int t, int tablesA) {
        return tablesA == 0 ? std::to_string(t)
                            : (t <= tablesA ? "A" : "B") + std::to_string(t - (t > tablesA) * tablesA);
    }
    std::vector<int> pairsOf(int t, int r) const {
        const TableSeat s = tableSeat(e.contest, t, r, false);
        return s.table ? std::vector<int>{s.nsPair, s.ewPair} : std::vector<int>{};
    }
    void walk(int playing, int tablesA, const std::function<void(int)>& afterRound = {});
};

// Plays the evening round by round, all tables but the last first: every phone is on
// the round in play, a resting one told so and who comes next; a pair seated nowhere next is
// told to sit out; the status line counts the `playing` tables; and a table between rounds
// shows no board that a pair leaving it or sitting down next (after a rest too) has to play.
void PhoneEvening::walk(int playing, int tablesA, const std::function<void(int)>& afterRound) {
    const int tables = tableCountOfEvening(e.contest, false), rounds = lastTableRound(e.contest, false);
    const std::vector<PrintedCard> cards = tableCards(e.contest);
    const auto status = [this](int r, int done, int of) {
        EXPECT_EQ(cp1252ToUtf8(serverStatusLine(e.contest, e.service, "A").text),
                  "Borden: A · Rond " + std::to_string(r) + ": " + std::to_string(done) + " av " +
                      std::to_string(of) + " bord klara · Inga konflikter");
    };
    int rested = 0, toldToSitOut = 0, hiddenBetween = 0;
    for (int r = 1; r <= rounds; ++r) {
        std::vector<int> seated;
        for (int t = 1; t <= tables; ++t) {
            const Json j = call(TableCall::Round, t);
            EXPECT_EQ(j["round"], r) << t;
            EXPECT_EQ(j.value("tableLabel", std::to_string(t)), label(t, tablesA));
            EXPECT_EQ(j.contains("tableLabel"), tablesA > 0);
            EXPECT_EQ(cards[static_cast<std::size_t>(t - 1)].front(), "Bord " + label(t, tablesA));
            const TableStatusRow desk = tableStatus(e.contest, e.service)[static_cast<std::size_t>(t - 1)];
            EXPECT_EQ(desk.label + (desk.rests ? " vilar" : ""),
                      label(t, tablesA) + (j.contains("rests") ? " vilar" : ""));
            if (!pairsOf(t, r).empty()) {
                seated.push_back(t);
                continue;
            }
            ++rested;
            EXPECT_TRUE(j["rests"].get<bool>() && j["complete"].get<bool>() && j["boards"].empty())
                << j.dump();
            EXPECT_NE(
                cards[static_cast<std::size_t>(t - 1)][static_cast<std::size_t>(2 + r)].find("bordet vilar"),
                std::string::npos);
            std::vector<int> coming;
            for (const Json& move : j["next"])
                coming.push_back(move["table"] == t ? move["nr"].get<int>() : 0);
            EXPECT_EQ(coming, r < rounds ? pairsOf(t, r + 1) : std::vector<int>{}) << t;
        }
        ASSERT_EQ(static_cast<int>(seated.size()), playing);
        status(r, 0, playing);
        for (std::size_t i = 0; i + 1 < seated.size(); ++i) play(seated[i], r);
        status(r, playing - 1, playing);
        for (std::size_t i = 0; i + 1 < seated.size(); ++i) {
            const int t = seated[i];
            const Json j = round(t, r);
            EXPECT_FALSE(j["nextStarted"]);
            for (const Json& move : j["next"]) {
                bool seatedNext = false;
                for (const TableSeat& there : roundTables(e.contest, r + 1, false))
                    seatedNext = seatedNext || there.nsPair == move["nr"] || there.ewPair == move["nr"];
                EXPECT_EQ(move["table"] != 0, seatedNext) << move.dump();
                EXPECT_EQ(move.value("tableLabel", label(move["table"], 0)),
                          seatedNext ? label(move["table"], tablesA) : "0");
                toldToSitOut += !seatedNext;
            }
            std::vector<int> readers = pairsOf(t, r);
            for (int later = r + 1; later <= rounds && readers.size() == 2; ++later)
                for (int p : pairsOf(t, later)) readers.push_back(p);
            const auto open = [&](int b) {
                return std::all_of(readers.begin(), readers.end(),
                                   [&](int p) { return pairScore(e.contest.boards[b], p) > kNoScore; });
            };
            for (int b : tableSeat(e.contest, t, r, false).boards) {
                int answered = 0;
                call(TableCall::Results, t, R"(,"board":)" + std::to_string(b), &answered);
                EXPECT_EQ(answered, open(b) ? 200 : 403) << "table " << t << " board " << b;
                hiddenBetween += !open(b);
            }
            for (int b = 1; t == seated.front() && b <= e.contest.boardCount; ++b) {
                const std::string page = "giv" + std::to_string(b) + ".html";
                EXPECT_EQ(resultsAnswer(e.contest, {}, false, false, t, page).body.find("class=\"trav\"") !=
                              std::string::npos,
                          open(b))
                    << "table " << t << " " << page;
            }
        }
        play(seated.back(), r);
        if (r < rounds) {
            EXPECT_TRUE(round(seated.front(), r)["nextStarted"]);
        }
        if (afterRound) afterRound(r);
    }
    EXPECT_EQ(cp1252ToUtf8(serverStatusLine(e.contest, e.service, "A").text),
              "Borden: A · Alla ronder klara · Inga konflikter");
    EXPECT_GT(rested, 0);
    EXPECT_GT(toldToSitOut, 0);
    EXPECT_GT(hiddenBetween, 0);
}

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
    // shares are told besides, on the round and (below, once the EW pair sitting down at table 1
    // has played board 1 too) the slip and the card.
    setScore(*findResult(e.contest.boards[1], 1, 6), parseAdjustedScore("%+-"));
    scoreBoard(e.contest.boards[1], e.contest.scoringRule);
    const Json shares = Json::parse(R"({"ns":60,"ew":40})");
    EXPECT_EQ(round(1, 1)["boards"][0]["score"], "%+-");
    EXPECT_EQ(round(1, 1)["boards"][0]["adjusted"], shares);
    EXPECT_EQ(round(1, 2)["evening"]["round"], 2);

    // Table 2 asks to change board 6 (its round-1 board): held for the director, shown as
    // held until the director keeps what is there; the desk reads the seat in Swedish.
    const Reply change = e.submit(2, 6, "4H", "E", 9, "change");
    ASSERT_EQ(change.outcome, TableOutcome::Conflict) << change.body;
    EXPECT_EQ(round(2, 2)["held"], Json::parse("[6]"));
    EXPECT_NE(cp1252ToUtf8(conflictText(e.contest, e.service.conflicts().at(0))).find("4H Ö -1 (100)"),
              std::string::npos)
        << conflictText(e.contest, e.service.conflicts().at(0));
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
    const std::string clubsText = cp1252ToUtf8(conflictText(e.contest, clubs));
    EXPECT_NE(clubsText.find(": bordet 2K Ö = ("), std::string::npos) << clubsText;
    EXPECT_NE(clubsText.find(", finns 3RX V +1 ("), std::string::npos) << clubsText;
    clubs.wanted.played.contract = Contract{};
    EXPECT_NE(cp1252ToUtf8(conflictText(e.contest, clubs)).find("bordet Pass (0)"), std::string::npos)
        << conflictText(e.contest, clubs);
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
    EXPECT_EQ(call(TableCall::Results, 1, R"(,"board":1)")["results"][0],
              Json::parse(R"({"ns":{"nr":1,"name":""},
        "ew":{"nr":6,"name":""},"played":{"contract":"3NT","declarer":"S","tricks":8},"score":"%+-",
        "adjusted":{"ns":60,"ew":40}})"));

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

// Sections on the same boards, matchpointed across the field or per section, or scored in
// IMPs: A of 10 pairs (tables 1-5) and B of 9 with a sit-out (tables 6-10) on the built-in
// movements, or two sections of 13 on the 14-pair Mitchell card (A1-A7 and B1-B7 behind the
// running numbers 1-14), whose missing EW pair leaves the table it comes to without boards.
struct SectionedCase {
    bool acrossField;
    bool imps;
    bool mitchell13;
};

class SectionedPhoneEvening : public PhoneEvening, public ::testing::WithParamInterface<SectionedCase> {
protected:
    const bool mitchell13 = GetParam().mitchell13;
    const int sizeA = mitchell13 ? 13 : 10, sizeB = mitchell13 ? 13 : 9;  // the pairs that play
    const int tablesA = (sizeA + 1) / 2, before = 2 * tablesA;            // A's tables and pair numbers
    void SetUp() override {
        SetUpRequest request;
        request.boards = mitchell13 ? "28" : "18";
        request.rounds = mitchell13 ? "7" : "9";
        request.sections = sectionPlans({sizeA, sizeB});
        request.acrossField = GetParam().acrossField;
        for (SectionPlan& plan : request.sections)
            if (mitchell13) plan.guideCard = VK_SOURCE_DIR "/examples/P14_mitchell.gui";
        ASSERT_EQ(setUp(e.contest, request).message, "");
        if (GetParam().imps) {
            ASSERT_TRUE(chooseScoringRule(e.contest, ScoringRule{ScoringMethod::CrossImps}));
        }
        e.start(false);
    }
};

TEST_P(SectionedPhoneEvening, ShowsSectionLabelsAndRanksEachSection) {
    const int b2 = tablesA + 2;
    const TableSeat seat = tableSeat(e.contest, b2, 1, false);
    ASSERT_EQ(sectionOf(e.contest, seat.nsPair), 1);
    const Json r1 = round(b2, 1);
    EXPECT_EQ(r1["ns"]["nr"], seat.nsPair) << "the requests go on with the contest's numbers";
    EXPECT_EQ(r1["ns"]["label"], pairLabel(e.contest, seat.nsPair));
    EXPECT_EQ(r1["ew"]["label"], "B" + std::to_string(seat.ewPair - before));
    // The players log in with the table as the slip names it.
    const auto login = [this](const std::string& table, int code) {
        return e.send(TableCall::Login, R"({"table":")" + table + R"(","code":")" + e.code(code) + "\"}");
    };
    EXPECT_EQ(Json::parse(login("b2", b2).body)["tableLabel"], "B2");
    EXPECT_EQ(login("B2", 2).status, 401);
    EXPECT_EQ(login("C1", 2).status, 422);
    // A code alone opens no table, not even its own: every try names the table it is for.
    EXPECT_EQ(e.send(TableCall::Login, R"({"code":")" + e.code(b2) + "\"}").status, 400);

    walk(sizeA / 2 + sizeB / 2, tablesA, [&](int r) {
        // While the evening goes on, a section matchpointed alone is measured against its own
        // results' top: what its pairs scored is half of what they could have.
        if (r != 4 || GetParam().acrossField || GetParam().imps) return;
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
    });
    // Table 2 of A plays the same boards: the slip shows both sections' results by label, and
    // where the pairs went by theirs.
    const int board = seat.boards.front();
    ASSERT_EQ(tableSeat(e.contest, 2, 1, false).boards.front(), board);
    std::set<std::string> labels;
    const Json slip = call(TableCall::Results, b2, R"(,"board":)" + std::to_string(board));
    for (const Json& r : slip["results"])
        labels.insert(r["ns"]["label"].get<std::string>()[0] + std::string("-") +
                      r["ew"]["label"].get<std::string>()[0]);
    EXPECT_EQ(labels, (std::set<std::string>{"A-A", "B-B"}));
    const Json played = round(b2, 1);
    for (const Json& move : played["next"])
        EXPECT_EQ(move["label"], "B" + std::to_string(move["nr"].get<int>() - before)) << move.dump();
    int status = 0;
    const Json end = call(TableCall::Standings, b2, "", &status);
    ASSERT_EQ(status, 200) << end.dump();
    // A short list shows IMPs and IMPs per board, or the percentage alone.
    EXPECT_EQ(end["figures"].size(), GetParam().imps ? 2u : 1u) << end["figures"].dump();
    EXPECT_EQ(end["points"]["ofTop"], !GetParam().imps);
    EXPECT_EQ(end["ranking"].size(), static_cast<std::size_t>(sizeA + sizeB))
        << "the whole field stays for clients that show one list";
    ASSERT_EQ(end["sections"].size(), 2u);
    // The table is in B: its section first; places within each section, 1 the best of each.
    const int counts[] = {sizeB, sizeA};
    for (std::size_t s = 0; s < 2; ++s) {
        const Json& list = end["sections"][s];
        const std::string letter = s == 0 ? "B" : "A";
        EXPECT_EQ(list["section"], letter);
        EXPECT_EQ(list["heading"], "Slutställning sektion " + letter);
        const Json& ranking = list["ranking"];
        ASSERT_EQ(ranking.size(), static_cast<std::size_t>(counts[s])) << ranking.dump();
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
            EXPECT_NEAR(sum, 50.0 * counts[s], 0.6) << ranking.dump();
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
                         ::testing::Values(SectionedCase{true, false, true},
                                           SectionedCase{false, false, false},
                                           SectionedCase{true, true, false}));

// One field of nine pairs on the built-in movement: the pair the bye pair would meet sits out
// and the Howell table they would share stands empty, a table told so, numbered as ever.
class ByePairEvening : public PhoneEvening {
    void SetUp() override {
        SetUpRequest request;
        request.boards = "27";
        request.rounds = "9";
        request.maxPair = "9";
        ASSERT_EQ(setUpContest(e.contest, request).message, "");
        e.start(false);
    }
};

TEST_F(ByePairEvening, TablesRestAndPairsSitOutAsInSections) { walk(9 / 2, 0); }

}  // namespace
}  // namespace vindelkast
