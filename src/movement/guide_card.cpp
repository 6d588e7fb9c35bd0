#include "movement/guide_card.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <set>
#include <utility>
#include <vector>

#include "model/board_results.h"

namespace vindelkast {

namespace {

const char* const kFault = "Fel i guidefil. ";
// A card for 72 pairs and 71 boards is a few kilobytes; anything much larger is no card.
constexpr std::size_t kMaxCardBytes = 1 << 20;

// One whitespace-separated word of the card and the line it stands on.
struct Token {
    std::string text;
    int line = 0;
};

std::vector<Token> tokensOf(std::istream& in, bool& tooLarge) {
    std::vector<Token> tokens;
    std::string current;
    int line = 1;
    std::size_t bytes = 0;
    char c = 0;
    tooLarge = false;
    while (in.get(c)) {
        if (++bytes > kMaxCardBytes) {
            tooLarge = true;
            break;
        }
        if (std::isspace(static_cast<unsigned char>(c))) {
            if (!current.empty()) tokens.push_back({std::move(current), line});
            current.clear();
            if (c == '\n') ++line;
        } else {
            current += c;
        }
    }
    // A record that runs into the end of the file without a line end is not the card's.
    if (!current.empty()) tokens.push_back({std::move(current), -line});
    return tokens;
}

bool numberOf(const Token& token, long long& value) {
    const char* first = token.text.data();
    const char* last = first + token.text.size();
    if (first != last && *first == '+') ++first;
    const auto [end, error] = std::from_chars(first, last, value);
    return error == std::errc() && end == last;
}

std::string lineText(int line) { return ", rad " + std::to_string(line < 0 ? -line : line); }

std::string notANumber(const Token& token) {
    return std::string(kFault) + "\"" + token.text.substr(0, 20) + "\" \xe4r inget tal" +
           lineText(token.line);
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

struct Record {
    long long round = 0, north = 0, south = 0, east = 0, west = 0, firstBoard = 0;
    int line = 0;
};

// What is wrong with one record against the header, or "".
std::string recordFault(const Record& r, const Movement& header, bool individual) {
    const std::string at = lineText(r.line);
    if (r.round > header.roundCount)
        return std::string(kFault) + "Rond " + std::to_string(r.round) + " finns inte (kortet har " +
               std::to_string(header.roundCount) + " ronder), giv " + std::to_string(r.firstBoard) + at;
    for (long long number : {r.north, r.east})
        if (number > kMaxPair) return numberFault(number, r.firstBoard, individual) + at;
    if (individual)
        for (long long number : {r.south, r.west})
            if (number < 0 || number > kMaxPair) return numberFault(number, r.firstBoard, individual) + at;
    for (long long number : {r.north, r.east, r.south, r.west})
        if (number > header.pairCount)
            return std::string(kFault) + (individual ? "Spelare " : "Par ") + std::to_string(number) +
                   " finns inte (kortet har " + std::to_string(header.pairCount) + ")" + at;
    const long long lastBoard = r.firstBoard + header.boardsPerRound - 1;
    if (lastBoard > kMaxBoard)
        return std::string(kFault) + "Givarna " + std::to_string(r.firstBoard) + "-" +
               std::to_string(lastBoard) + " g\xe5r ut\xf6ver giv 71" + at;
    if (lastBoard > header.boardCount)
        return std::string(kFault) + "Givarna " + std::to_string(r.firstBoard) + "-" +
               std::to_string(lastBoard) + " finns inte (kortet har " + std::to_string(header.boardCount) +
               " givar)" + at;
    return "";
}

// Lays one record's slots on the boards, or says why it may not be.
std::string layRecord(const Record& r, const Movement& header, bool individual, Boards& boards,
                      std::set<std::pair<long long, long long>>& seated) {
    // A pair set against itself is told as the pair that is on the board twice.
    if (r.north != r.east)
        for (long long number : {r.north, r.south, r.east, r.west})
            if (number > 0 && !seated.insert({r.round, number}).second)
                return std::string(kFault) + (individual ? "Spelare " : "Par ") + std::to_string(number) +
                       " sitter vid tv\xe5 bord i rond " + std::to_string(r.round) + lineText(r.line);
    for (long long b = r.firstBoard; b < r.firstBoard + header.boardsPerRound; ++b) {
        Board& board = boards[static_cast<std::size_t>(b)];
        const int present = addResult(board, static_cast<int>(r.north), static_cast<int>(r.east),
                                      static_cast<int>(r.round), kNoScore, 0.0f, 0.0f, true);
        if (present == kBoardFull)
            return std::string(kFault) + "Giv " + std::to_string(b) + " \xe4r full" + lineText(r.line);
        if (present != 0)
            return "Fel i guidefil. Par" + std::to_string(present) + "f\xf6rekommer flera g\xe5nger, giv " +
                   std::to_string(r.firstBoard) + lineText(r.line);
        if (individual)
            setSecondPlayers(board, static_cast<int>(r.north), static_cast<int>(r.south),
                             static_cast<int>(r.west));
    }
    return "";
}

}  // namespace

GuideCardReading readGuideCard(std::istream& in, Movement& movement, Boards& boards) {
    GuideCardReading refused;
    refused.headerTaken = false;
    bool tooLarge = false;
    const std::vector<Token> tokens = tokensOf(in, tooLarge);
    if (tooLarge)
        return refused.message = std::string(kFault) + "Filen \xe4r f\xf6r stor f\xf6r ett guidekort",
               refused;
    if (tokens.empty()) return refused.message = std::string(kFault) + "Filen \xe4r tom", refused;

    long long header[4] = {0, 0, 0, 0};
    for (std::size_t i = 0; i < 4; ++i) {
        if (i >= tokens.size())
            return refused.message = std::string(kFault) + "Huvudet ska ha fyra tal", refused;
        if (!numberOf(tokens[i], header[i])) {
            refused.message =
                i == 0 ? std::string(kFault) + "Filen \xe4r inget guidekort: den b\xf6rjar inte med ett tal"
                       : notANumber(tokens[i]);
            return refused;
        }
    }
    const bool individual = header[0] < 0;
    const long long pairs = individual ? -std::max(header[0], -1000LL) : header[0];
    refused.message = headerFault(pairs, header[1], header[2], header[3], individual);
    if (!refused.message.empty()) return refused;
    Movement read = movement;
    read.pairCount = static_cast<int>(pairs);
    read.boardCount = static_cast<int>(header[1]);
    read.roundCount = static_cast<int>(header[2]);
    read.boardsPerRound = static_cast<int>(header[3]);

    // Everything is laid on a copy first: a card with a fault lays nothing.
    auto laid = std::make_unique<Boards>(boards);
    std::set<std::pair<long long, long long>> seated;
    std::map<long long, int> tablesInRound;
    read.tables.clear();
    const std::size_t fields = individual ? 6 : 4;
    std::size_t at = 4;
    for (; at + fields <= tokens.size(); at += fields) {
        long long v[6] = {0, 0, 0, 0, 0, 0};
        for (std::size_t i = 0; i < fields; ++i)
            if (!numberOf(tokens[at + i], v[i])) return refused.message = notANumber(tokens[at + i]), refused;
        Record r;
        r.round = v[0];
        r.north = v[1];
        r.south = individual ? v[2] : 0;
        r.east = individual ? v[3] : v[2];
        r.west = individual ? v[4] : 0;
        r.firstBoard = v[fields - 1];
        r.line = tokens[at].line;
        if (r.firstBoard <= 0 || tokens[at + fields - 1].line < 0) break;  // the card ends here
        if (r.round <= 0) continue;
        // Every record of a round is a table, one that rests (pairs 0) too: the tables after
        // it keep their places.
        const int table = ++tablesInRound[r.round];
        if (r.north <= 0 || r.east <= 0) continue;
        refused.message = recordFault(r, read, individual);
        if (refused.message.empty() && read.boardsPerRound > 0)
            refused.message = layRecord(r, read, individual, *laid, seated);
        if (!refused.message.empty()) return refused;
        read.tables[{static_cast<int>(r.round), static_cast<int>(r.north), static_cast<int>(r.east)}] = table;
    }
    // Numbers too few for a record at the end: a card cut short.
    if (at + fields > tokens.size() && at < tokens.size()) {
        for (std::size_t i = at; i < tokens.size(); ++i) {
            long long ignored = 0;
            if (!numberOf(tokens[i], ignored)) return refused.message = notANumber(tokens[i]), refused;
        }
        if (tokens.back().line > 0)
            return refused.message = std::string(kFault) + "Sista posten har bara " +
                                     std::to_string(tokens.size() - at) + " tal" + lineText(tokens[at].line),
                   refused;
    }
    movement = read;
    boards = *laid;
    return {};
}

GuideCardReading readGuideCardFile(const std::string& fileName, Movement& movement, Boards& boards) {
    if (fileName.empty()) return {"Inget filnamn", true};
    // The name is UTF-8 as every path the program holds; this room is below files/filePath, so
    // it says so itself (a char8_t path is UTF-8 on every system).
    std::ifstream in(std::filesystem::path(std::u8string(fileName.begin(), fileName.end())),
                     std::ios::binary);
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
