#include "movement/guide_card.h"

#include <algorithm>
#include <fstream>

#include "model/board_results.h"

namespace vindelkast {

namespace {

const char* const kFault = "Fel i guidefil. ";

// Reads up to `count` integers; returns how many were read. A token that is not a whole
// number ends the reading like the end of the file does.
int readIntegers(std::istream& in, long long* values, int count) {
    for (int i = 0; i < count; ++i) {
        long long value = 0;
        if (!(in >> value)) return i;
        values[i] = value;
    }
    return count;
}

std::string headerFault(long long pairs, long long boards, long long rounds, long long perRound,
                        bool individual) {
    if (pairs > kMaxPair)
        return std::string(kFault) + (individual ? "Fler \xe4n 72 spelare" : "Fler \xe4n 72 par");
    if (boards > kMaxBoard) return std::string(kFault) + "Fler \xe4n 71 givar";
    if (rounds <= 0) return std::string(kFault) + "Inga ronder";
    if (rounds > boards) return std::string(kFault) + "Fler ronder \xe4n givar";
    if (perRound < 0 || perRound > boards) return std::string(kFault) + "Fler givar per rond \xe4n givar";
    return "";
}

std::string numberFault(long long number, long long firstBoard, bool individual) {
    return std::string(kFault) + (individual ? "Spelare " : "Par ") + std::to_string(number) +
           " finns inte (h\xf6gst 72), giv " + std::to_string(firstBoard);
}

}  // namespace

GuideCardReading readGuideCard(std::istream& in, Movement& movement, Boards& boards) {
    GuideCardReading reading;
    long long header[4] = {0, 0, 0, 0};
    const int headerRead = readIntegers(in, header, 4);
    if (headerRead == 0) return reading;  // a card without numbers lays nothing down
    if (headerRead < 4) {
        reading.headerTaken = false;
        reading.message = std::string(kFault) + "Huvudet ska ha fyra tal";
        return reading;
    }
    const bool individual = header[0] < 0;
    const long long pairs = individual ? -std::max(header[0], -1000LL) : header[0];
    reading.message = headerFault(pairs, header[1], header[2], header[3], individual);
    if (!reading.message.empty()) {
        reading.headerTaken = false;
        return reading;
    }
    movement.pairCount = static_cast<int>(pairs);
    movement.boardCount = static_cast<int>(header[1]);
    movement.roundCount = static_cast<int>(header[2]);
    movement.boardsPerRound = static_cast<int>(header[3]);
    const long long perRound = header[3];

    const int fields = individual ? 6 : 4;
    for (;;) {
        long long record[6] = {0, 0, 0, 0, 0, 0};
        record[fields - 1] = -1;
        readIntegers(in, record, fields);
        const long long firstBoard = record[fields - 1];
        // A record that ends with the file is not used.
        if (firstBoard <= 0 || in.eof()) break;
        const long long round = record[0];
        const long long north = record[1];
        const long long south = individual ? record[2] : 0;
        const long long east = individual ? record[3] : record[2];
        const long long west = individual ? record[4] : 0;
        if (round <= 0 || north <= 0 || east <= 0) continue;
        // A card has at most one round per board.
        if (round > kMaxBoard)
            return {std::string(kFault) + "Rond " + std::to_string(round) + " finns inte, giv " +
                        std::to_string(firstBoard),
                    true};
        for (long long number : {north, east})
            if (number > kMaxPair) return {numberFault(number, firstBoard, individual), true};
        if (individual)
            for (long long number : {south, west})
                if (number < 0 || number > kMaxPair)
                    return {numberFault(number, firstBoard, individual), true};
        if (perRound <= 0) continue;
        const long long lastBoard = firstBoard + perRound - 1;
        if (lastBoard > kMaxBoard)
            return {std::string(kFault) + "Givarna " + std::to_string(firstBoard) + "-" +
                        std::to_string(lastBoard) + " g\xe5r ut\xf6ver giv 71",
                    true};
        for (long long b = firstBoard; b <= lastBoard; ++b) {
            Board& board = boards[static_cast<std::size_t>(b)];
            const int present = addResult(board, static_cast<int>(north), static_cast<int>(east),
                                          static_cast<int>(round), kNoScore, 0.0f, 0.0f, true);
            if (present == kBoardFull)
                return {std::string(kFault) + "Giv " + std::to_string(b) + " \xe4r full", true};
            if (present != 0)
                return {"Fel i guidefil. Par" + std::to_string(present) +
                            "f\xf6rekommer flera g\xe5nger, giv " + std::to_string(firstBoard),
                        true};
            if (individual)
                setSecondPlayers(board, static_cast<int>(north), static_cast<int>(south),
                                 static_cast<int>(west));
        }
    }
    return reading;
}

GuideCardReading readGuideCardFile(const std::string& fileName, Movement& movement, Boards& boards) {
    if (fileName.empty()) return {"Inget filnamn", true};
    std::ifstream in(fileName, std::ios::binary);
    if (!in) return {"Kan inte \xf6ppna filen", true};
    return readGuideCard(in, movement, boards);
}

std::string readGuideCard(const std::string& fileName, Movement& movement, Boards& boards) {
    return readGuideCardFile(fileName, movement, boards).message;
}

std::string guideCardPattern(int typedPairs, int maxPairNumber, bool individual) {
    int n = typedPairs == 0 ? maxPairNumber : typedPairs;
    if (n <= 0) return "*.GUI";
    if (n % 2 == 1) ++n;
    return std::string(individual ? "I" : "P") + std::to_string(n) + "*.GUI";
}

std::string guideCardFilter(int typedPairs, int maxPairNumber, bool individual) {
    return "Guidekortsfiler (*.gui)|" + guideCardPattern(typedPairs, maxPairNumber, individual);
}

}  // namespace vindelkast
