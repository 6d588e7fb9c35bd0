// A Monrad evening of seven teams at six tables, its results sent by the tables' phones: the
// draw laid on the boards, each table's own boards only, the match's IMPs and VP on the phone
// as soon as both tables have a board, the next draw waiting for the round and never repeating
// a meeting, and the whole evening (teams, draw, scores) back from the recovery file written
// between two tables' entries. Then Swiss pairs: nine pairs whose boards are matchpointed
// across the field, each match worth VP from the margin its matchpoints make.
#include <nlohmann/json.hpp>

#include "files/team_event_file.h"
#include "model/contest_scoring.h"
#include "model/scoring_form.h"
#include "model/team_matches.h"
#include "movement/swiss_draw.h"
#include "movement/team_round_draw.h"
#include "output/team_views.h"
#include "table_phones.h"

namespace vindelkast {
namespace {

using Json = nlohmann::json;

// Board 1 is played with nobody vulnerable: 4S making is 420, one down 50, two down 100.
constexpr int kBoard = 1;

Json roundJson(test::HeldEvening& e, int table, int round) {
    const TableRequestReading reading = readTableRequest(
        TableCall::Round, R"({"table":)" + std::to_string(table) + R"(,"code":")" +
                              e.tables->codes().tables.at(static_cast<std::size_t>(table - 1)) +
                              R"(","round":)" + std::to_string(round) + "}");
    return Json::parse(e.tables->handle(e.contest(), reading.request, "10.0.0.1", 0).body, nullptr, false);
}

// Every table of the round plays the boards it has not entered: 4S by North, 8 to 10 tricks.
void playRound(test::HeldEvening& e, int round, std::int64_t& now) {
    for (const TableSeat& seat : roundTables(e.contest(), round, false))
        for (int b : seat.boards) {
            if (hasScore(findResult(e.contest().boards[b], seat.nsPair, seat.ewPair)->nsScore)) continue;
            const TableDecision d = e.submit(
                seat.table, b, "4S", "N", 8 + (seat.table + b) % 3,
                "r" + std::to_string(round) + "t" + std::to_string(seat.table) + "b" + std::to_string(b),
                now += 1000);
            ASSERT_EQ(d.outcome, TableOutcome::Store) << d.body;
        }
}

TEST(TeamEvening, MonradBySevenTeamsPhones) {
    test::HeldEvening e;
    SetUpRequest request;
    request.contestName = "Lagmonrad";
    TeamPlan plan{TeamForm::Swiss, 7, 4, 3, 1200, {"Norrfors BK", "Vindelns BS", "\xc5sele Bridge"}};
    ASSERT_EQ(setUpTeamEvent(e.contest(), request, plan), "");
    EXPECT_NE(setUpTeamEvent(e.contest(), request, {TeamForm::Swiss, 7, 24, 3, 1200, {}}), "")
        << "three rounds of 24 boards are more than a contest holds";

    // Seeded: 1-2, 3-4, 5-6 at tables 1-2, 3-4, 5-6 and team 7 sits out.
    const TeamRoundDraw first = drawTeamRound(e.contest(), true);
    ASSERT_EQ(first.round, 1) << first.message;
    ASSERT_EQ(first.matches.size(), 3u);
    EXPECT_EQ(first.bye, 7);
    EXPECT_EQ(first.matches[0].home, 1);
    EXPECT_EQ(first.matches[2].table, 5);
    EXPECT_EQ(tableSeat(e.contest(), 2, 1, false).nsPair, 3)
        << "team 2's first pair sits NS at the second table";
    EXPECT_EQ(tableSeat(e.contest(), 2, 1, false).ewPair, 2);
    e.tables.emplace(makeTableCodes(tableCountOfEvening(e.contest(), false), false, 7));

    // Table 1 may enter only its own round's boards.
    std::int64_t now = 1'000'000;
    EXPECT_EQ(e.submit(1, 5, "4S", "N", 10, "wrong", now).outcome, TableOutcome::Invalid);
    ASSERT_EQ(e.submit(1, kBoard, "4S", "N", 10, "t1", now += 1000).outcome, TableOutcome::Store);
    EXPECT_FALSE(roundJson(e, 1, 1).contains("match")) << "one table alone says nothing of the match yet";

    // The recovery file written between the two tables' entries of the board.
    const std::string halfway = e.recoveryText();
    ASSERT_EQ(e.submit(2, kBoard, "4S", "N", 8, "t2", now += 1000).outcome, TableOutcome::Store);
    // 420 at home against 100 to Vindeln's North: 520 is 11 IMP.
    const int vp = matchVp(4, 11, 0).first;
    EXPECT_EQ(roundJson(e, 1, 1)["match"], "NS (Norrfors BK): Ni leder med 11 IMP, " + vpText(vp) + " VP");
    EXPECT_EQ(roundJson(e, 2, 1)["match"],
              "NS (Vindelns BS): Ni ligger under med 11 IMP, " + vpText(2000 - vp) + " VP");

    test::HeldEvening back;
    ASSERT_EQ(back.recover(halfway), "");
    EXPECT_EQ(writeTeamEvent(back.contest()), writeTeamEvent(e.contest()));
    ASSERT_EQ(roundMatches(back.contest(), 1).size(), 3u);
    EXPECT_EQ(roundMatches(back.contest(), 1)[0].boards[0].homeTableScore, 420);
    EXPECT_EQ(roundMatches(back.contest(), 1)[0].boardsDone, 0);

    // The next draw waits for the round, then pairs the field again without a repeat.
    EXPECT_EQ(drawTeamRound(e.contest(), true).round, 0);
    playRound(e, 1, now);
    const TeamRoundDraw second = drawTeamRound(e.contest(), true);
    ASSERT_EQ(second.round, 2) << second.message;
    EXPECT_NE(second.bye, 7);
    for (const DrawnMatch& m : second.matches) EXPECT_FALSE(m.repeat) << m.home << "-" << m.away;

    // Drawn early, round 3 meets neither round 2's nor round 1's opponents; it is taken back, and
    // two teams of round 2 change places before they play.
    const TeamRoundDraw early = drawTeamRound(e.contest(), true, true);
    ASSERT_EQ(early.round, 3) << early.message;
    for (const DrawnMatch& m : early.matches) EXPECT_FALSE(m.repeat) << m.home << "-" << m.away;
    EXPECT_EQ(undrawTeamRound(e.contest()), "");
    EXPECT_EQ(drawnTeamRounds(e.contest()), 2);
    const int homeAtOne = second.matches[0].home;
    ASSERT_EQ(moveTeams(e.contest(), homeAtOne, second.bye), "");
    EXPECT_EQ(tableSeat(e.contest(), 1, 2, false).nsPair, e.contest().teams.pairsOf(second.bye)[0]);
    EXPECT_EQ(roundByes(e.contest(), 2), std::vector<int>{homeAtOne});

    // Standings by VP: every match shares 20 VP, the bye brings 12; team names on the rows.
    playRound(e, 2, now);
    const Standings standings = scoringForm(e.contest()).standings(e.contest());
    ASSERT_EQ(standings.rows.size(), 7u);
    double total = 0;
    for (const StandingsRow& row : standings.rows) total += row.figures[0];
    EXPECT_NEAR(total, 2 * (3 * 20.0 + 12.0), 1e-9);
    const auto norrfors = std::find_if(standings.rows.begin(), standings.rows.end(),
                                       [](const StandingsRow& r) { return r.pair == 1; });
    EXPECT_EQ(standingsName(e.contest(), standings,
                            static_cast<std::size_t>(norrfors - standings.rows.begin()), NameForm::Long),
              "Norrfors BK");
    EXPECT_EQ(e.contest().teams.nameOf(5), "Lag 5");

    // The series' next evening brings the totals forward and draws no meeting played before.
    test::ContestFixture next;
    ASSERT_EQ(continueTeamSeries(e.contest(), next.c(), request, {TeamForm::Swiss, 0, 4, 3, 0, {}}), "");
    EXPECT_EQ(next.c().teams.names[0], "Norrfors BK");
    const TeamRoundDraw opening = drawTeamRound(next.c(), false);
    ASSERT_EQ(opening.round, 1) << opening.message;
    for (const DrawnMatch& m : opening.matches) EXPECT_FALSE(m.repeat) << m.home << "-" << m.away;
    EXPECT_NE(opening.bye, 7);
    EXPECT_NE(opening.bye, homeAtOne);
    const std::vector<TeamScore> carried = teamEventTotals(next.c());
    ASSERT_EQ(carried.size(), 7u);
    for (const StandingsRow& row : standings.rows)
        EXPECT_DOUBLE_EQ(carried[static_cast<std::size_t>(row.pair - 1)].vp / 100.0, row.figures[0]);
}

TEST(TeamEvening, SwissPairsOfNinePairsAcrossTheField) {
    test::HeldEvening e;
    SetUpRequest request;
    request.contestName = "Parmonrad";
    const TeamPlan plan{TeamForm::SwissPairs, 9, 3, 3, 1200, {}, ScoringMethod::Matchpoints};
    ASSERT_EQ(setUpTeamEvent(e.contest(), request, plan), "");
    EXPECT_EQ(e.contest().byePair, 0) << "the draw, not a bye pair, says who sits out";
    EXPECT_EQ(e.contest().maxPairNumber, 9);

    // Seeded: 1-2 at table 1 ... 7-8 at table 4, pair 9 sits out; the home pair sits NS.
    const TeamRoundDraw first = drawTeamRound(e.contest(), true);
    ASSERT_EQ(first.round, 1) << first.message;
    ASSERT_EQ(first.matches.size(), 4u);
    EXPECT_EQ(first.bye, 9);
    EXPECT_EQ(first.matches[2].table, 3);
    EXPECT_EQ(tableSeat(e.contest(), 2, 1, false).nsPair, 3);
    EXPECT_EQ(tableSeat(e.contest(), 2, 1, false).ewPair, 4);
    e.tables.emplace(makeTableCodes(tableCountOfEvening(e.contest(), false), false, 9));

    // Board 1 at every table, 4S by North: 420, 100 down, 50 down, 420 (top 6). Table 1's 5 of
    // 6 matchpoints against East-West's 1 is 33 % above the half: 10 IMPs.
    std::int64_t now = 5'000'000;
    for (int table : {1, 2, 3, 4}) {
        ASSERT_EQ(e.submit(table, kBoard, "4S", "N", 8 + (table + kBoard) % 3, "b1t" + std::to_string(table),
                           now += 1000)
                      .outcome,
                  TableOutcome::Store);
        // With two tables in, 420 against 100 down is the whole board's matchpoints: 15 IMPs.
        if (table == 1) {
            EXPECT_FALSE(roundJson(e, 1, 1).contains("match")) << "nothing to compare yet";
        } else if (table == 2) {
            EXPECT_EQ(roundJson(e, 1, 1)["match"],
                      "NS: Ni leder med 15 IMP, " + vpText(matchVp(3, 15, 0).first) + " VP");
        }
    }
    const int lead = matchVp(3, 10, 0).first;
    EXPECT_EQ(roundJson(e, 1, 1)["match"], "NS: Ni leder med 10 IMP, " + vpText(lead) + " VP");
    EXPECT_FALSE(roundJson(e, 1, 1)["ns"].contains("team")) << "a pair is known by its names";

    // Table 3 over the round: 50 down (2 of 6), 620 (6 of 6), 100 down (0 of 6): -5 IMPs.
    playRound(e, 1, now);
    const std::optional<MatchCard> third = matchOfTeam(e.contest(), 1, 5);
    ASSERT_TRUE(third);
    EXPECT_EQ(third->tables, 1);
    EXPECT_EQ(third->homeImps - third->awayImps, -5);
    EXPECT_EQ(third->vp.second, matchVp(3, 0, 5).second);

    // Round 2 from the standings: no repeat, another pair sits out; every match shares 20 VP.
    const TeamRoundDraw second = drawTeamRound(e.contest(), false);
    ASSERT_EQ(second.round, 2) << second.message;
    EXPECT_NE(second.bye, 9);
    for (const DrawnMatch& m : second.matches) EXPECT_FALSE(m.repeat) << m.home << "-" << m.away;
    playRound(e, 2, now);
    const Standings standings = scoringForm(e.contest()).standings(e.contest());
    ASSERT_EQ(standings.rows.size(), 9u);
    double total = 0;
    for (const StandingsRow& row : standings.rows) total += row.figures[0];
    EXPECT_NEAR(total, 2 * (4 * 20.0 + 12.0), 1e-9);
    EXPECT_EQ(standingsName(e.contest(), standings, 0, NameForm::Long),
              "Par " + std::to_string(standings.rows[0].pair));

    // Back from the recovery file: the form, the boards' method and every figure.
    test::HeldEvening back;
    ASSERT_EQ(back.recover(e.recoveryText()), "");
    const Standings again = scoringForm(back.contest()).standings(back.contest());
    ASSERT_EQ(again.rows.size(), standings.rows.size());
    for (std::size_t i = 0; i < again.rows.size(); ++i)
        EXPECT_EQ(again.rows[i].figures, standings.rows[i].figures);

    // Cross-IMPs instead: table 3's 620 on board 2 against -200, -100 and -200 is 13, 12 and
    // 13 IMPs, 12,67 on its card.
    ASSERT_TRUE(chooseScoringRule(e.contest(), {ScoringMethod::CrossImps, false, true}));
    const std::vector<ViewLine> card = matchCardLines(e.contest(), *matchOfTeam(e.contest(), 1, 5));
    EXPECT_TRUE(std::any_of(card.begin(), card.end(), [](const ViewLine& l) {
        return l.text.find("620") != std::string::npos && l.text.find("12,67") != std::string::npos;
    }));
}

}  // namespace
}  // namespace vindelkast
