#include "movement/team_round_draw.h"

#include <algorithm>
#include <set>

#include "model/board_results.h"
#include "model/contest_scoring.h"
#include "model/result_order.h"
#include "model/team_matches.h"
#include "movement/round_robin.h"
#include "movement/sectioned_setup.h"
#include "movement/swiss_draw.h"

namespace vindelkast {

namespace {

// The first board of `round` still without a score at a table, or 0.
int unfinishedBoard(const Contest& contest, int round, int& table) {
    const int k = contest.boardsPerRound;
    for (int b = (round - 1) * k + 1; b <= std::min(round * k, contest.lastBoard()); ++b) {
        const Board& board = contest.boards[b];
        for (int i = 0; i < board.resultCount; ++i)
            if (!hasScore(board.results[i].nsScore)) {
                table = board.results[i].round;
                return b;
            }
    }
    return 0;
}

// Monrad from the standings over the rounds up to `standingsRound`.
TeamRoundDraw swissRound(const Contest& contest, bool seeded, int standingsRound) {
    TeamRoundDraw draw;
    SwissDrawInput input = swissDrawInput(teamEventOf(contest), contest.teams.byeVp, !seeded);
    for (const auto& [a, b] : contest.teams.earlierMeetings) input.met.insert(meetingOf(a, b));
    input.hadBye.insert(contest.teams.earlierByes.begin(), contest.teams.earlierByes.end());
    // Past the first round (or in a series) the standings decide, the partly played round's
    // results left out when it is drawn early.
    if (drawnTeamRounds(contest) > 0 || !contest.teams.carried.empty()) {
        input.standings.clear();
        for (const TeamScore& t : rankTeams(teamEventTotals(contest, 1, standingsRound)))
            input.standings.push_back(t.team);
    }
    const SwissDraw swiss = drawSwissRound(input);
    if (!swiss.message.empty()) {
        draw.message = swiss.message;
        return draw;
    }
    for (const auto& [home, away] : swiss.pairs)
        draw.matches.push_back({home, away, 0, input.met.count(meetingOf(home, away)) > 0});
    draw.bye = swiss.bye;
    draw.repeats = swiss.repeats;
    draw.repeatUnavoidable = swiss.repeatUnavoidable;
    draw.nextRoundRepeats = swiss.nextRoundRepeats;
    return draw;
}

TeamRoundDraw robinRound(const Contest& contest, int round) {
    TeamRoundDraw draw;
    const std::vector<std::vector<RobinMatch>> schedule = roundRobin(contest.teams.teamCount);
    round += contest.teams.earlierRounds;
    if (round > static_cast<int>(schedule.size())) {
        draw.message = "Alla m\xf6ter redan alla";
        return draw;
    }
    for (const RobinMatch& m : schedule[static_cast<std::size_t>(round - 1)]) {
        if (m.away == 0)
            draw.bye = m.home;
        else
            draw.matches.push_back({m.home, m.away, 0, false});
    }
    return draw;
}

// Lays each match's two tables on the round's boards; false (the boards as they were) when a
// board cannot take them.
bool layRound(Contest& contest, int round, std::vector<DrawnMatch>& matches) {
    const int k = contest.boardsPerRound;
    const int first = (round - 1) * k + 1, last = std::min(round * k, contest.lastBoard());
    std::vector<std::pair<int, std::array<BoardResult, kMaxResults>>> saved;
    for (int b = first; b <= last; ++b)
        saved.emplace_back(contest.boards[b].resultCount, contest.boards[b].results);
    const auto restore = [&] {
        for (int s = first; s <= last; ++s) {
            contest.boards[s].resultCount = saved[static_cast<std::size_t>(s - first)].first;
            contest.boards[s].results = saved[static_cast<std::size_t>(s - first)].second;
        }
    };
    int next = 1;
    for (DrawnMatch& m : matches) {
        m.table = next;
        for (const MatchTable& table : contest.teams.matchTables(m.home, m.away)) {
            for (int b = first; b <= last; ++b)
                if (addResult(contest.boards[b], table.nsPair, table.ewPair, next, kNoScore, 0, 0, true)) {
                    restore();
                    return false;
                }
            ++next;
        }
    }
    return true;
}

}  // namespace

int roundRobinRounds(int teams) { return teams < 2 ? 0 : (teams % 2 == 0 ? teams - 1 : teams); }

std::string setUpTeamEvent(Contest& contest, SetUpRequest request, const TeamPlan& plan) {
    const bool pairs = plan.form == TeamForm::SwissPairs;
    if (pairs && (plan.teams < 2 || plan.teams > kMaxPair))
        return "En Monradt\xe4vling f\xf6r par har 2 till 72 par";
    if (!pairs && (plan.teams < 2 || plan.teams > kMaxPair / 2)) return "En lagt\xe4vling har 2 till 36 lag";
    if (pairs && plan.boardScoring == ScoringMethod::VictoryPoints) return "Ange hur brickorna r\xe4knas";
    if (plan.boardsPerMatch < 1) return "Ange antal brickor per match";
    const int rounds =
        plan.form == TeamForm::RoundRobin && plan.rounds == 0 ? roundRobinRounds(plan.teams) : plan.rounds;
    if (rounds < 1) return "Ange antal ronder";
    if (plan.form == TeamForm::RoundRobin && rounds > roundRobinRounds(plan.teams))
        return std::to_string(plan.teams) + " lag m\xf6ts alla p\xe5 " +
               std::to_string(roundRobinRounds(plan.teams)) + " ronder";
    if (rounds * plan.boardsPerMatch > kMaxBoard)
        return "En t\xe4vling rymmer h\xf6gst " + std::to_string(kMaxBoard) +
               " brickor: " + std::to_string(rounds) + " ronder med " + std::to_string(plan.boardsPerMatch) +
               " brickor \xe4r " + std::to_string(rounds * plan.boardsPerMatch);
    request.boards = std::to_string(rounds * plan.boardsPerMatch);
    request.rounds = std::to_string(rounds);
    const int pairsPerTeam = pairs ? 1 : 2;
    request.maxPair = std::to_string(pairsPerTeam * plan.teams);
    request.byePair.clear();
    request.withoutGuideCard = true;
    request.gronaHissen = request.barometer = request.individual = request.teamContest = false;
    request.sections.clear();
    const SetUpOutcome outcome = setUp(contest, request);
    if (!outcome.message.empty()) return outcome.message;
    // An odd field of pairs has no bye pair: the draw says who sits out each round.
    if (contest.byePair > 0) {
        contest.participants[static_cast<std::size_t>(contest.byePair)] = Participant{};
        contest.byePair = 0;
        contest.maxPairNumber = pairsPerTeam * plan.teams;
    }
    TeamSetup teams;
    teams.form = plan.form;
    teams.teamCount = plan.teams;
    teams.byeVp = plan.byeVp;
    teams.names = plan.names;
    teams.names.resize(static_cast<std::size_t>(plan.teams));
    contest.teams = std::move(teams);
    contest.participantCount = std::max(contest.participantCount, pairsPerTeam * plan.teams);
    contest.tableCount = contest.playingTableCount = plan.teams / 2 * pairsPerTeam;
    chooseScoringRule(contest, pairs ? ScoringRule{plan.boardScoring, false, true}
                                     : ScoringRule{ScoringMethod::VictoryPoints, false, false});
    return "";
}

std::string continueTeamSeries(const Contest& previous, Contest& next, SetUpRequest request, TeamPlan plan) {
    if (!previous.teams.any()) return "Den f\xf6rra t\xe4vlingen \xe4r ingen lagt\xe4vling";
    const int played = drawnTeamRounds(previous);
    for (int round = 1; round <= played; ++round) {
        int table = 0;
        if (const int board = unfinishedBoard(previous, round, table))
            return "Den f\xf6rra kv\xe4llen \xe4r inte f\xe4rdigspelad: bricka " + std::to_string(board) +
                   " vid bord " + std::to_string(table) + " saknar resultat";
    }
    const TeamSetup& before = previous.teams;
    plan.form = before.form;
    plan.teams = before.teamCount;
    plan.byeVp = before.byeVp;
    plan.names = before.names;
    plan.boardScoring = previous.scoringRule.method;
    if (plan.form == TeamForm::RoundRobin && plan.rounds == 0)
        plan.rounds = roundRobinRounds(plan.teams) - before.earlierRounds - played;
    if (std::string why = setUpTeamEvent(next, std::move(request), plan); !why.empty()) return why;
    TeamSetup& teams = next.teams;
    for (const TeamScore& t : teamEventTotals(previous))
        teams.carried.push_back({t.team, t.vp, t.impsFor, t.impsAgainst});
    teams.earlierMeetings = before.earlierMeetings;
    teams.earlierByes = before.earlierByes;
    for (int round = 1; round <= played; ++round) {
        for (const MatchCard& card : roundMatches(previous, round))
            teams.earlierMeetings.emplace_back(card.home, card.away);
        for (int team : roundByes(previous, round)) teams.earlierByes.push_back(team);
    }
    teams.earlierRounds = before.earlierRounds + played;
    return "";
}

TeamRoundDraw drawTeamRound(Contest& contest, bool seeded, bool early) {
    TeamRoundDraw draw;
    if (!contest.teams.any()) {
        draw.message = "T\xe4vlingen \xe4r ingen lagt\xe4vling";
        return draw;
    }
    const int round = drawnTeamRounds(contest) + 1;
    if (round > contest.roundCount) {
        draw.message = "Alla " + std::to_string(contest.roundCount) + " ronder \xe4r lottade";
        return draw;
    }
    const bool swiss = contest.teams.monrad();
    const int standingsRound = swiss && early && round > 1 ? round - 2 : round - 1;
    if (swiss && standingsRound > 0) {
        int table = 0;
        if (const int board = unfinishedBoard(contest, standingsRound, table)) {
            draw.message = "Rond " + std::to_string(standingsRound) + " \xe4r inte f\xe4rdigspelad: bricka " +
                           std::to_string(board) + " vid bord " + std::to_string(table) + " saknar resultat";
            return draw;
        }
    }
    draw = swiss ? swissRound(contest, seeded, standingsRound) : robinRound(contest, round);
    if (!draw.message.empty()) return draw;
    if (!layRound(contest, round, draw.matches)) {
        draw.message = "Ronden kunde inte l\xe4ggas ut p\xe5 brickorna";
        return draw;
    }
    draw.round = round;
    if (contest.teams.monrad()) contest.teams.fixedMeetings.clear();
    if (draw.repeatUnavoidable)
        draw.message = "Ingen lottning utan upprepade m\xf6ten finns: " + std::to_string(draw.repeats) +
                       (draw.repeats == 1 ? " match \xe4r ett returm\xf6te" : " matcher \xe4r returm\xf6ten");
    else if (draw.repeats > 0)
        draw.message = "De fasta m\xf6tena ger " + std::to_string(draw.repeats) + " returm\xf6te(n)";
    else if (draw.nextRoundRepeats)
        draw.message = "Rond " + std::to_string(round + 1) + " kan inte lottas utan returm\xf6te";
    return draw;
}

namespace {

// The last round's boards, or a message when none is drawn or one of them has a result at a
// table `touched` says is concerned.
template <class Touched>
std::string lastRoundUntouched(const Contest& contest, int& first, int& last, Touched touched) {
    const int round = drawnTeamRounds(contest);
    if (!contest.teams.any() || round == 0) return "Ingen rond \xe4r lottad";
    const int k = contest.boardsPerRound;
    first = (round - 1) * k + 1;
    last = std::min(round * k, contest.lastBoard());
    for (int b = first; b <= last; ++b)
        for (int i = 0; i < contest.boards[b].resultCount; ++i) {
            const BoardResult& r = contest.boards[b].results[i];
            if (hasScore(r.nsScore) && touched(r))
                return "Bricka " + std::to_string(b) + " vid bord " + std::to_string(r.round) +
                       " har redan ett resultat i rond " + std::to_string(round);
        }
    return "";
}

}  // namespace

std::string undrawTeamRound(Contest& contest) {
    int first = 0, last = 0;
    if (std::string why = lastRoundUntouched(contest, first, last, [](const BoardResult&) { return true; });
        !why.empty())
        return why;
    for (int b = first; b <= last; ++b) contest.boards[b].resultCount = 0;
    return "";
}

std::string moveTeams(Contest& contest, int a, int b) {
    if (a < 1 || b < 1 || a > contest.teams.teamCount || b > contest.teams.teamCount || a == b)
        return "Ange tv\xe5 olika lag i t\xe4vlingen";
    const TeamSetup& teams = contest.teams;
    const auto concerned = [&](const BoardResult& r) {
        for (int pair : {r.nsPair, r.ewPair})
            if (teams.teamOfPair(pair) == a || teams.teamOfPair(pair) == b) return true;
        return false;
    };
    int first = 0, last = 0;
    if (std::string why = lastRoundUntouched(contest, first, last, concerned); !why.empty()) return why;
    // A pair of one team takes the other team's pair of the same place.
    const auto moved = [&](int pair) {
        const int team = teams.teamOfPair(pair);
        const int offset = pair - teams.pairsOf(team).front();
        return team == a   ? teams.pairsOf(b).front() + offset
               : team == b ? teams.pairsOf(a).front() + offset
                           : pair;
    };
    for (int board = first; board <= last; ++board) {
        Board& bd = contest.boards[board];
        for (int i = 0; i < bd.resultCount; ++i) {
            bd.results[i].nsPair = moved(bd.results[i].nsPair);
            bd.results[i].ewPair = moved(bd.results[i].ewPair);
        }
        sortResults(bd);
    }
    return "";
}

}  // namespace vindelkast
