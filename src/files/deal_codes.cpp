#include "files/deal_codes.h"

#include <array>

#include "model/bridge_tables.h"

namespace vindelkast {

bool storeCodePairsDeal(Board& board, std::string_view text) {
    board.clearDeal();
    std::array<bool, 53> used{};
    std::size_t pos = 0;
    for (int seat = North; seat <= South; ++seat) {
        int slot = 0;
        for (int k = 0; k < 13; ++k, pos += 2) {
            if (pos + 2 > text.size()) continue;
            const char tens = text[pos];
            const char units = text[pos + 1];
            if (tens < '0' || tens > '9' || units < '0' || units > '9') continue;
            const int code = 10 * (tens - '0') + (units - '0');
            if (code < 1 || code > 52 || used[code]) continue;
            used[code] = true;
            board.deal[seat][slot++] = cardFromCode(code);
        }
    }
    int slot = 0;
    for (int code = 1; code <= 52 && slot < 13; ++code)
        if (!used[code]) board.deal[West][slot++] = cardFromCode(code);
    return board.dealComplete();
}

std::string codePairsText(const Board& board) {
    std::string text;
    text.reserve(78);
    for (int seat = North; seat <= South; ++seat) {
        for (const Card& card : board.deal[seat]) {
            text += static_cast<char>('0' + card.code / 10);
            text += static_cast<char>('0' + card.code % 10);
        }
    }
    return text;
}

}  // namespace vindelkast
