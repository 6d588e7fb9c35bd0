#pragma once

#include <map>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

// A reader of guide cards of its own, written from the card's description and nothing of
// the program's, and the rules every made card must obey.
namespace vindelkast::test {

struct CardRecord {
    int round, ns, ew, firstBoard;
};

struct Card {
    int pairs = 0, boards = 0, rounds = 0, perRound = 0;
    std::vector<CardRecord> records;
};

inline Card parseCard(const std::string& text) {
    std::istringstream in(text);
    Card card;
    in >> card.pairs >> card.boards >> card.rounds >> card.perRound;
    CardRecord record{};
    while (in >> record.round >> record.ns >> record.ew >> record.firstBoard) card.records.push_back(record);
    return card;
}

struct CardShape {
    int rounds = 0, perRound = 0;
    int byePair = 0;           // the pair whose opponents sit out
    bool mitchell = false;     // NS pairs 1..tables, EW pairs the rest
    bool complete = false;     // every pair meets every other once
    bool sitOutsEven = false;  // boards also played equally often without the bye pair's tables
};

// "" when the card obeys every rule, else the first broken one.
inline std::string cardFaults(const Card& card, const CardShape& shape) {
    auto at = [](const CardRecord& r) {
        return " (rond " + std::to_string(r.round) + ", par " + std::to_string(r.ns) + "-" +
               std::to_string(r.ew) + ")";
    };
    if (card.rounds != shape.rounds) return "rounds " + std::to_string(card.rounds);
    if (card.perRound != shape.perRound) return "boards per round " + std::to_string(card.perRound);
    if (card.boards % card.perRound != 0) return "board count not whole groups";
    std::set<std::pair<int, int>> boardPair, roundPair;
    std::map<std::pair<int, int>, int> meetings;
    std::map<int, int> laid, played;
    const int tables = card.pairs / 2;
    for (const CardRecord& r : card.records) {
        if (r.round < 1 || r.round > card.rounds) return "round outside the header" + at(r);
        if (r.ns < 1 || r.ns > card.pairs || r.ew < 1 || r.ew > card.pairs || r.ns == r.ew)
            return "bad pairs" + at(r);
        if (r.firstBoard < 1 || r.firstBoard + card.perRound - 1 > card.boards)
            return "boards outside" + at(r);
        for (int p : {r.ns, r.ew}) {
            if (!roundPair.insert({r.round, p}).second) return "pair at two tables" + at(r);
            for (int b = r.firstBoard; b < r.firstBoard + card.perRound; ++b)
                if (!boardPair.insert({b, p}).second) return "board " + std::to_string(b) + " twice" + at(r);
        }
        if (shape.mitchell && (r.ns > tables) == (r.ew > tables)) return "NS meets NS" + at(r);
        ++meetings[{std::min(r.ns, r.ew), std::max(r.ns, r.ew)}];
        for (int b = r.firstBoard; b < r.firstBoard + card.perRound; ++b) {
            ++laid[b];
            if (r.ns != shape.byePair && r.ew != shape.byePair) ++played[b];
        }
    }
    for (int r = 1; r <= card.rounds; ++r)
        for (int p = 1; p <= card.pairs; ++p)
            if (!roundPair.count({r, p}))
                return "pair " + std::to_string(p) + " idle in round " + std::to_string(r);
    for (int b = 1; b <= card.boards; ++b) {
        if (laid[b] != laid[1]) return "board " + std::to_string(b) + " laid unequally";
        if (shape.sitOutsEven && played[b] != played[1])
            return "board " + std::to_string(b) + " played unequally";
    }
    for (const auto& [pairs, count] : meetings)
        if (count > 1)
            return "pairs " + std::to_string(pairs.first) + "-" + std::to_string(pairs.second) +
                   " meet twice";
    if (shape.complete && meetings.size() != static_cast<std::size_t>(card.pairs * (card.pairs - 1) / 2))
        return "not every pair meets every other";
    return "";
}

}  // namespace vindelkast::test
