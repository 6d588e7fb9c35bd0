#include "movement/movement_generator.h"

#include <algorithm>
#include <cmath>

#include "model/contest.h"
#include "movement/howell_movement.h"
#include "movement/mitchell_movement.h"

namespace vindelkast {

namespace {

// A club evening plays about this many boards.
constexpr double kEveningBoards = 26.0;

int defaultBoardsPerRound(int rounds) {
    return std::max(1, static_cast<int>(std::lround(kEveningBoards / std::max(rounds, 1))));
}

int defaultRounds(int maxRounds, int boardsPerRound) {
    return std::clamp(static_cast<int>(std::lround(kEveningBoards / boardsPerRound)), 1, maxRounds);
}

std::string number(int value) { return std::to_string(value); }

// Settles rounds and boards per round within the movement's limits, or says why not.
std::string settleCounts(GeneratedMovement& made, const MovementRequest& request, int maxRounds) {
    if (request.rounds < 0 || request.boardsPerRound < 0)
        return "Ronder och givar per rond kan inte vara negativa";
    if (request.rounds > maxRounds)
        return "H\xf6gst " + number(maxRounds) + " ronder med " + number(made.tables) + " bord";
    made.rounds = request.rounds > 0 ? request.rounds : maxRounds;
    if (request.rounds == 0 && request.boardsPerRound > 0)
        made.rounds = defaultRounds(maxRounds, request.boardsPerRound);
    made.boardsPerRound =
        request.boardsPerRound > 0 ? request.boardsPerRound : defaultBoardsPerRound(made.rounds);
    return "";
}

std::string makeMitchell(GeneratedMovement& made, const MovementRequest& request) {
    made.tables = (request.pairs + 1) / 2;
    if (made.tables < 3 || made.tables > 15) return "Mitchell g\xf6rs f\xf6r 3-15 bord (5-30 par)";
    if (request.relay && made.tables % 2 == 1) return "Rel\xe4 beh\xf6vs bara med j\xe4mnt antal bord";
    made.relay = request.relay;
    const int maxRounds = mitchellMaxRounds(made.tables, made.relay);
    // With a relay every group must pass every position, or groups would be played unequally.
    if (made.relay && request.rounds != 0 && request.rounds != maxRounds)
        return "Med rel\xe4 spelas alla " + number(maxRounds) + " ronder";
    std::string message = settleCounts(made, request, maxRounds);
    if (!message.empty()) return message;
    made.groups = made.tables;
    made.seats = mitchellSeats(made.tables, made.rounds, made.relay);
    return "";
}

std::string makeHowell(GeneratedMovement& made, const MovementRequest& request) {
    if (request.relay) return "Rel\xe4 finns bara i Mitchell";
    if (request.pairs < 4 || request.pairs > 16) return "Howell g\xf6rs f\xf6r 4-16 par";
    made.tables = made.cardPairs / 2;
    std::string message = settleCounts(made, request, made.cardPairs - 1);
    if (!message.empty()) return message;
    made.groups = howellGroups(made.cardPairs, made.rounds);
    made.seats = howellSeats(made.cardPairs, made.rounds);
    if (made.seats.empty())
        return "Hittade ingen Howell f\xf6r " + number(made.cardPairs) + " par och " + number(made.rounds) +
               " ronder";
    return "";
}

}  // namespace

GeneratedMovement generateMovement(const MovementRequest& request) {
    GeneratedMovement made;
    made.kind = request.kind;
    made.pairs = request.pairs;
    made.cardPairs = request.pairs + request.pairs % 2;
    made.byePair = request.pairs % 2 == 1 ? made.cardPairs : 0;
    made.message =
        request.kind == MovementKind::Mitchell ? makeMitchell(made, request) : makeHowell(made, request);
    if (made.message.empty() && made.boardCount() > kMaxBoard)
        made.message = number(made.groups) + " givgrupper med " + number(made.boardsPerRound) +
                       " givar blir " + number(made.boardCount()) + " givar, h\xf6gst 71";
    if (!made.message.empty()) made.seats.clear();
    return made;
}

MovementKind proposedMovementKind(int pairs) {
    return pairs <= 10 ? MovementKind::Howell : MovementKind::Mitchell;
}

std::string guideCardText(const GeneratedMovement& movement) {
    std::string text = number(movement.cardPairs) + " " + number(movement.boardCount()) + " " +
                       number(movement.rounds) + " " + number(movement.boardsPerRound) + "\r\n";
    for (const TableRound& seat : movement.seats)
        text += number(seat.round) + " " + number(seat.nsPair) + " " + number(seat.ewPair) + " " +
                number(movement.firstBoard(seat)) + "\r\n";
    return text;
}

std::string generatedCardName(const GeneratedMovement& movement) {
    std::string kind = movement.kind == MovementKind::Mitchell ? "mitchell" : "howell";
    if (movement.relay) kind += "_rela";
    return "P" + number(movement.pairs) + "_" + kind + "_" + number(movement.rounds) + "x" +
           number(movement.boardsPerRound) + ".gui";
}

int sittingOut(const GeneratedMovement& movement, const TableRound& seat) {
    if (movement.byePair == 0) return 0;
    if (seat.nsPair == movement.byePair) return seat.ewPair;
    if (seat.ewPair == movement.byePair) return seat.nsPair;
    return 0;
}

std::vector<std::string> movementSummary(const GeneratedMovement& movement) {
    const bool mitchell = movement.kind == MovementKind::Mitchell;
    std::string kind = mitchell                                    ? "Mitchell"
                       : movement.rounds == movement.cardPairs - 1 ? "Howell"
                                                                   : "F\xf6rkortad Howell";
    if (mitchell && movement.relay)
        kind += " med rel\xe4";
    else if (mitchell && movement.tables % 2 == 0 && movement.rounds > movement.tables / 2)
        kind += " med hopp";
    std::vector<std::string> lines{kind + " f\xf6r " + number(movement.pairs) +
                                   " par: " + number(movement.tables) + " bord, " + number(movement.rounds) +
                                   " ronder, " + number(movement.boardsPerRound) + " givar per rond, " +
                                   number(movement.boardCount()) + " givar"};
    for (int r = 1; r <= movement.rounds; ++r) {
        std::string shared;
        for (const TableRound& a : movement.seats)
            for (const TableRound& b : movement.seats)
                if (a.round == r && b.round == r && a.table < b.table && a.group == b.group)
                    shared += (shared.empty() ? "" : ", ") + number(a.table) + " och " + number(b.table);
        if (!shared.empty()) lines.push_back("Rond " + number(r) + ": bord " + shared + " delar givar");
    }
    if (movement.byePair > 0) lines.push_back("Fripar " + number(movement.byePair) + ":");
    for (const TableRound& seat : movement.seats)
        if (const int out = sittingOut(movement, seat); out > 0)
            lines.push_back("  rond " + number(seat.round) + ": par " + number(out) + " st\xe5r \xf6ver");
    return lines;
}

}  // namespace vindelkast
