#include "output/analysis_text.h"

#include <algorithm>
#include <cstdlib>

#include "analysis/board_analysis.h"
#include "model/bridge_tables.h"
#include "output/page_parts.h"

namespace vindelkast {

const StrainNames& letterStrains() {
    // Swedish suit initials: spader, hjärter, ruter, klöver.
    static const StrainNames names{"NT", "S", "H", "R", "K"};
    return names;
}

const SeatNames& swedishSeats() {
    static const SeatNames names{"N", "\xd6", "S", "V", "NS", "\xd6V"};
    return names;
}

std::string parLine(const BoardAnalysis& analysis, const StrainNames& strains, const SeatNames& seats) {
    if (analysis.parCount == 0) return "Par: 0 (passad)";
    std::string text = "Par: " + seats[analysis.parScore >= 0 ? 4 : 5] + " +" +
                       std::to_string(std::abs(analysis.parScore)) + " (";
    for (int i = 0; i < analysis.parCount; ++i) {
        const ParContract& c = analysis.parContracts[i];
        if (i > 0) text += ", ";
        text += std::to_string(parLevel(c)) + strains[std::clamp(c.strain, 0, 4)] +
                (c.underTricks > 0 ? "X " : " ") + seats[std::clamp(c.seats, 0, 5)];
    }
    return text + ")";
}

std::vector<std::string> analysisLines(const Contest& contest, int board) {
    const BoardAnalysis* analysis = keptAnalysis(contest, board);
    if (!analysis) return {};
    std::vector<std::string> lines;
    lines.push_back("Giv " + std::to_string(board) + "  G: " + dealerName(board) +
                    "  Z: " + vulnerabilityName(board));
    std::string heading = "   ";
    for (const std::string& strain : letterStrains()) heading += rightAligned(strain, 4);
    lines.push_back(heading);
    for (int seat : kTableRows) {
        std::string row = padAtLeastOne(swedishSeats()[seat], 3);
        for (int tricks : analysis->tricks[seat]) row += rightAligned(tricks, 4);
        lines.push_back(row);
    }
    lines.push_back(parLine(*analysis, letterStrains(), swedishSeats()));
    return lines;
}

}  // namespace vindelkast
