#include "files/seat_check.h"

#include "model/board_results.h"

namespace vindelkast {

int playerSeatedTwice(const Board& board, int north, int east, int south, int west) {
    const int players[4] = {north, east, south, west};
    for (int i = 0; i < 4; ++i) {
        if (players[i] == 0) continue;
        for (int j = 0; j < i; ++j)
            if (players[j] == players[i]) return players[i];
        if (hasPair(board, players[i])) return players[i];
    }
    return 0;
}

}  // namespace vindelkast
