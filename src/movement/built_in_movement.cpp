#include "movement/built_in_movement.h"

#include <memory>
#include <vector>

#include "model/board_results.h"

namespace vindelkast {

namespace {

struct Line {
    int a;
    int b;
    int c;
    const char* pattern;  // nullptr: a moving line (NS step 1)
};

struct BuiltIn {
    int boards;
    int lowPairs;
    int highPairs;
    int rounds;
    int boardsPerRound;
    std::vector<Line> lines;
};

const std::vector<BuiltIn>& builtIns() {
    static const std::vector<BuiltIn> table = {
        {21,
         7,
         8,
         7,
         3,
         {{8, 1, 1, "1111111"}, {3, 6, 10, nullptr}, {2, 7, 16, nullptr}, {5, 4, 19, nullptr}}},
        {18,
         9,
         10,
         9,
         2,
         {{10, 1, 1, "111111111"},
          {5, 2, 5, nullptr},
          {9, 8, 9, nullptr},
          {7, 3, 11, nullptr},
          {4, 6, 15, nullptr}}},
        {27,
         9,
         10,
         9,
         3,
         {{10, 1, 1, "111111111"},
          {5, 2, 7, nullptr},
          {9, 8, 13, nullptr},
          {7, 3, 16, nullptr},
          {4, 6, 22, nullptr}}},
        {27,
         11,
         12,
         9,
         3,
         {{12, 1, 1, "111111111"},
          {11, 4, 4, "111001100"},
          {10, 8, 7, "110011000"},
          {2, 7, 10, nullptr},
          {9, 6, 13, nullptr},
          {5, 3, 16, nullptr}}},
    };
    return table;
}

}  // namespace

void layMovementLine(Contest& contest, const Movement& movement, int a, int b, int c) {
    const int k = movement.boardsPerRound;
    for (int r = 1; r <= movement.roundCount; ++r) {
        int ns = a;
        int ew = b;
        if (movement.nsStep == 0) {
            const bool stationaryNorth = r <= static_cast<int>(movement.orientationPattern.size()) &&
                                         movement.orientationPattern[r - 1] == '1';
            if (!stationaryNorth) std::swap(ns, ew);
        }
        for (int board = c; board <= c + k - 1; ++board)
            if (Contest::validBoard(board))
                addResult(contest.boards[board], ns, ew, r, kNoScore, 0.0f, 0.0f, true);
        a += movement.nsStep;
        if (movement.nsStep > 0 && a > movement.cycleLength) a = 1;
        b = b + movement.ewStep > movement.cycleLength ? 1 : b + movement.ewStep;
        c = c + k > movement.boardCount ? 1 : c + k;
    }
}

bool builtInMovementFits(int boards, int pairs) {
    for (const BuiltIn& builtIn : builtIns())
        if (builtIn.boards == boards && pairs >= builtIn.lowPairs && pairs <= builtIn.highPairs) return true;
    return false;
}

void buildBuiltInMovement(Contest& contest) {
    auto movement = std::make_shared<Movement>();
    movement->boardCount = contest.boardCount;
    movement->roundCount = contest.roundCount;
    movement->cycleLength = contest.roundCount;
    movement->pairCount = contest.maxPairNumber;
    movement->byePair = contest.byePair;
    movement->boardsPerRound = contest.roundCount < 1 ? 0 : contest.boardCount / contest.roundCount;
    contest.movement = movement;

    for (const BuiltIn& builtIn : builtIns()) {
        if (builtIn.boards != movement->boardCount || movement->pairCount < builtIn.lowPairs ||
            movement->pairCount > builtIn.highPairs)
            continue;
        movement->roundCount = builtIn.rounds;
        movement->cycleLength = builtIn.rounds;
        movement->boardsPerRound = builtIn.boardsPerRound;
        movement->ewStep = 1;
        for (const Line& line : builtIn.lines) {
            movement->nsStep = line.pattern ? 0 : 1;
            movement->orientationPattern = line.pattern ? line.pattern : "";
            layMovementLine(contest, *movement, line.a, line.b, line.c);
        }
        break;
    }
    if (movement->byePair > 0)
        for (int board = 0; board <= kMaxBoard; ++board) removePair(contest.boards[board], movement->byePair);
}

}  // namespace vindelkast
