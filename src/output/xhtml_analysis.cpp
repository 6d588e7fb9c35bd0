#include "output/xhtml_analysis.h"

#include "analysis/board_analysis.h"
#include "output/analysis_text.h"
#include "output/page_parts.h"

namespace vindelkast {

namespace {

const StrainNames& entityStrains() {
    static const StrainNames names{"NT", "&spades;", "&hearts;", "&diams;", "&clubs;"};
    return names;
}

const SeatNames& entitySeats() {
    static const SeatNames names{"N", "&Ouml;", "S", "V", "NS", "&Ouml;V"};
    return names;
}

}  // namespace

void writeAnalysisBlock(const Contest& contest, const Board& board, std::ostream& out) {
    const BoardAnalysis* analysis = keptAnalysis(contest, board.number);
    if (!analysis) return;
    const char* eol = kPageLineEnd;
    // Inline styles: the page's style sheet stays as it is for contests without analysis.
    out << "<table class='dd' style='width : auto; margin-top : 1em;'>" << eol << "<tbody class='dd'>" << eol
        << "<tr class='dd'>" << eol << "<th class='dd'>&nbsp;</th>" << eol;
    for (const std::string& strain : entityStrains())
        out << "<th class='dd' style='text-align : right; padding-left : 1em;'>" << strain << "</th>" << eol;
    out << "</tr>" << eol;
    for (int seat : kTableRows) {
        out << "<tr class='dd'>" << eol << "<td class='dd'>" << entitySeats()[seat] << "</td>" << eol;
        for (int tricks : analysis->tricks[seat])
            out << "<td class='dd' style='text-align : right;'>" << tricks << "</td>" << eol;
        out << "</tr>" << eol;
    }
    out << "</tbody>" << eol << "</table>" << eol;
    out << "<p class='par'>" << parLine(*analysis, entityStrains(), entitySeats()) << "</p>" << eol;
}

}  // namespace vindelkast
