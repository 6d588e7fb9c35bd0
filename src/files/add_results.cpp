#include "files/add_results.h"

#include <sstream>
#include <vector>

#include "files/contest_on_disk.h"
#include "files/result_line.h"
#include "files/safe_write.h"
#include "files/seat_check.h"
#include "files/text_fields.h"
#include "model/board_results.h"
#include "model/bridge_tables.h"

namespace vindelkast {

namespace {

constexpr int kHeaderTextLines = 4;  // name, date, arranger, version after the magic line

struct Adding {
    Contest& contest;
    AddedResults result;
    int currentBoard = 0;
    bool currentHadSlots = false;

    void note(const std::string& text) {
        if (!result.problem.empty()) result.problem += "\n";
        result.problem += text;
    }
};

// The closing line: board and round counts, taken over only when they make sense.
void takeClosingLine(Adding& a, const std::vector<std::string_view>& words) {
    const auto boards = words.size() > 1 ? parseInt(words[1]) : std::nullopt;
    const auto rounds = words.size() > 2 ? parseInt(words[2]) : std::nullopt;
    if (!boards || !rounds || *boards < 1 || *boards > kMaxBoard || *rounds < 1 || *rounds > *boards) {
        a.note("Slutraden i filen \xe4r felaktig; antalet givar och ronder \xe4ndrades inte.");
        return;
    }
    a.result.boardsBefore = a.contest.boardCount;
    a.result.roundsBefore = a.contest.roundCount;
    a.contest.boardCount = a.result.boardsAfter = *boards;
    a.contest.roundCount = a.result.roundsAfter = *rounds;
    a.contest.boardsPerRound = *boards / *rounds;
}

bool boardHasScoredSlot(const Board& board) {
    for (int i = 0; i < board.resultCount; ++i)
        if (hasScore(board.results[i].nsScore)) return true;
    return false;
}

// One result line; false when reading must stop.
bool addLine(Adding& a, const std::vector<std::string_view>& words, const std::string& line) {
    Contest& c = a.contest;
    const ResultLine parsed = parseResultLine(words, line, c.isIndividual);
    if (!parsed.problem.empty()) {
        a.note(parsed.problem);
        return true;
    }
    const int board = parsed.board, ns = parsed.ns, ew = parsed.ew, south = parsed.south, west = parsed.west;
    if (!Contest::validPair(ns) || !Contest::validPair(ew)) {
        a.note("Parnummer utanf\xf6r 1..72 p\xe5 raden: " + line);
        return true;
    }
    const int score = parsed.score;
    Board& b = c.boards[board];
    if (board != a.currentBoard) {
        if (boardHasScoredSlot(b)) return true;
        a.currentBoard = board;
        a.currentHadSlots = b.resultCount > 0;
    }
    const float p = parsed.nsPoints;
    const float q = parsed.ewPoints;
    if (a.currentHadSlots) {
        BoardResult* slot = findResult(b, ns, ew);
        if (!slot) return true;
        setScore(*slot, score);
        slot->nsPoints = p;
        slot->ewPoints = q;
    } else {
        int refused = c.isIndividual ? playerSeatedTwice(b, ns, ew, south, west) : 0;
        if (refused == 0) refused = addResult(b, ns, ew, b.resultCount + 1, score, p, q, true);
        if (refused == kBoardFull) {
            a.note("Giv " + std::to_string(board) + " har redan 72 resultat; raden l\xe4stes inte: " + line);
            return true;
        }
        if (refused > 0) {
            a.result.kind = AddedResults::Kind::Refused;
            a.note("Fel i infilen. Par " + std::to_string(refused) + " f\xf6rekommer flera g\xe5nger, giv " +
                   std::to_string(board));
            return false;
        }
        // A slot of the bye pair is dropped as soon as it is sorted in.
        if (!findResult(b, ns, ew)) return true;
        if (c.isIndividual) setSecondPlayers(b, ns, south, west);
    }
    if (hasScore(score)) {
        c.boardHasScores[board] = true;
        ++a.result.added;
    }
    return true;
}

}  // namespace

AddedResults addResultsFromStream(Contest& contest, std::istream& in) {
    Adding a{contest, {}, 0, false};
    std::string line;
    if (!std::getline(in, line)) return {AddedResults::Kind::NotOpen, 0, "Kan inte l\xe4sa filen"};
    chompCr(line);
    const auto magic = line.find(kContestMagic);
    if (magic == std::string::npos)
        return {AddedResults::Kind::NotContest, 0,
                std::string("Filen \xe4r inte en ") + kContestMagic + "-fil"};
    // The result lines of an individual contest carry two more numbers: the kinds must agree.
    if ((line.find("%IND", magic) != std::string::npos) != contest.isIndividual) {
        return {AddedResults::Kind::NotContest, 0,
                contest.isIndividual ? "Filen \xe4r inte en individuell t\xe4vling"
                                     : "Filen \xe4r en individuell t\xe4vling"};
    }
    for (int i = 0; i < kHeaderTextLines && std::getline(in, line); ++i) {
    }
    bool closed = false;
    while (std::getline(in, line)) {
        chompCr(line);
        const auto words = splitWords(line);
        if (words.empty()) continue;
        const auto first = parseInt(words[0]);
        if (!first) break;  // the deals or the start list: the closing line is missing
        if (*first < 0) {
            takeClosingLine(a, words);
            closed = true;
            break;
        }
        if (!addLine(a, words, line)) return a.result;
    }
    if (!closed) a.note("Slutraden efter resultaten saknas; antalet givar och ronder \xe4ndrades inte.");
    return a.result;
}

AddedResults addResultsFromFile(Contest& contest, const std::string& fileName) {
    // Another contest's file, read as every contest file is read: whole, and only up to a size.
    const WholeFile file = readWholeFile(fileName, kLargestContestFile);
    if (!file.found || file.tooLarge)
        return {AddedResults::Kind::NotOpen, 0, "Kan inte l\xe4sa filen " + pathText(fileName)};
    std::istringstream in(file.text);
    AddedResults result = addResultsFromStream(contest, in);
    // An empty file, or a folder, opens but gives no line: the message names it all the same.
    if (result.kind == AddedResults::Kind::NotOpen)
        result.problem = "Kan inte l\xe4sa filen " + pathText(fileName);
    if (result.kind == AddedResults::Kind::NotContest &&
        result.problem.find(kContestMagic) != std::string::npos)
        result.problem = pathText(fileName) + " \xe4r inte en " + kContestMagic + "-fil";
    return result;
}

std::string addedResultsMessage(int count) {
    if (count < 1) return "Adderade inga resultat";
    // The program formats "%s %d %s" with "Adderade", the count and " resultat".
    return "Adderade " + std::to_string(count) + "  resultat";
}

std::string addedResultsMessage(const AddedResults& added) {
    std::string text = addedResultsMessage(added.added);
    // The other file's closing line may change the evening's size: the director must see it.
    const auto change = [&text](const char* what, int before, int after) {
        if (before == after) return;
        text += ". Antal " + std::string(what) + " \xe4ndrat fr\xe5n " + std::to_string(before) + " till " +
                std::to_string(after);
    };
    change("givar", added.boardsBefore, added.boardsAfter);
    change("ronder", added.roundsBefore, added.roundsAfter);
    if (added.boardsBefore != added.boardsAfter || added.roundsBefore != added.roundsAfter) text += ".";
    return text;
}

}  // namespace vindelkast
