#pragma once

#include <string>
#include <vector>

namespace vindelkast {

enum class MovementKind { Mitchell, Howell };

// What the director asks for: the night's number of pairs and, when given, the rounds and
// boards per round (0: a club evening of about 26 boards).
struct MovementRequest {
    MovementKind kind = MovementKind::Mitchell;
    int pairs = 0;
    int rounds = 0;
    int boardsPerRound = 0;
    bool relay = false;  // Mitchell with an even number of tables: relay and a shared board group
};

// One table in one round: its pairs and the board group it plays (0-based).
struct TableRound {
    int round = 0;  // 1-based
    int table = 0;  // 1-based
    int nsPair = 0;
    int ewPair = 0;
    int group = 0;
};

// A movement made for the night. The card is for an even number of pairs: with an odd field
// the highest number is the bye pair, and the pair set against it sits out that round.
struct GeneratedMovement {
    std::string message;  // "" when made; else why not, in Swedish
    MovementKind kind = MovementKind::Mitchell;
    int pairs = 0;      // as asked
    int cardPairs = 0;  // pairs on the card (even)
    int byePair = 0;    // 0, or cardPairs when the field is odd
    int tables = 0;
    int rounds = 0;
    int boardsPerRound = 0;
    int groups = 0;
    bool relay = false;
    std::vector<TableRound> seats;  // by round, then table

    int boardCount() const { return groups * boardsPerRound; }
    int firstBoard(const TableRound& seat) const { return seat.group * boardsPerRound + 1; }
};

// Makes a Mitchell (3-15 tables) or Howell (4-16 pairs; complete, or shortened when fewer
// rounds are asked) movement that obeys the rules of a fair evening: no pair plays a board
// twice or sits at two tables in a round, every board is played as often as every other,
// in a complete Howell every pair meets every other once, in a Mitchell NS pairs never
// meet NS pairs.
GeneratedMovement generateMovement(const MovementRequest& request);

// The kind a director is offered first for a field: a Howell for a small one (up to 10
// pairs), a Mitchell from there on.
MovementKind proposedMovementKind(int pairs);

// The movement as a guide card: the header and one record per table and round, lines
// ending in CR LF as the window writes its files.
std::string guideCardText(const GeneratedMovement& movement);

// The file name a made card is saved under: "P11_mitchell_5x5.gui" (pairs, kind, rounds x
// boards per round).
std::string generatedCardName(const GeneratedMovement& movement);

// What was made, for the director to read: tables, rounds, boards and who sits out when.
std::vector<std::string> movementSummary(const GeneratedMovement& movement);

// The pairs of a seat that are not the bye pair; the other one sits out.
int sittingOut(const GeneratedMovement& movement, const TableRound& seat);

}  // namespace vindelkast
