#include "output/contract_text.h"

#include <algorithm>

namespace vindelkast {

const ContractStrains& swedishLetterStrains() {
    // klöver, ruter, hjärter, spader, sang
    static const ContractStrains strains{"K", "R", "H", "S", "NT"};
    return strains;
}

const PlayedContract* playedContract(const Contest& contest, int board, const BoardResult& result) {
    const auto found = contest.contracts.find({board, result.nsPair, result.ewPair});
    return found == contest.contracts.end() ? nullptr : &found->second;
}

std::string contractWith(const Contract& contract, const ContractStrains& strains,
                         const std::string& passed) {
    if (contract.passedOut()) return passed;
    return std::to_string(contract.level) + strains[std::clamp(static_cast<int>(contract.strain), 0, 4)] +
           std::string(static_cast<std::size_t>(std::clamp(contract.doubling, 0, 2)), 'X');
}

std::string tricksAgainstContract(const PlayedContract& played) {
    if (played.contract.passedOut()) return "";
    const int difference = played.tricks - (played.contract.level + 6);
    if (difference == 0) return "=";
    return (difference > 0 ? "+" : "") + std::to_string(difference);
}

std::string swedishSeat(int seat) {
    static const char* const seats[] = {"N", "\xd6", "S", "V"};
    return seat >= 0 && seat <= 3 ? seats[seat] : "";
}

}  // namespace vindelkast
