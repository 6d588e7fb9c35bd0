#include "files/round_file.h"

#include <charconv>
#include <map>
#include <memory>
#include <tuple>
#include <vector>

#include "files/side_text.h"
#include "model/board_results.h"
#include "model/result_order.h"
#include "movement/movement.h"

namespace vindelkast {

namespace {

const char* const kHeader = "%RONDER 1";
const char* const kFile = "rondfilen";

// Written into the recovery file at every stored score: appended in place, no temporaries.
void appendLine(std::string& out, char kind, int a, int b, int c, int d) {
    char buffer[64];
    char* end = buffer;
    *end++ = kind;
    for (const int value : {a, b, c, d}) {
        *end++ = ' ';
        end = std::to_chars(end, buffer + sizeof buffer, value).ptr;
    }
    *end++ = '\r';
    *end++ = '\n';
    out.append(buffer, end);
}

}  // namespace

std::string writeRounds(const Contest& contest) {
    std::string slots;
    bool needed = contest.movement && !contest.movement->tables.empty();
    for (int b = 1; b <= contest.lastBoard(); ++b) {
        const Board& board = contest.boards[b];
        // The contest file writes a board in playing order; its reader numbers the slots so.
        const std::vector<int> order = orderedSlots(contest, board, TableOrder);
        for (std::size_t place = 0; place < order.size(); ++place) {
            const BoardResult& r = board.results[order[place]];
            needed = needed || r.round != static_cast<int>(place) + 1;
            appendLine(slots, 'S', b, r.nsPair, r.ewPair, r.round);
        }
    }
    if (!needed) return "";
    std::string text = std::string(kHeader) + "\r\n" + slots;
    if (contest.movement)
        for (const auto& [seat, table] : contest.movement->tables)
            appendLine(text, 'T', std::get<0>(seat), std::get<1>(seat), std::get<2>(seat), table);
    return text;
}

std::string readRounds(Contest& contest, std::string_view text) {
    if (text.size() > kMaxSideFileBytes) return "Rondfilen \xe4r f\xf6r stor";
    const std::vector<std::string_view> lines = sideFileLines(text);
    if (lines.empty() || lines[0] != kHeader) return "Filen \xe4r ingen rondfil (version 1)";
    std::map<std::tuple<int, int, int>, int> rounds;  // board, NS, EW -> round
    std::map<std::tuple<int, int, int>, int> tables;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::vector<std::string_view> words = lineWords(lines[i]);
        if (words.size() != 5 || (words[0] != "S" && words[0] != "T"))
            return sideFileFault(kFile, i + 1, "raden ska vara S eller T och fyra tal");
        const bool slot = words[0] == "S";
        int first = 0, ns = 0, ew = 0, last = 0;
        if (!numberWord(words[1], 1, kMaxBoard, first))
            return sideFileFault(kFile, i + 1, slot ? "given ska vara 1-71" : "ronden ska vara 1-71");
        if (!numberWord(words[2], 1, kMaxPair, ns) || !numberWord(words[3], 1, kMaxPair, ew) || ns == ew)
            return sideFileFault(kFile, i + 1, "paren ska vara tv\xe5 olika nummer 1-72");
        if (!numberWord(words[4], 1, slot ? kMaxBoard : kMaxPair / 2, last))
            return sideFileFault(kFile, i + 1, slot ? "ronden ska vara 1-71" : "bordet ska vara 1-36");
        // A sit-out holds no slot: a line left from before it was named "fripar" is no fault.
        if (slot && (sitsOut(contest, ns) || sitsOut(contest, ew))) continue;
        if (slot && !findResult(contest.boards[first], ns, ew))
            return sideFileFault(kFile, i + 1,
                                 "par " + std::to_string(ns) + "-" + std::to_string(ew) +
                                     " spelar inte giv " + std::to_string(first));
        auto& into = slot ? rounds : tables;
        if (!into.emplace(std::make_tuple(first, ns, ew), last).second)
            return sideFileFault(kFile, i + 1, "raden finns tv\xe5 g\xe5nger");
    }
    for (const auto& [key, round] : rounds) {
        const auto [b, ns, ew] = key;
        findResult(contest.boards[b], ns, ew)->round = round;
    }
    for (int b = 1; b <= kMaxBoard; ++b) sortResults(contest.boards[b]);
    if (!tables.empty()) {
        if (!contest.movement) contest.movement = std::make_shared<Movement>();
        contest.movement->tables = std::move(tables);
    }
    return "";
}

}  // namespace vindelkast
