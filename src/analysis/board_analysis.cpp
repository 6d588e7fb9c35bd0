#include "analysis/board_analysis.h"

#include <algorithm>
#include <array>
#include <utility>

#include "model/bridge_tables.h"

namespace vindelkast {

std::string dealPbn(const Deal& deal) {
    std::string text = "N:";
    for (int seat = North; seat <= West; ++seat) {
        if (seat != North) text += ' ';
        for (int suit = 0; suit < 4; ++suit) {
            if (suit > 0) text += '.';
            std::array<bool, 15> held{};
            for (const Card& card : deal[seat]) {
                if (card.empty() || card.rank < 2 || card.rank > 14) return "";
                if (card.suit == suit) held[card.rank] = true;
            }
            for (int rank = 14; rank >= 2; --rank)
                if (held[rank]) text += rankChar(rank);
        }
    }
    return text;
}

const BoardAnalysis* keptAnalysis(const Contest& contest, int board) {
    if (!Contest::validBoard(board) || board > contest.dealCount) return nullptr;
    const BoardAnalysis& analysis = contest.analyses[board];
    if (analysis.deal.empty() || analysis.deal != dealPbn(contest.boards[board].deal)) return nullptr;
    return &analysis;
}

bool hasKeptAnalysis(const Contest& contest) {
    for (int b = 1; b <= kMaxBoard; ++b)
        if (keptAnalysis(contest, b)) return true;
    return false;
}

std::vector<AnalysisJob> analysisJobs(const Contest& contest) {
    std::vector<AnalysisJob> jobs;
    const int last = std::min(contest.dealCount, kMaxBoard);
    for (int b = 1; b <= last; ++b) {
        const std::string deal = dealPbn(contest.boards[b].deal);
        if (deal.empty() || keptAnalysis(contest, b)) continue;
        // Board 1 is dealt by North; the dealer then moves clockwise.
        const int v = vulnerability(b);  // 0 all, 1 none, 2 NS, 3 EW
        jobs.push_back({b, deal, (b + 3) % 4, v == 0 ? 1 : v == 1 ? 0 : v});
    }
    return jobs;
}

void keepAnalysis(Contest& contest, int board, BoardAnalysis analysis) {
    if (Contest::validBoard(board)) contest.analyses[board] = std::move(analysis);
}

std::string seatsText(int seats) {
    static const std::array<const char*, 6> kSeats{"N", "E", "S", "W", "NS", "EW"};
    return seats >= 0 && seats < 6 ? kSeats[seats] : "";
}

int parLevel(const ParContract& contract) { return std::clamp(contract.level + contract.overTricks, 1, 7); }

std::string parContractText(const ParContract& contract) {
    static const std::array<const char*, 5> kStrains{"NT", "S", "H", "D", "C"};
    if (contract.strain < 0 || contract.strain > 4) return "";
    std::string text = std::to_string(parLevel(contract)) + kStrains[contract.strain];
    if (contract.underTricks > 0) text += 'X';
    return text;
}

std::string parContractsText(const BoardAnalysis& analysis) {
    std::string text;
    const int count = std::clamp(analysis.parCount, 0, static_cast<int>(analysis.parContracts.size()));
    for (int i = 0; i < count; ++i) {
        if (i > 0) text += "; ";
        text += seatsText(analysis.parContracts[i].seats) + ' ' + parContractText(analysis.parContracts[i]);
    }
    return text;
}

}  // namespace vindelkast
