#include "model/bridge_tables.h"

#include <array>

namespace vindelkast {

namespace {
const std::array<std::string, 4> kDirections{"V\xe4st", "Nord", "\xd6st", "Syd"};
const std::array<std::string, 4> kVulnerabilities{"Alla", "Ingen", "NS", "\xd6V"};
const std::array<std::string, 4> kSuits{"Spader", "Hj\xe4rter", "Ruter", "Kl\xf6ver"};
constexpr std::array<int, 16> kVulnerabilityCycle{3, 1, 2, 3, 0, 2, 3, 0, 1, 3, 0, 1, 2, 0, 1, 2};

int positiveMod(int value, int modulus) { return ((value % modulus) + modulus) % modulus; }
}  // namespace

const std::string& directionName(int index) { return kDirections[positiveMod(index, 4)]; }
const std::string& vulnerabilityNameAt(int index) { return kVulnerabilities[positiveMod(index, 4)]; }
const std::string& suitName(int suit) { return kSuits[positiveMod(suit, 4)]; }

const std::string& dealerName(int board) { return directionName(board); }

int vulnerability(int board) { return kVulnerabilityCycle[positiveMod(board, 16)]; }
const std::string& vulnerabilityName(int board) { return vulnerabilityNameAt(vulnerability(board)); }
bool nsVulnerable(int board) {
    const int v = vulnerability(board);
    return v == 0 || v == 2;
}
bool ewVulnerable(int board) {
    const int v = vulnerability(board);
    return v == 0 || v == 3;
}

Card cardFromCode(int code) {
    if (code < 1 || code > 52) return Card{};
    return Card{(code - 1) / 13, 14 - ((code - 1) % 13), code};
}

Card cardFromSuitRank(int suit, int rank) {
    if (suit < 0 || suit > 3 || rank < 2 || rank > 14) return Card{};
    return Card{suit, rank, 13 * suit + 15 - rank};
}

char rankChar(int rank) {
    if (rank < 0 || rank > 14) return ' ';
    return kRankChars[rank];
}

int rankFromChar(char c) {
    switch (c) {
    case 'A':
    case 'E':
        return 14;
    case 'K':
        return 13;
    case 'D':
    case 'Q':
        return 12;
    case 'J':
        return 11;
    case 'T':
        return 10;
    default:
        return c - '0';
    }
}

int ewScoreFor(int nsScore) {
    if (!hasScore(nsScore)) return kNoScore;
    if (nsScore > kAdjustedBase) return nsScore;
    return -nsScore;
}

}  // namespace vindelkast
