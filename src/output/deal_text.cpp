#include "output/deal_text.h"

#include "model/bridge_tables.h"

namespace vindelkast {

std::string suitText(const Board& board, Seat seat, int suit) {
    if (!board.hasDeal()) return "";
    std::string text;
    for (const Card& card : board.deal[seat])
        if (!card.empty() && card.suit == suit) text += rankChar(card.rank);
    return text.empty() ? "--" : text;
}

std::string handText(const Board& board, Seat seat) {
    std::string text;
    for (int suit = 0; suit < 4; ++suit) {
        if (suit > 0) text += ',';
        text += suitText(board, seat, suit);
    }
    return text;
}

}  // namespace vindelkast
