#include "support/sample_evening.h"

#include <algorithm>
#include <array>
#include <random>
#include <stdexcept>

#include "model/board_results.h"
#include "model/board_scoring.h"
#include "model/bridge_tables.h"
#include "movement/guide_card.h"

namespace vindelkast::test {

MitchellEvening::MitchellEvening() {
    contest->contestName = "M\xe5ndagsbridge";
    contest->contestDate = "2024-10-07";
    contest->arranger = "Bridgeklubben Vindeln";
    fillRegister(*reg, 32);
    setUp(*contest, 24, 7, 16);
    seatPairs(*contest, 16);
    contest->participants[11] = {};
    Movement movement;
    const GuideCardReading read =
        readGuideCardFile(VK_SOURCE_DIR "/examples/P16_mitchell.gui", movement, contest->boards);
    if (!read.message.empty()) throw std::runtime_error(read.message);
    dealEveryBoard(*contest, 16);
}

PlayedContract MitchellEvening::contractFor(int board, int nsPair, int ewPair) {
    PlayedContract played;
    const int mix = board * 7 + nsPair * 5 + ewPair * 3;
    played.contract.level = 1 + mix % 4;
    played.contract.strain = static_cast<Strain>((board + nsPair) % 5);
    played.contract.doubling = mix % 11 == 0 ? 1 : 0;
    played.declarer = (board + ewPair) % 4;
    played.tricks = std::clamp(6 + played.contract.level + (mix % 5) - 2, 0, 13);
    if (mix % 13 == 0) played = PlayedContract{};  // passed out
    return played;
}

void MitchellEvening::play(int lastRound) {
    for (int b = 1; b <= contest->boardCount; ++b) {
        Board& board = contest->boards[b];
        for (int i = 0; i < board.resultCount; ++i) {
            BoardResult& r = board.results[i];
            if (r.round > lastRound || r.nsScore > kNoScore) continue;
            const PlayedContract played = contractFor(b, r.nsPair, r.ewPair);
            contest->contracts[{b, r.nsPair, r.ewPair}] = played;
            setScore(r, nsScore(played, b));
            contest->boardHasScores[b] = true;
        }
        scoreBoard(board, ScoringRule{});
    }
}

void dealEveryBoard(Contest& contest, unsigned seed) {
    std::mt19937 random(seed);
    for (int b = 1; b <= std::min(contest.boardCount, kMaxBoard); ++b) {
        std::array<int, 52> codes{};
        for (int i = 0; i < 52; ++i) codes[i] = i + 1;
        // Fisher-Yates from the generator's own numbers: the same deal on every library.
        for (int i = 51; i > 0; --i) std::swap(codes[i], codes[random() % (i + 1)]);
        Deal& deal = contest.boards[b].deal;
        for (int i = 0; i < 52; ++i) deal[i / 13][i % 13] = cardFromCode(codes[i]);
    }
    contest.dealCount = std::min(contest.boardCount, kMaxBoard);
}

void playWithContracts(Contest& contest) {
    for (int b = 1; b <= std::min(contest.boardCount, kMaxBoard); ++b) {
        Board& board = contest.boards[b];
        for (int i = 0; i < board.resultCount; ++i) {
            BoardResult& r = board.results[i];
            if (r.nsScore <= kNoScore || r.nsScore >= kAdjustedBase) continue;
            const PlayedContract played = MitchellEvening::contractFor(b, r.nsPair, r.ewPair);
            contest.contracts[{b, r.nsPair, r.ewPair}] = played;
            setScore(r, nsScore(played, b));
        }
        scoreBoard(board, ScoringRule{});
    }
}

}  // namespace vindelkast::test
