#include "movement/typed_corrections.h"

#include <vector>

#include "model/sections.h"
#include "movement/set_up_fields.h"

namespace vindelkast {

namespace {

struct Words {
    const Contest& contest;
    std::vector<std::string> words;
    std::string problem;

    bool count(std::size_t wanted, const std::string& prompt) {
        if (words.size() == wanted) return true;
        problem = "Skriv " + prompt;
        return false;
    }
    int pair(std::size_t i) {
        const int found = pairFromLabel(contest, words[i]);
        if (found == 0 && problem.empty()) problem = "Inget par heter " + words[i];
        return found;
    }
    int table(std::size_t i) {
        const int found = tableFromLabel(contest, words[i]);
        if (found == 0 && problem.empty()) problem = "Inget bord heter " + words[i];
        return found;
    }
    int number(std::size_t i) {
        const int found = fieldNumber(words[i]);
        if (found <= 0 && problem.empty()) problem = "\"" + words[i] + "\" \xe4r inget nummer";
        return found;
    }
};

std::vector<std::string> wordsOf(std::string_view typed) {
    std::vector<std::string> words;
    std::string word;
    for (const char c : typed) {
        if (c != ' ' && c != '\t') {
            word += c;
        } else if (!word.empty()) {
            words.push_back(std::move(word));
            word.clear();
        }
    }
    if (!word.empty()) words.push_back(std::move(word));
    return words;
}

}  // namespace

CorrectionQuestion correctionQuestion(CorrectionKind kind) {
    switch (kind) {
    case CorrectionKind::TurnTable:
        return {"V\xe4nd NS/\xd6V vid ett bord\x85", "bord och rond, t.ex. 3 2"};
    case CorrectionKind::MoveResult:
        return {"Flytta ett resultat till r\xe4tt giv\x85",
                "giv, NS-par, \xd6V-par och r\xe4tt giv, t.ex. 4 2 10 5"};
    case CorrectionKind::ArtificialScore:
        return {"Konstlat resultat f\xf6r ett bord\x85",
                "giv, NS-par, \xd6V-par och resultat, t.ex. 8 3 11 %+-"};
    case CorrectionKind::TurnResult:
        return {"Byt NS och \xd6V i ett resultat\x85", "giv, NS-par och \xd6V-par, t.ex. 10 4 12"};
    case CorrectionKind::Renumber:
        return {"Nya parnummer i ett resultat\x85",
                "giv, NS-par, \xd6V-par, nytt NS-par och nytt \xd6V-par, t.ex. 13 5 13 7 13"};
    case CorrectionKind::TradePlaces:
        return {"Par som bytt plats\x85", "tv\xe5 par och ronden de bytte fr\xe5n, t.ex. 3 5 4"};
    }
    return {};
}

Correction typedCorrection(Contest& contest, CorrectionKind kind, std::string_view typed) {
    Words w{contest, wordsOf(typed), {}};
    static constexpr std::size_t kWords[] = {2, 4, 4, 3, 5, 3};
    if (!w.count(kWords[static_cast<int>(kind)], correctionQuestion(kind).prompt)) return {w.problem, "", {}};
    Correction done;
    switch (kind) {
    case CorrectionKind::TurnTable: {
        const int table = w.table(0), round = w.number(1);
        if (w.problem.empty()) done = turnTable(contest, table, round);
        break;
    }
    case CorrectionKind::MoveResult: {
        const int board = w.number(0), ns = w.pair(1), ew = w.pair(2), to = w.number(3);
        if (w.problem.empty()) done = moveResult(contest, board, ns, ew, to);
        break;
    }
    case CorrectionKind::ArtificialScore: {
        const int board = w.number(0), ns = w.pair(1), ew = w.pair(2);
        if (w.problem.empty()) done = giveArtificialScore(contest, board, ns, ew, w.words[3]);
        break;
    }
    case CorrectionKind::TurnResult: {
        const int board = w.number(0), ns = w.pair(1), ew = w.pair(2);
        if (w.problem.empty()) done = turnResult(contest, board, ns, ew);
        break;
    }
    case CorrectionKind::Renumber: {
        const int board = w.number(0), ns = w.pair(1), ew = w.pair(2), newNs = w.pair(3), newEw = w.pair(4);
        if (w.problem.empty()) done = renumberResult(contest, board, ns, ew, newNs, newEw);
        break;
    }
    case CorrectionKind::TradePlaces: {
        const int a = w.pair(0), b = w.pair(1), round = w.number(2);
        if (w.problem.empty()) done = tradePlaces(contest, a, b, round);
        break;
    }
    }
    if (!w.problem.empty()) done.problem = w.problem;
    return done;
}

}  // namespace vindelkast
