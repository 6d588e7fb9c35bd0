#include "example_contests.h"

#include <algorithm>
#include <array>
#include <random>
#include <stdexcept>

#include "model/board_results.h"
#include "model/board_scoring.h"
#include "model/bridge_tables.h"
#include "model/version.h"
#include "support/sample_contests.h"
#include "support/test_text.h"

namespace vindelkast::test {

namespace {

// Deterministic on every platform: mt19937's output is fixed by the standard, and the
// shuffle below uses it directly instead of std::shuffle.
class Dealer {
public:
    explicit Dealer(unsigned seed) : m_random(seed) {}
    int below(int n) { return static_cast<int>(m_random() % static_cast<unsigned>(n)); }
    void deal(Board& board) {
        std::array<int, 52> codes{};
        for (int i = 0; i < 52; ++i) codes[i] = i + 1;
        for (int i = 51; i > 0; --i) std::swap(codes[i], codes[below(i + 1)]);
        for (int seat = 0; seat < 4; ++seat) {
            std::sort(codes.begin() + 13 * seat, codes.begin() + 13 * seat + 13);
            for (int k = 0; k < 13; ++k) board.deal[seat][k] = cardFromCode(codes[13 * seat + k]);
        }
    }

private:
    std::mt19937 m_random;
};

int highCardPoints(const Hand& hand) {
    int points = 0;
    for (const Card& card : hand) points += std::max(0, card.rank - 10);
    return points;
}

int suitLength(const Hand& hand, int suit) {
    return static_cast<int>(
        std::count_if(hand.begin(), hand.end(), [suit](const Card& c) { return c.suit == suit; }));
}

struct Contract {
    bool nsDeclares = true;
    int level = 1;
    int strain = 4;
};

// The contract a sound auction reaches with these cards: the stronger side declares, a
// major fit is preferred, then notrump, then a long minor.
Contract parContract(const Board& board) {
    const int ns = highCardPoints(board.deal[North]) + highCardPoints(board.deal[South]);
    const int ew = highCardPoints(board.deal[East]) + highCardPoints(board.deal[West]);
    Contract contract;
    contract.nsDeclares = ns >= ew;
    const int a = contract.nsDeclares ? North : East;
    const int b = contract.nsDeclares ? South : West;
    const int strength = std::max(ns, ew);
    int bestMajor = -1, bestMinor = -1;
    for (int suit = 0; suit < 4; ++suit) {
        const int fit = suitLength(board.deal[a], suit) + suitLength(board.deal[b], suit);
        // Suits 0 and 1 are spades and hearts, 2 and 3 diamonds and clubs.
        if (suit < 2 && fit >= 8 && bestMajor < 0) bestMajor = suit;
        if (suit >= 2 && fit >= 9 && bestMinor < 0) bestMinor = suit;
    }
    // contractScore counts strains from clubs (0) up to spades (3) and notrump (4).
    const auto strainOf = [](int suit) { return 3 - suit; };
    if (strength >= 33) {
        contract.level = 6;
        contract.strain = bestMajor >= 0 ? strainOf(bestMajor) : 4;
    } else if (strength >= 25) {
        contract.level = bestMajor >= 0 ? 4 : 3;
        contract.strain = bestMajor >= 0 ? strainOf(bestMajor) : 4;
    } else if (bestMajor >= 0) {
        contract.level = strength >= 23 ? 3 : 2;
        contract.strain = strainOf(bestMajor);
    } else if (bestMinor >= 0) {
        contract.level = 3;
        contract.strain = strainOf(bestMinor);
    } else {
        contract.level = strength >= 23 ? 2 : 1;
        contract.strain = 4;
    }
    return contract;
}

// One table's result of the board, as an NS score.
int tableScore(const Board& board, const Contract& par, Dealer& dealer) {
    Contract contract = par;
    // Now and then a pair stops below game or overbids a partscore.
    const int choice = dealer.below(100);
    if (contract.level >= 3 && choice < 12) --contract.level;
    if (contract.level <= 2 && choice >= 92) ++contract.level;
    const int swing = dealer.below(100);
    const int offset = swing < 5 ? -2 : swing < 22 ? -1 : swing < 62 ? 0 : swing < 92 ? 1 : 2;
    const int tricks = std::clamp(6 + par.level + offset, 0, 13);
    const bool vulnerable = contract.nsDeclares ? nsVulnerable(board.number) : ewVulnerable(board.number);
    const int score = contractScore(contract.level, contract.strain, vulnerable, tricks);
    return contract.nsDeclares ? score : -score;
}

void scoreSlots(Contest& c, int board, Dealer& dealer, int lastRound) {
    Board& b = c.boards[board];
    const Contract par = parContract(b);
    for (int i = 0; i < b.resultCount; ++i) {
        if (b.results[i].round > lastRound) continue;
        setScore(b.results[i], tableScore(b, par, dealer));
        c.boardHasScores[board] = true;
    }
    scoreBoard(b, ScoringRule{});
}

Member* person(MemberRegister& reg, const char* utf8) {
    Member* member = reg.findByLongName(w(utf8));
    if (!member) throw std::runtime_error(std::string("not in examples/medlem.txt: ") + utf8);
    return member;
}

void seat(Contest& c, MemberRegister& reg, int number, const char* first, const char* second) {
    c.participants[number].first = person(reg, first);
    c.participants[number].second = second ? person(reg, second) : nullptr;
    c.participantCount = std::max(c.participantCount, number);
}

void texts(Contest& c, const char* name, const char* date) {
    c.contestName = w(name);
    c.contestDate = date;
    c.arranger = w("Bridgeklubben Vindeln");
    c.writerVersion = kVersionText;
}

// Seven pairs over 21 boards in 7 rounds, the 8-pair Howell with pair 8 as the bye.
void buildEvening8(Contest& c, MemberRegister& reg) {
    texts(c, "Måndagsbridge", "2024-03-11");
    setUp(c, 21, 7, 8, 8);
    layMovementLine(c, 8, 1, 1, 0, "1111111");
    layMovementLine(c, 3, 6, 10, 1, "");
    layMovementLine(c, 2, 7, 16, 1, "");
    layMovementLine(c, 5, 4, 19, 1, "");
    seat(c, reg, 1, "Andersson Anna Maria", "Andersson Bengt");
    seat(c, reg, 2, "Åberg Karin", "Åkesson Lars");
    seat(c, reg, 3, "Björklund Sven Erik", "Blomqvist Eva");
    seat(c, reg, 4, "Gustafsson Örjan", "Hägglund Britt");
    seat(c, reg, 5, "Berg", "Strand");
    seat(c, reg, 6, "Sjöberg Gösta", "Sjögren Ebba");
    seat(c, reg, 7, "Lindqvist Per", "Löfgren Siri");
    c.participants[8] = {c.byeMember, c.byeMember};
    c.participantCount = 8;
    Dealer dealer(20240311);
    for (int b = 1; b <= 21; ++b) dealer.deal(c.boards[b]);
    c.dealCount = 21;
    for (int b = 1; b <= 21; ++b) scoreSlots(c, b, dealer, 7);
    // The director gave one table an adjusted score: 60 % to NS, 40 % to EW.
    setScore(c.boards[12].results[1], parseAdjustedScore("%+-"));
    scoreBoard(c.boards[12], ScoringRule{});
}

// Eight players, two tables, every player partners every other once; both tables play the
// same three boards in a round.
void buildIndividual8(Contest& c, MemberRegister& reg) {
    texts(c, "Individuell tävling", "2024-03-18");
    c.isIndividual = true;
    setUp(c, 21, 7, 8);
    for (int r = 0; r < 7; ++r) {
        std::array<std::array<int, 2>, 4> partners{};
        partners[0] = {8, r + 1};
        for (int k = 1; k <= 3; ++k) partners[k] = {(r + k) % 7 + 1, (r - k + 7) % 7 + 1};
        for (int board = 3 * r + 1; board <= 3 * r + 3; ++board) {
            for (int table = 0; table < 2; ++table) {
                const auto& ns = partners[2 * table];
                const auto& ew = partners[2 * table + 1];
                if (addResult(c.boards[board], ns[0], ew[0], r + 1, kNoScore, 0, 0, true) != 0)
                    throw std::logic_error("individual movement seats a player twice");
                setSecondPlayers(c.boards[board], ns[0], ns[1], ew[1]);
            }
        }
    }
    const char* players[] = {"Dahlberg Ingrid", "Ek Göran",       "Ekström Margareta",  "Eriksson Åsa",
                             "Forsberg Ulf",    "Fransson Märta", "Hedlund Karl Johan", "Holmberg Solveig"};
    for (int p = 1; p <= 8; ++p) seat(c, reg, p, players[p - 1], nullptr);
    Dealer dealer(20240318);
    for (int b = 1; b <= 21; ++b) {
        dealer.deal(c.boards[b]);
        scoreSlots(c, b, dealer, 7);
        c.boards[b].clearDeal();  // the deals were not kept that evening
    }
}

// Twelve pairs over 27 boards in 9 rounds (three stationary pairs); the deals are in, and
// the first four rounds are entered.
void buildHalfEntered12(Contest& c, MemberRegister& reg) {
    texts(c, "Torsdagsbridge", "2024-03-21");
    setUp(c, 27, 9, 12);
    layMovementLine(c, 12, 1, 1, 0, "111111111");
    layMovementLine(c, 11, 4, 4, 0, "111001100");
    layMovementLine(c, 10, 8, 7, 0, "110011000");
    layMovementLine(c, 2, 7, 10, 1, "");
    layMovementLine(c, 9, 6, 13, 1, "");
    layMovementLine(c, 5, 3, 16, 1, "");
    const char* names[][2] = {
        {"Isaksson Ture", "Jakobsson Inga-Lill"},
        {"Johansson Stig", "Karlsson Maj-Britt"},
        {"Kjellberg Rune", "Lindgren Elsa"},
        {"Lundin Barbro", "Lundström Håkan"},
        {"Magnusson Siv", "Mattsson Olle"},
        {"Nilsson Ann-Marie", "Norberg Kjell"},
        {"Nordin Lena", "Nyström Bo"},
        {"Öberg Gun", "Öhman Lennart"},
        {"Olofsson Rut", "Persson Yngve"},
        {"Pettersson Alva Kristina", "Rydberg Torsten"},
        {"Sandberg Ulla", "Söderberg Henrik"},
        {"Ström Agneta", "Sundberg Jöns"},
    };
    for (int p = 1; p <= 12; ++p) seat(c, reg, p, names[p - 1][0], names[p - 1][1]);
    Dealer dealer(20240321);
    for (int b = 1; b <= 27; ++b) dealer.deal(c.boards[b]);
    c.dealCount = 27;
    for (int b = 1; b <= 27; ++b) scoreSlots(c, b, dealer, 4);
}

}  // namespace

void layMovementLine(Contest& c, int a, int b, int board, int nsStep, const std::string& pattern) {
    const int cycle = c.roundCount;
    const int perRound = c.boardsPerRound;
    for (int r = 1; r <= c.roundCount; ++r) {
        const bool stationaryNs = nsStep > 0 || pattern[static_cast<std::size_t>(r - 1)] == '1';
        const int ns = stationaryNs ? a : b;
        const int ew = stationaryNs ? b : a;
        for (int k = 0; k < perRound; ++k) {
            const int refused = addResult(c.boards[board + k], ns, ew, r, kNoScore, 0, 0, true);
            if (refused != 0) throw std::logic_error("movement seats a pair twice");
        }
        a += nsStep;
        if (nsStep > 0 && a > cycle) a = 1;
        b = b + 1 > cycle ? 1 : b + 1;
        board = board + perRound > c.boardCount ? 1 : board + perRound;
    }
}

int contractScore(int level, int strain, bool vulnerable, int tricks) {
    const int needed = 6 + level;
    if (tricks < needed) return -(needed - tricks) * (vulnerable ? 100 : 50);
    const int perTrick = strain <= 1 ? 20 : 30;
    const int trickScore = level * perTrick + (strain == 4 ? 10 : 0);
    int score = trickScore + (trickScore >= 100 ? (vulnerable ? 500 : 300) : 50);
    if (level == 6) score += vulnerable ? 750 : 500;
    if (level == 7) score += vulnerable ? 1500 : 1000;
    return score + (tricks - needed) * perTrick;
}

std::string pbnFileText(const Contest& c) {
    const char* seats = "NESW";
    const char* vulnerable[] = {"All", "None", "NS", "EW"};
    std::string text = "% PBN 2.1\r\n% EXPORT\r\n";
    for (int b = 1; b <= c.dealCount; ++b) {
        text += "[Event \"\"]\r\n[Board \"" + std::to_string(b) + "\"]\r\n";
        text += std::string("[Dealer \"") + seats[(b - 1) % 4] + "\"]\r\n";
        text += std::string("[Vulnerable \"") + vulnerable[vulnerability(b)] + "\"]\r\n";
        text += "[Deal \"N:";
        for (int seat = North; seat <= West; ++seat) {
            if (seat != North) text += ' ';
            for (int suit = 0; suit < 4; ++suit) {
                if (suit > 0) text += '.';
                for (const Card& card : c.boards[b].deal[seat])
                    if (card.suit == suit) text += rankChar(card.rank);
            }
        }
        text += "\"]\r\n\r\n";
    }
    return text;
}

std::string examplesDir() { return std::string(VK_SOURCE_DIR) + "/examples"; }

std::string examplePath(const std::string& fileName) { return examplesDir() + "/" + fileName; }

const std::vector<ExampleContest>& exampleContests() {
    static const std::vector<ExampleContest> examples{
        {"kväll8.sco", buildEvening8, 21, 7, 8, 8, 8, 21, 63, 63, false},
        {"individuell8.sco", buildIndividual8, 21, 7, 8, 0, 8, 0, 42, 42, true},
        {"halvkväll12.sco", buildHalfEntered12, 27, 9, 12, 0, 12, 27, 162, 72, false},
    };
    return examples;
}

}  // namespace vindelkast::test
