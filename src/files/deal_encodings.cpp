#include "files/deal_encodings.h"

#include <array>

#include "files/deal_codes.h"
#include "model/bridge_tables.h"

namespace vindelkast {

namespace {

// Fills each hand slot by slot, refusing anything that would break the deal's shape.
class DealFiller {
public:
    explicit DealFiller(Board& board) : m_board(board) { m_board.clearDeal(); }
    void give(int seat, const Card& card) {
        if (seat < North || seat > West || card.empty() || m_used[card.code]) return;
        if (m_filled[seat] >= 13) return;
        m_used[card.code] = true;
        m_board.deal[seat][m_filled[seat]++] = card;
    }

private:
    Board& m_board;
    std::array<bool, 53> m_used{};
    std::array<int, 4> m_filled{};
};

void storeOwnerBits(Board& board, std::string_view text) {
    DealFiller filler(board);
    if (text.size() < 13) return;
    // Owner values 0..3 are West, North, East, South.
    constexpr std::array<int, 4> kOwnerSeat{West, North, East, South};
    for (int suit = 0; suit < 4; ++suit) {
        for (int j = 0; j < 13; ++j) {
            const auto byte = static_cast<unsigned char>(text[static_cast<std::size_t>(j)]);
            const int owner = (byte >> (6 - 2 * suit)) & 3;
            filler.give(kOwnerSeat[owner], cardFromCode(13 * suit + j + 1));
        }
    }
}

void storeOwnerLetters(Board& board, std::string_view text) {
    DealFiller filler(board);
    if (text.size() < 26) return;
    for (int j = 0; j < 26; ++j) {
        const int v = text[static_cast<std::size_t>(j)] - 'a';
        // Only a..p name two owners; any other character names no card.
        if (v < 0 || v > 15) continue;
        filler.give(v / 4, cardFromCode(2 * j + 1));
        filler.give(v % 4, cardFromCode(2 * j + 2));
    }
}

int seatOfLetter(char letter) {
    switch (letter) {
    case 'E':
    case 'e':
        return East;
    case 'S':
    case 's':
        return South;
    case 'W':
    case 'w':
        return West;
    default:
        return North;
    }
}

void storePbn(Board& board, std::string_view line) {
    DealFiller filler(board);
    const auto colon = line.find(':');
    if (colon == std::string_view::npos || colon == 0) return;
    const int firstSeat = seatOfLetter(line[colon - 1]);
    std::string_view hands = line.substr(colon + 1);
    hands = hands.substr(0, hands.find_first_of("\"]"));
    int hand = 0;
    std::size_t pos = 0;
    while (hand < 4 && pos < hands.size()) {
        while (pos < hands.size() && (hands[pos] == ' ' || hands[pos] == '\t')) ++pos;
        if (pos == hands.size()) break;
        const int seat = (firstSeat + hand) % 4;
        int suit = 0;
        for (; pos < hands.size() && hands[pos] != ' ' && hands[pos] != '\t'; ++pos) {
            if (hands[pos] == '.') {
                ++suit;
            } else if (suit < 4) {
                filler.give(seat, cardFromSuitRank(suit, rankFromChar(hands[pos])));
            }
        }
        ++hand;
    }
}

}  // namespace

bool storeDeal(Board& board, std::string_view text, DealEncoding encoding) {
    switch (encoding) {
    case DealEncoding::CodePairs:
        return storeCodePairsDeal(board, text);
    case DealEncoding::OwnerBits:
        storeOwnerBits(board, text);
        break;
    case DealEncoding::OwnerLetters:
        storeOwnerLetters(board, text);
        break;
    case DealEncoding::Pbn:
        storePbn(board, text);
        break;
    }
    return board.dealComplete();
}

}  // namespace vindelkast
