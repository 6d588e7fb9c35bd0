#include "support/sample_contests.h"

#include <stdexcept>

#include "model/board_results.h"
#include "model/board_scoring.h"

namespace vindelkast::test {

void fillRegister(MemberRegister& reg, int count) {
    reg.startWithByeMember();
    for (int i = 1; i <= count; ++i)
        reg.append(Member{"Efternamn" + std::to_string(i), "F\xf6rnamn" + std::to_string(i), i, 0.0});
}

void setUp(Contest& contest, int boards, int rounds, int maxPair, int byePair) {
    contest.boardCount = boards;
    contest.roundCount = rounds;
    contest.boardsPerRound = rounds > 0 ? boards / rounds : 0;
    contest.maxPairNumber = maxPair;
    contest.byePair = byePair;
    contest.tableCount = contest.isIndividual ? maxPair / 4 : maxPair / 2;
    contest.playingTableCount = contest.tableCount - (byePair > 0 ? 1 : 0);
    contest.setUpDone = true;
}

void seatPairs(Contest& contest, int count) {
    for (int p = 1; p <= count; ++p) {
        contest.participants[p].first = contest.memberRegister->entry(2 * p - 1);
        contest.participants[p].second = contest.memberRegister->entry(2 * p);
    }
    if (count > contest.participantCount) contest.participantCount = count;
}

void enter(Contest& contest, int board, int nsPair, int ewPair, int nsScore) {
    BoardResult* r = findResult(contest.boards[board], nsPair, ewPair);
    if (!r) throw std::logic_error("no result " + std::to_string(nsPair) + "-" + std::to_string(ewPair));
    setScore(*r, nsScore);
    contest.boardHasScores[board] = true;
    scoreBoard(contest.boards[board], contest.scoringRule);
}

void fillLargestContest(Contest& contest) {
    setUp(contest, 71, 71, 72);
    for (int b = 1; b <= 71; ++b) {
        for (int t = 0; t < 36; ++t) {
            // Scores spread so that the board has ties and a few adjusted results.
            int score = ((b * 37 + t * 53) % 23 - 11) * 10 + (t % 3 == 0 ? 420 : -100);
            if ((b + t) % 29 == 0) score = 10064;
            addResult(contest.boards[b], 2 * t + 1, 2 * t + 2, 1, score, 0.0f, 0.0f, true);
        }
        contest.boardHasScores[b] = true;
        scoreBoard(contest.boards[b], ScoringRule{});
    }
}

}  // namespace vindelkast::test
