#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <random>
#include <set>

#include "files/team_draw_file.h"
#include "model/victory_points.h"
#include "movement/round_robin.h"
#include "movement/swiss_draw.h"
#include "support/test_text.h"

namespace vindelkast {
namespace {

// The 20-point formula written afresh: tau^x as exp(x ln tau), rounded half up by hand.
int formulaHundredths(int boards, int margin) {
    const double tau = 0.5 * (std::sqrt(5.0) - 1.0);
    const double width = 15.0 * std::sqrt(static_cast<double>(boards));
    const double share = (1.0 - std::exp(3.0 * margin / width * std::log(tau))) / (1.0 - tau * tau * tau);
    return std::min(2000, static_cast<int>(std::floor(1000.0 + 1000.0 * share + 0.5)));
}

TEST(VictoryPoints, ScaleFollowsTheFormulaMadeConcave) {
    int repaired = 0;
    for (int boards : {6, 8, 12, 16, 24, 32}) {
        SCOPED_TRACE(boards);
        const std::vector<int> scale = vpScale(boards);
        ASSERT_GE(scale.size(), 3u);
        EXPECT_EQ(scale.front(), 1000);
        EXPECT_EQ(scale.back(), 2000);
        for (std::size_t m = 1; m < scale.size(); ++m) {
            const int formula = formulaHundredths(boards, static_cast<int>(m));
            const int step = scale[m] - scale[m - 1];
            EXPECT_GT(step, 0) << m;
            EXPECT_LE(scale[m], formula) << m;
            EXPECT_TRUE(m + 1 == scale.size() || scale[m] < 2000) << m;
            // Either the formula's own value, or the formula's step was too large and was
            // lowered to exactly the step below it.
            const int stepBefore = m < 2 ? 2000 : scale[m - 1] - scale[m - 2];
            EXPECT_LE(step, stepBefore) << m;
            if (scale[m] != formula) {
                EXPECT_EQ(step, stepBefore) << m;
                ++repaired;
            }
        }
        for (int margin = 0; margin < static_cast<int>(scale.size()) + 5; ++margin) {
            const int winner = winnerVp(boards, margin);
            EXPECT_EQ(winner, margin < static_cast<int>(scale.size()) ? scale[margin] : 2000);
            const VpPair home = matchVp(boards, 40 + margin, 40);
            const VpPair away = matchVp(boards, 7, 7 + margin);
            EXPECT_EQ(home.first, winner);
            EXPECT_EQ(home.first + home.second, 2000);
            EXPECT_EQ(away.second, winner);
            EXPECT_EQ(away.first, 2000 - winner);
        }
    }
    EXPECT_GT(repaired, 0) << "rounding leaves some step too large on these lengths";
    // Every match length the program takes climbs to 20.00.
    for (int boards = 1; boards <= kMaxVpBoards; ++boards) EXPECT_EQ(vpScale(boards).back(), 2000) << boards;
}

TEST(RoundRobin, EveryPairMeetsOnceWithHomeAndAwayAlternating) {
    for (int teams : {6, 7}) {
        SCOPED_TRACE(teams);
        const auto rounds = roundRobin(teams);
        ASSERT_EQ(rounds.size(), static_cast<std::size_t>(teams % 2 ? teams : teams - 1));
        std::set<std::pair<int, int>> meetings;
        std::map<int, int> byes, home, away;
        std::map<int, std::string> venues;  // 'H', 'B' or '-' round by round
        for (const auto& round : rounds) {
            std::set<int> inRound;
            for (const RobinMatch& m : round) {
                EXPECT_TRUE(inRound.insert(m.home).second);
                if (m.away == 0) {
                    ++byes[m.home];
                    venues[m.home] += '-';
                    continue;
                }
                EXPECT_TRUE(inRound.insert(m.away).second);
                EXPECT_TRUE(meetings.insert(meetingOf(m.home, m.away)).second) << m.home << "-" << m.away;
                ++home[m.home];
                ++away[m.away];
                venues[m.home] += 'H';
                venues[m.away] += 'B';
            }
            EXPECT_EQ(inRound.size(), static_cast<std::size_t>(teams));
        }
        EXPECT_EQ(meetings.size(), static_cast<std::size_t>(teams * (teams - 1) / 2));
        int breaks = 0;
        for (int t = 1; t <= teams; ++t) {
            EXPECT_EQ(byes[t], teams % 2) << t;
            EXPECT_LE(std::abs(home[t] - away[t]), 1) << t;
            const std::string& v = venues[t];
            for (std::size_t r = 1; r < v.size(); ++r) breaks += v[r] != '-' && v[r] == v[r - 1];
        }
        // Berger tables reach the least possible: two home or two away games running for
        // n - 2 teams once each.
        if (teams % 2 == 0) {
            EXPECT_EQ(breaks, teams - 2);
        }
    }
}

using Meetings = std::set<std::pair<int, int>>;

// Whether `teams` can all be paired with no two meeting again, trying every pairing.
bool pairableAfresh(const std::vector<int>& teams, const Meetings& met) {
    if (teams.empty()) return true;
    for (std::size_t i = 1; i < teams.size(); ++i) {
        if (met.count(meetingOf(teams[0], teams[i]))) continue;
        std::vector<int> rest;
        for (std::size_t j = 1; j < teams.size(); ++j)
            if (j != i) rest.push_back(teams[j]);
        if (pairableAfresh(rest, met)) return true;
    }
    return false;
}

// The club's own totals and order: VP, IMP difference, IMP quotient, then seeding (1, 2, ...).
struct Tally {
    int vp = 0, scored = 0, conceded = 0;
    double quotient() const {
        if (scored == 0 && conceded == 0) return 1.0;
        return conceded == 0 ? HUGE_VAL : static_cast<double>(scored) / conceded;
    }
};

std::vector<int> orderOf(const std::map<int, Tally>& tallies) {
    std::vector<int> order;
    for (const auto& [team, tally] : tallies) order.push_back(team);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const Tally& x = tallies.at(a);
        const Tally& y = tallies.at(b);
        if (x.vp != y.vp) return x.vp > y.vp;
        if (x.scored - x.conceded != y.scored - y.conceded)
            return x.scored - x.conceded > y.scored - y.conceded;
        return x.quotient() > y.quotient();
    });
    return order;
}

// Thirteen teams, seven rounds of random results; in round 4 the director sets the leader
// against the last team. Every round is checked against a Monrad draw worked out afresh.
TEST(SwissDraw, ThirteenTeamsOverSevenRoundsMeetOnceAndNearTheirPlace) {
    for (unsigned seed : {1u, 2u, 3u, 4u, 5u}) {
        SCOPED_TRACE(seed);
        std::mt19937 rng(seed);
        TeamEvent event;
        event.boards = 8;
        event.rounds = 7;
        std::map<int, Tally> tallies;
        for (int t = 1; t <= 13; ++t) {
            event.teams.push_back(t);
            event.names.push_back("Lag " + std::to_string(t));
            tallies[t] = {};
        }
        Meetings met;
        std::set<int> hadBye;
        for (int r = 1; r <= 7; ++r) {
            SCOPED_TRACE(r);
            event.fixedMeetings.clear();
            std::vector<int> order = orderOf(tallies);
            // The leader against the lowest-placed team it has not met.
            const int last = *std::find_if(order.rbegin(), order.rend(),
                                           [&](int t) { return !met.count(meetingOf(order.front(), t)); });
            if (r == 4) event.fixedMeetings = {{order.front(), last}};
            const SwissDrawInput input = swissDrawInput(event, kDefaultByeVp, false);
            ASSERT_EQ(input.standings, order);
            const SwissDraw draw = drawSwissRound(input);
            ASSERT_EQ(draw.message, "");
            EXPECT_FALSE(draw.repeatUnavoidable);
            EXPECT_EQ(draw.repeats, 0);

            // The bye: the lowest-placed team without one that the director has not seated.
            std::vector<int> free;
            for (int t : order)
                if (r != 4 || (t != order.front() && t != last)) free.push_back(t);
            const auto byeAt =
                std::find_if(free.rbegin(), free.rend(), [&](int t) { return !hadBye.count(t); });
            ASSERT_NE(byeAt, free.rend());
            EXPECT_EQ(draw.bye, *byeAt);
            hadBye.insert(draw.bye);
            free.erase(std::find(free.begin(), free.end(), draw.bye));

            // From the top: the best free team meets the nearest team below it that it has
            // not met and whose pairing leaves the rest a draw without repeats.
            std::set<int> seated = {draw.bye};
            for (const auto& [a, b] : draw.pairs) {
                EXPECT_TRUE(seated.insert(a).second && seated.insert(b).second);
                if (r == 4 && meetingOf(a, b) == meetingOf(order.front(), last)) continue;
                ASSERT_EQ(a, free.front());
                int nearest = 0;
                for (std::size_t i = 1; i < free.size() && nearest == 0; ++i) {
                    std::vector<int> rest = free;
                    rest.erase(rest.begin() + static_cast<long>(i));
                    rest.erase(rest.begin());
                    if (!met.count(meetingOf(a, free[i])) && pairableAfresh(rest, met)) nearest = free[i];
                }
                EXPECT_EQ(b, nearest);
                std::erase(free, a);
                std::erase(free, b);
            }
            EXPECT_EQ(seated.size(), 13u);

            TeamRound played;
            for (const auto& [a, b] : draw.pairs) {
                const int aImps = static_cast<int>(rng() % 70), bImps = static_cast<int>(rng() % 70);
                played.matches.push_back({a, b, aImps, bImps});
                const VpPair vp = matchVp(event.boards, aImps, bImps);
                tallies[a].vp += vp.first, tallies[a].scored += aImps, tallies[a].conceded += bImps;
                tallies[b].vp += vp.second, tallies[b].scored += bImps, tallies[b].conceded += aImps;
                met.insert(meetingOf(a, b));
            }
            played.byes = {draw.bye};
            tallies[draw.bye].vp += kDefaultByeVp;
            event.played.push_back(played);
        }
        EXPECT_EQ(hadBye.size(), 7u) << "no team sat out twice";
        EXPECT_EQ(met.size(), 6u * 7u) << "no two teams met twice";
    }
}

// More rounds than a field can play without meeting again, random standings each round: six
// teams can all meet in five rounds and seven in seven, so the first repeat is in round 6 and
// round 8, announced by the round before it, however the standings fall.
TEST(SwissDraw, ARepeatComesAsLateAsTheFieldAllows) {
    for (const auto& [teams, rounds] : {std::pair{6, 7}, std::pair{7, 8}})
        for (unsigned seed = 1; seed <= 25; ++seed) {
            SCOPED_TRACE(std::to_string(teams) + " lag, slump " + std::to_string(seed));
            std::mt19937 rng(seed);
            SwissDrawInput input;
            for (int t = 1; t <= teams; ++t) input.standings.push_back(t);
            const int lastWithoutRepeat = teams % 2 == 0 ? teams - 1 : teams;
            for (int r = 1; r <= rounds; ++r) {
                std::shuffle(input.standings.begin(), input.standings.end(), rng);
                input.roundsLeft = rounds - r + 1;
                const SwissDraw draw = drawSwissRound(input);
                ASSERT_EQ(draw.message, "");
                EXPECT_EQ(draw.repeats > 0, r > lastWithoutRepeat) << "round " << r;
                EXPECT_EQ(draw.nextRoundRepeats, r == lastWithoutRepeat) << "round " << r;
                for (const auto& [a, b] : draw.pairs) input.met.insert(meetingOf(a, b));
                if (draw.bye != 0) input.hadBye.insert(draw.bye);
            }
        }
}

// Four teams after their round robin, drawn for a fourth round from the file the director
// keeps: every pairing repeats a meeting, so the draw says so and pairs by the standings.
// Team 1 won by 7 and lost by 5, team 2 won by 8 and lost by 7, team 3 drew all, team 4 lost
// by 8 and won by 5: on a concave scale that ranks them 1, 2, 3, 4.
TEST(SwissDraw, AFourthRoundOfFourTeamsMustRepeat) {
    const std::string text = test::w(
        "# fyra lag\r\nbrickor 8\r\nronder 4\r\nlag 1 Åsele BK  \r\nlag 2 B\r\nlag 3 C\r\nlag 4 D\r\n"
        "rond 1\r\n1 2 10 3\r\n3 4 0 0\r\nrond 2\r\n1 3 5 5\r\n2 4 9 1\r\nrond 3\r\n1 4 2 7\r\n2 3 4 4\r\n");
    TeamEvent event;
    ASSERT_EQ(readTeamDraw(text, event), "");
    EXPECT_EQ(event.nameOf(1), test::w("Åsele BK"));
    const SwissDraw draw = drawSwissRound(swissDrawInput(event, kDefaultByeVp, true));
    ASSERT_EQ(draw.message, "");
    EXPECT_TRUE(draw.repeatUnavoidable);
    EXPECT_EQ(draw.repeats, 2);
    EXPECT_EQ(draw.pairs, (std::vector<std::pair<int, int>>{{1, 2}, {3, 4}}));

    event.played.push_back({{{1, 2, 0, 0}, {3, 4, 0, 0}}, {}});
    EXPECT_NE(drawSwissRound(swissDrawInput(event, kDefaultByeVp, false)).message, "") << "no round is left";
}

TEST(TeamDrawFile, RefusesWhatCannotBeAnEventAndNamesTheLine) {
    const std::string head = "brickor 8\nronder 2\nlag 1 A\nlag 2 B\nlag 3 C\n";
    const std::pair<std::string, std::string> refused[] = {
        {head + "rond 1\n1 4 3 3\n", "Rad 7:"},         // no team 4
        {head + "rond 1\n1 2 3 3\nfri 2\n", "Rad 8:"},  // team 2 twice in the round
        {head + "rond 1\nrond 2\nrond 3\n", "Rad 8:"},  // more rounds than the event has
        {head + "rond 1\n1 2 3 1000\n", "Rad 7:"},      // IMPs out of range
        {head + "fast 1 2\nfast 2 3\n", "Rad 7:"},      // two set meetings for team 2
        {"brickor 101\n", "Rad 1:"},
        {"brickor 8\n" + std::string(300, 'x') + "\n", "Rad 2:"},
        {"ronder 2\nlag 1 A\nlag 2 B\n", test::w("Filen är ofullständig")},
    };
    for (const auto& [text, start] : refused) {
        TeamEvent event;
        const std::string message = readTeamDraw(text, event);
        EXPECT_EQ(message.substr(0, start.size()), start) << text << test::u(message);
    }
}

}  // namespace
}  // namespace vindelkast
