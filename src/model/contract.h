#pragma once

#include <compare>
#include <string>
#include <string_view>

// A played contract and the duplicate score it gives. Declarers are the seats of
// model/contest.h (North 0, East 1, South 2, West 3).
namespace vindelkast {

enum class Strain { Clubs = 0, Diamonds = 1, Hearts = 2, Spades = 3, NoTrump = 4 };

struct Contract {
    int level = 0;  // 1..7; 0 when all passed
    Strain strain = Strain::NoTrump;
    int doubling = 0;  // 0, 1 doubled, 2 redoubled
    bool passedOut() const { return level == 0; }
    bool operator==(const Contract&) const = default;
};

// What one table played on a board: contract, declarer and tricks taken by declarer.
struct PlayedContract {
    Contract contract;
    int declarer = 0;  // Seat
    int tricks = 0;    // 0..13
    bool operator==(const PlayedContract&) const = default;
};

// The result slot a contract belongs to: the board and its NS and EW pair (North and
// East in an individual contest), which stay with the slot whatever the result order.
struct ContractKey {
    int board = 0;
    int nsPair = 0;
    int ewPair = 0;
    auto operator<=>(const ContractKey&) const = default;
};

// Reads "4S", "3NTX", "6HXX", "2N", "pass"; S H D C or Swedish S H R K, NT or N; case does
// not matter. Returns "" and fills `contract`, else the message.
std::string parseContract(std::string_view text, Contract& contract);
// "4S", "3NTX", "pass": the form parseContract reads.
std::string contractText(const Contract& contract);

// N E S W, or Swedish Ö and V as the contest's text has them (Windows-1252); case does not
// matter. -1 when the text is no seat.
int parseDeclarer(std::string_view text);
// "N", "E", "S", "W".
std::string declarerText(int seat);

// Tricks from a result relative to the contract ("=", "+1", "-3"); -1 when the text is
// not one or gives tricks outside 0..13.
int tricksFromResult(const Contract& contract, std::string_view result);

// The declarer's score: the whole duplicate table (trick score, part score, game and
// slam bonuses, the insult bonus, overtricks and undertricks, doubled or not). 0 for a
// passed board.
int declarerScore(const Contract& contract, bool vulnerable, int tricks);
// The NS score of the contract on a board, whose number gives the vulnerability.
int nsScore(const PlayedContract& played, int board);

}  // namespace vindelkast
