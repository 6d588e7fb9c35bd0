// A round robin of six teams kept as a contest from the first draw to paper: every team meets
// every other once and the draw then stops; each match's IMPs and VP worked out here from the
// scores typed at its two tables (an adjusted board among them) agree with the match cards,
// the cross table and the standings; PBN and XML name the teams and their players; and a
// series of four teams goes on with the round robin's next round on the next evening. Swiss
// pairs on cross-IMPs: each match's margin worked out here from the whole field's scores agrees
// with the cards and the VP standings, which USEBIO and the side files carry as they are.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdlib>
#include <set>
#include <sstream>

#include "files/rules_file.h"
#include "files/team_event_file.h"
#include "model/entry_grid.h"
#include "model/scoring_form.h"
#include "model/team_matches.h"
#include "model/typed_score.h"
#include "movement/round_robin.h"
#include "movement/table_rounds.h"
#include "movement/team_round_draw.h"
#include "output/pbn_export.h"
#include "output/team_views.h"
#include "output/text_format.h"
#include "output/usebio_export.h"
#include "output/xml_export.h"
#include "support/sample_contests.h"

namespace vindelkast {
namespace {

// The IMP scale from its printed table: the lowest difference of each step from 1 IMP up.
int imps(int difference) {
    static const std::array<int, 24> from = {20,   50,   90,   130,  170,  220,  270,  320,
                                             370,  430,  500,  600,  750,  900,  1100, 1300,
                                             1500, 1750, 2000, 2250, 2500, 3000, 3500, 4000};
    int step = 0;
    while (step < 24 && std::abs(difference) >= from[static_cast<std::size_t>(step)]) ++step;
    return difference < 0 ? -step : step;
}

const std::array<const char*, 7> kScores = {"420", "-50", "620", "-100", "140", "-200", "1430"};

// Types every table's scores of the round, the home table of the first match adjusted 60/40 on
// the round's first board; returns each match's IMPs for the home team worked out from them.
std::vector<int> playRound(Contest& contest, int round) {
    std::vector<int> homeImps;
    for (const TableSeat& seat : roundTables(contest, round, false))
        for (int b : seat.boards) {
            const bool adjusted = seat.table == 1 && b == seat.boards.front();
            EntryRow row{seat.nsPair, seat.ewPair, 0, 0, false, {}};
            const char* score = adjusted ? "%+-" : kScores[static_cast<std::size_t>(seat.table * 3 + b) % 7];
            EXPECT_TRUE(storeTypedScore(contest, b, row, score).written) << b << " " << score;
        }
    for (const TableSeat& home : roundTables(contest, round, false)) {
        if (home.table % 2 == 0) continue;
        int total = 0;
        for (int b : home.boards) {
            if (home.table == 1 && b == home.boards.front()) {
                total += 3;  // 60 % at home's own table is 3 IMPs, the other table's score counts nothing
                continue;
            }
            const int atHome = std::atoi(kScores[static_cast<std::size_t>(home.table * 3 + b) % 7]);
            const int away = std::atoi(kScores[static_cast<std::size_t>((home.table + 1) * 3 + b) % 7]);
            total += imps(atHome - away);
        }
        homeImps.push_back(total);
    }
    return homeImps;
}

TEST(TeamEventOnPaper, RoundRobinOfSixTeams) {
    test::ContestFixture f;
    Contest& c = f.c();
    SetUpRequest request;
    request.contestName = "Lagserien";
    ASSERT_EQ(setUpTeamEvent(c, request, {TeamForm::RoundRobin, 6, 2, 0, 1200, {"Norrfors", "Vindeln"}}), "");
    ASSERT_EQ(c.roundCount, 5);

    std::set<std::pair<int, int>> met;
    std::vector<int> vp(7, 0);
    std::vector<std::vector<std::string>> cross(7, std::vector<std::string>(7));
    for (int round = 1; round <= 5; ++round) {
        ASSERT_EQ(drawTeamRound(c, false).round, round);
        const std::vector<int> expected = playRound(c, round);
        const std::vector<MatchCard> cards = roundMatches(c, round);
        ASSERT_EQ(cards.size(), 3u);
        for (std::size_t m = 0; m < cards.size(); ++m) {
            const MatchCard& card = cards[m];
            EXPECT_TRUE(met.insert({std::min(card.home, card.away), std::max(card.home, card.away)}).second);
            EXPECT_EQ(card.homeImps - card.awayImps, expected[m]) << "round " << round << " match " << m;
            const VpPair share = matchVp(2, std::max(expected[m], 0), std::max(-expected[m], 0));
            vp[static_cast<std::size_t>(card.home)] += share.first;
            vp[static_cast<std::size_t>(card.away)] += share.second;
            cross[static_cast<std::size_t>(card.home)][static_cast<std::size_t>(card.away)] =
                vpText(share.first);
        }
    }
    EXPECT_EQ(met.size(), 15u);
    EXPECT_EQ(drawTeamRound(c, false).message, "Alla 5 ronder \xe4r lottade");

    // The adjusted board on the first match card, and every VP on the cross table's rows.
    const std::vector<ViewLine> card = matchCardLines(c, roundMatches(c, 1).front());
    EXPECT_NE(card[2].text.find("%+-"), std::string::npos) << card[2].text;
    const std::vector<ViewLine> table = crossTableLines(c);
    for (int home = 1; home <= 6; ++home) {
        for (int away = 1; away <= 6; ++away) {
            const std::string& cell = cross[static_cast<std::size_t>(home)][static_cast<std::size_t>(away)];
            if (cell.empty()) continue;
            EXPECT_NE(table[static_cast<std::size_t>(home + 1)].text.find(cell), std::string::npos)
                << home << "-" << away;
        }
    }
    const Standings standings = scoringForm(c).standings(c);
    for (const StandingsRow& row : standings.rows)
        EXPECT_NEAR(row.figures[0], vp[static_cast<std::size_t>(row.pair)] / 100.0, 1e-9) << row.pair;

    // The exchange files name the teams, and each team's entry has both its pairs' players.
    std::ostringstream pbn, xml;
    writePbn(c, pbn);
    EXPECT_NE(pbn.str().find("\"Norrfors\""), std::string::npos);
    EXPECT_NE(pbn.str().find("\"Lag 6\""), std::string::npos);
    ASSERT_EQ(writeXml(c, xml), "");
    std::size_t persons = 0;
    for (std::size_t at = xml.str().find("<person>"); at != std::string::npos;
         at = xml.str().find("<person>", at + 1))
        ++persons;
    EXPECT_EQ(persons, 24u);
}

TEST(TeamEventOnPaper, ASeriesGoesOnWithTheRoundRobin) {
    test::ContestFixture first;
    ASSERT_EQ(setUpTeamEvent(first.c(), SetUpRequest{}, {TeamForm::RoundRobin, 4, 2, 2, 1200, {}}), "");
    for (int round = 1; round <= 2; ++round) {
        ASSERT_EQ(drawTeamRound(first.c(), false).round, round);
        playRound(first.c(), round);
    }
    test::ContestFixture next;
    ASSERT_EQ(continueTeamSeries(first.c(), next.c(), SetUpRequest{}, {TeamForm::RoundRobin, 0, 3, 0, 0, {}}),
              "");
    EXPECT_EQ(next.c().roundCount, 1) << "four teams meet in three rounds, two of them played";
    ASSERT_EQ(drawTeamRound(next.c(), false).round, 1);
    const std::vector<RobinMatch> third = roundRobin(4)[2];
    const std::vector<MatchCard> cards = roundMatches(next.c(), 1);
    ASSERT_EQ(cards.size(), third.size());
    for (std::size_t m = 0; m < cards.size(); ++m) {
        EXPECT_EQ(cards[m].home, third[m].home);
        EXPECT_EQ(cards[m].away, third[m].away);
    }
}

TEST(TeamEventOnPaper, SwissPairsAcrossTheFieldInCrossImps) {
    test::ContestFixture f;
    const TeamPlan plan{TeamForm::SwissPairs, 6, 2, 2, 1200, {}, ScoringMethod::CrossImps};
    ASSERT_EQ(setUpTeamEvent(f.c(), SetUpRequest{}, plan), "");
    ASSERT_EQ(drawTeamRound(f.c(), true).round, 1);
    const std::vector<TableSeat> tables = roundTables(f.c(), 1, false);
    ASSERT_EQ(tables.size(), 3u);
    const auto score = [](int table, int board) {
        return std::atoi(kScores[static_cast<std::size_t>(table * 3 + board) % 7]);
    };
    for (const TableSeat& seat : tables)
        for (int b : seat.boards) {
            EntryRow row{seat.nsPair, seat.ewPair, 0, 0, false, {}};
            ASSERT_TRUE(storeTypedScore(f.c(), b, row, std::to_string(score(seat.table, b))).written);
        }
    // A table's margin: on each board the mean of its IMPs against the two other tables.
    for (const TableSeat& seat : tables) {
        double margin = 0;
        for (int b : seat.boards)
            for (const TableSeat& other : tables)
                if (other.table != seat.table)
                    margin += imps(score(seat.table, b) - score(other.table, b)) / 2.0;
        const std::optional<MatchCard> card = matchOfTeam(f.c(), 1, seat.nsPair);
        ASSERT_TRUE(card);
        const int whole = static_cast<int>(std::lround(margin));
        EXPECT_EQ(card->homeImps - card->awayImps, whole) << "table " << seat.table;
        EXPECT_EQ(card->vp.first, matchVp(2, std::max(whole, 0), std::max(-whole, 0)).first);
    }

    // The standings and the USEBIO file give each pair its match's VP.
    const Standings standings = scoringForm(f.c()).standings(f.c());
    std::ostringstream usebio;
    writeUsebio(f.c(), usebio);
    EXPECT_NE(usebio.str().find("EVENT_TYPE=\"SWISS_PAIRS\""), std::string::npos);
    for (const StandingsRow& row : standings.rows) {
        const MatchCard card = *matchOfTeam(f.c(), 1, row.pair);
        const int vp = card.home == row.pair ? card.vp.first : card.vp.second;
        EXPECT_DOUBLE_EQ(row.figures[0], vp / 100.0);
        const std::string& text = usebio.str();
        const std::size_t pair = text.find("<PAIR_NUMBER>" + std::to_string(row.pair) + "</PAIR_NUMBER>");
        ASSERT_NE(pair, std::string::npos) << row.pair;
        const std::size_t total = text.find("<TOTAL_SCORE>", pair) + 13;
        EXPECT_EQ(text.substr(total, text.find('<', total) - total),
                  formatText("%d.%02d", vp / 100, vp % 100));
    }

    // The side files bring the same form and rule back.
    test::ContestFixture back;
    ASSERT_EQ(readRules(back.c(), writeRules(f.c())), "");
    ASSERT_EQ(readTeamEvent(back.c(), writeTeamEvent(f.c())), "");
    EXPECT_EQ(back.c().scoringRule, f.c().scoringRule);
    EXPECT_EQ(back.c().teams.form, TeamForm::SwissPairs);
    EXPECT_EQ(&scoringForm(back.c()), &scoringForm(f.c()));
}

}  // namespace
}  // namespace vindelkast
