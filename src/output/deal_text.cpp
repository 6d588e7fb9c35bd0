#include "output/deal_text.h"

#include <algorithm>
#include <functional>
#include <vector>

#include "model/bridge_tables.h"

namespace vindelkast {

std::string suitText(const Board& board, Seat seat, int suit) {
    if (!board.hasDeal()) return "";
    std::string text;
    for (const Card& card : board.deal[seat])
        if (!card.empty() && card.suit == suit) text += rankChar(card.rank);
    return text.empty() ? "--" : text;
}

std::string swedishSuitText(const Board& board, Seat seat, int suit) {
    if (!board.hasDeal()) return "";
    std::vector<int> ranks;
    for (const Card& card : board.deal[seat])
        if (!card.empty() && card.suit == suit) ranks.push_back(card.rank);
    if (ranks.empty()) return "\x96";
    std::sort(ranks.begin(), ranks.end(), std::greater<>());
    static const char* const honours[] = {"10", "Kn", "D", "K", "E"};
    std::string text;
    for (int rank : ranks) {
        if (!text.empty()) text += ' ';
        text += rank >= 10 ? std::string(honours[rank - 10]) : std::string(1, static_cast<char>('0' + rank));
    }
    return text;
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
