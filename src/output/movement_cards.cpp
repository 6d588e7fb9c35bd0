#include "output/movement_cards.h"

#include <algorithm>
#include <cstdio>

#include "model/sections.h"
#include "movement/table_rounds.h"

namespace vindelkast {

namespace {

std::string columns(int round, const std::string& a, const std::string& b, const std::string& c,
                    const std::string& d) {
    char line[96];
    std::snprintf(line, sizeof line, "%4d  %-5s %-6s %-5s %s", round, a.c_str(), b.c_str(), c.c_str(),
                  d.c_str());
    return line;
}

std::string headerLine(const char* a, const char* b, const char* c, const char* d) {
    char line[96];
    std::snprintf(line, sizeof line, "Rond  %-5s %-6s %-5s %s", a, b, c, d);
    return line;
}

std::string cardTitle(const Contest& contest, const std::string& what) {
    return contest.contestName.empty() ? what : what + "  -  " + contest.contestName;
}

}  // namespace

std::string boardRanges(const std::vector<int>& boards) {
    std::string text;
    for (std::size_t i = 0; i < boards.size();) {
        std::size_t j = i;
        while (j + 1 < boards.size() && boards[j + 1] == boards[j] + 1) ++j;
        if (!text.empty()) text += ',';
        text += std::to_string(boards[i]);
        if (j > i) text += '-' + std::to_string(boards[j]);
        i = j + 1;
    }
    return text;
}

std::vector<PrintedCard> tableCards(const Contest& contest) {
    const std::vector<std::vector<TableSeat>> evening = eveningTables(contest, false);
    std::vector<PrintedCard> cards;
    for (int table = 1; table <= tableCountOfEvening(contest, false); ++table) {
        PrintedCard card{cardTitle(contest, "Bord " + tableLabel(contest, table)), "",
                         headerLine("NS", "\xd6V", "", "Givar")};
        for (std::size_t round = 1; round < evening.size(); ++round) {
            const TableSeat* here = nullptr;
            for (const TableSeat& seat : evening[round])
                if (seat.table == table) here = &seat;
            if (here)
                card.push_back(columns(static_cast<int>(round), pairLabel(contest, here->nsPair),
                                       pairLabel(contest, here->ewPair), "", boardRanges(here->boards)));
            else
                card.push_back(columns(static_cast<int>(round), "-", "-", "", "bordet vilar"));
        }
        cards.push_back(std::move(card));
    }
    return cards;
}

std::vector<PrintedCard> pairCards(const Contest& contest) {
    const std::vector<std::vector<TableSeat>> evening = eveningTables(contest, false);
    int highest = 0;
    for (const std::vector<TableSeat>& round : evening)
        for (const TableSeat& seat : round) highest = std::max({highest, seat.nsPair, seat.ewPair});
    std::vector<PrintedCard> cards;
    for (int pair = 1; pair <= highest; ++pair) {
        if (sitsOut(contest, pair)) continue;
        PrintedCard card{cardTitle(contest, "Par " + pairLabel(contest, pair)), "",
                         headerLine("Bord", "Sitter", "Mot", "Givar")};
        for (std::size_t round = 1; round < evening.size(); ++round) {
            std::string line = columns(static_cast<int>(round), "-", "", "", "st\xe5r \xf6ver");
            for (const TableSeat& seat : evening[round])
                if (seat.nsPair == pair || seat.ewPair == pair) {
                    const bool ns = seat.nsPair == pair;
                    line =
                        columns(static_cast<int>(round), tableLabel(contest, seat.table), ns ? "NS" : "\xd6V",
                                pairLabel(contest, ns ? seat.ewPair : seat.nsPair), boardRanges(seat.boards));
                }
            card.push_back(line);
        }
        cards.push_back(std::move(card));
    }
    return cards;
}

}  // namespace vindelkast
