#include "model/board_results.h"

#include "model/bridge_tables.h"
#include "model/result_order.h"
#include "model/sections.h"

namespace vindelkast {

namespace {

bool isIndividual(const Board& board) { return board.contest && board.contest->isIndividual; }

bool sitsNorthSouth(const Board& board, const BoardResult& r, int number) {
    return r.nsPair == number || (isIndividual(board) && r.nsPlayer2 == number);
}

bool sitsEastWest(const Board& board, const BoardResult& r, int number) {
    return r.ewPair == number || (isIndividual(board) && r.ewPlayer2 == number);
}

bool sitsAt(const Board& board, const BoardResult& r, int number) {
    return sitsNorthSouth(board, r, number) || sitsEastWest(board, r, number);
}

// The first number of `candidates`, in order, that already sits on the board.
int firstPresent(const Board& board, std::initializer_list<int> candidates) {
    for (int i = 0; i < board.resultCount; ++i)
        for (int number : candidates)
            if (number != 0 && sitsAt(board, board.results[i], number)) return number;
    return 0;
}

}  // namespace

void setScore(BoardResult& result, int nsScore) {
    result.nsScore = hasScore(nsScore) ? nsScore : kNoScore;
    result.ewScore = ewScoreFor(result.nsScore);
}

int addResult(Board& board, int nsPair, int ewPair, int round, int nsScore, float nsPoints, float ewPoints,
              bool refuseIfPresent) {
    if (refuseIfPresent) {
        if (nsPair == ewPair) return nsPair;
        if (const int present = firstPresent(board, {nsPair, ewPair})) return present;
    }
    if (board.resultCount >= kMaxResults) return kBoardFull;
    BoardResult& slot = board.results[board.resultCount++];
    slot = BoardResult{};
    slot.round = round;
    slot.nsPair = nsPair;
    slot.ewPair = ewPair;
    setScore(slot, nsScore);
    slot.nsPoints = nsPoints;
    slot.ewPoints = ewPoints;
    sortResults(board);
    return 0;
}

void copyResultTo(Board& board, const BoardResult& result) {
    const bool individual = isIndividual(board);
    const int players[4] = {result.nsPair, result.ewPair, individual ? result.nsPlayer2 : 0,
                            individual ? result.ewPlayer2 : 0};
    for (int i = 0; i < board.resultCount; ++i)
        for (int number : players)
            if (number != 0 && sitsAt(board, board.results[i], number)) return;
    if (board.resultCount >= kMaxResults) return;
    BoardResult& slot = board.results[board.resultCount++];
    slot = result;
    slot.nsScore = kNoScore;
    slot.ewScore = kNoScore;
    slot.nsPoints = 0.0f;
    slot.ewPoints = 0.0f;
}

const BoardResult* findResult(const Board& board, int nsPair, int ewPair) {
    for (int i = 0; i < board.resultCount; ++i)
        if (board.results[i].nsPair == nsPair && board.results[i].ewPair == ewPair) return &board.results[i];
    return nullptr;
}

BoardResult* findResult(Board& board, int nsPair, int ewPair) {
    return const_cast<BoardResult*>(findResult(static_cast<const Board&>(board), nsPair, ewPair));
}

void removePair(Board& board, int pair) {
    int kept = 0;
    for (int i = 0; i < board.resultCount; ++i) {
        const BoardResult& r = board.results[i];
        if (r.nsPair == pair || r.ewPair == pair) continue;
        if (kept != i) board.results[kept] = r;
        ++kept;
    }
    for (int i = kept; i < board.resultCount; ++i) board.results[i] = BoardResult{};
    board.resultCount = kept;
}

bool hasPair(const Board& board, int number) {
    for (int i = 0; i < board.resultCount; ++i)
        if (sitsAt(board, board.results[i], number)) return true;
    return false;
}

int pairScore(const Board& board, int number) {
    for (int i = 0; i < board.resultCount; ++i) {
        const BoardResult& r = board.results[i];
        if (sitsNorthSouth(board, r, number)) return r.nsScore;
        if (sitsEastWest(board, r, number)) return r.ewScore;
    }
    return kNoScore;
}

float pairMatchpoints(const Board& board, int number) {
    for (int i = 0; i < board.resultCount; ++i) {
        const BoardResult& r = board.results[i];
        const bool ns = sitsNorthSouth(board, r, number);
        if (!ns && !sitsEastWest(board, r, number)) continue;
        if (!hasScore(r.nsScore)) return kNoPoints;
        return ns ? r.nsPoints : r.ewPoints;
    }
    return kNoPoints;
}

int opponentOf(const Board& board, int pair) {
    for (int i = 0; i < board.resultCount; ++i) {
        const BoardResult& r = board.results[i];
        if (r.nsPair == pair) return r.ewPair;
        if (r.ewPair == pair) return r.nsPair;
    }
    return 0;
}

int countScored(const Board& board, int section) {
    int count = 0;
    for (int i = 0; i < board.resultCount; ++i) {
        const BoardResult& r = board.results[i];
        const bool counted = section < 0 || (board.contest && sectionOf(*board.contest, r.nsPair) == section);
        if (counted && hasScore(r.nsScore)) ++count;
    }
    return count;
}

int mostFrequentScore(const Board& board) {
    int best = kNoScore;
    int bestCount = 0;
    for (int i = 0; i < board.resultCount; ++i) {
        const int score = board.results[i].nsScore;
        if (!hasScore(score)) continue;
        int count = 1;
        // Counting stops at the first later slot without a score.
        for (int j = i + 1; j < board.resultCount && hasScore(board.results[j].nsScore); ++j)
            if (board.results[j].nsScore == score) ++count;
        if (count > bestCount) {
            best = score;
            bestCount = count;
        }
    }
    return best;
}

void setSecondPlayers(Board& board, int north, int south, int west) {
    for (int i = 0; i < board.resultCount; ++i) {
        BoardResult& r = board.results[i];
        if (r.nsPair == north) {
            r.nsPlayer2 = south;
            r.ewPlayer2 = west;
            return;
        }
    }
}

}  // namespace vindelkast
