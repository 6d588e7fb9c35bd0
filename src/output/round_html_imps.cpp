#include "output/round_html_imps.h"

#include <vector>

#include "model/board_results.h"
#include "model/board_scoring.h"
#include "model/imp_scoring.h"
#include "model/imp_standings.h"
#include "model/name_forms.h"
#include "output/html_text.h"
#include "output/page_parts.h"
#include "output/text_format.h"

namespace vindelkast {

namespace {

constexpr const char* kEol = kPageLineEnd;

// A pair's standing in `standings`, or null.
const ImpStanding* standingOf(const std::vector<ImpStanding>& standings, int pair) {
    for (const ImpStanding& s : standings)
        if (s.pair == pair) return &s;
    return nullptr;
}

}  // namespace

std::string impTravellerHeading(const Contest& contest, const Board& board) {
    std::string heading;
    if (contest.scoringRule.method == ScoringMethod::Butler && countScored(board) > 0)
        heading = "  Datum " + std::to_string(boardDatum(board)) + kEol;
    return heading + "  Par    Res IMP NS IMP \xd6V";
}

void writeImpLeaders(const Contest& contest, int round, int firstBoard, int lastBoard, std::ostream& out) {
    const std::vector<ImpStanding> standings = impStandings(contest, firstBoard, lastBoard);
    const std::vector<int> places = impPlaces(standings);
    out << "<table border='1' cellspacing='0' cellpadding='5'>" << kEol << "  <tr>" << kEol
        << "    <th colspan='3'>Rondresultat rond " << round << "</th>" << kEol << "  </tr>" << kEol
        << "  <tr>" << kEol << "    <td><b>IMP</b></td>" << kEol << "    <td><b>IMP/giv</b></td>" << kEol
        << "    <td><b>namn</b></td>" << kEol << "  </tr>" << kEol;
    for (std::size_t i = 0; i < standings.size() && i < 5 && places[i] <= 2; ++i)
        out << "<tr><td>" << impText(standings[i].total) << "</td><td>" << impText(standings[i].perBoard())
            << "</td><td>" << escapeHtml(publishedPairName(contest, standings[i].pair, NameForm::Short))
            << "</td></tr>" << kEol;
    out << "</table>" << kEol;
}

std::string impTravellerLine(const BoardResult& r) {
    const std::string pairs = rightAligned(r.nsPair, 3) + rightAligned(r.ewPair, 3);
    if (!hasScore(r.nsScore) || r.nsPoints == kNoPoints) return pairs;
    const std::string score =
        r.nsScore >= kAdjustedBase ? adjustedScoreText(r.nsScore) : std::to_string(r.nsScore);
    return pairs + rightAligned(score, 6) + rightAligned(impText(r.nsPoints), 7) +
           rightAligned(impText(r.ewPoints), 7);
}

void writeImpStandingsAfter(const Contest& contest, int firstBoard, int lastBoard, std::ostream& out) {
    const std::vector<ImpStanding> standings = impStandings(contest, 1, lastBoard);
    const std::vector<int> places = impPlaces(standings);
    const std::vector<ImpStanding> round = impStandings(contest, firstBoard, lastBoard);
    out << "plac par     IMP IMP/giv    rond   namn" << kEol << kEol;
    for (std::size_t i = 0; i < standings.size(); ++i) {
        const ImpStanding& s = standings[i];
        const ImpStanding* inRound = standingOf(round, s.pair);
        const bool shared = i > 0 && places[i] == places[i - 1];
        out << "  " << (shared ? "  " : rightAligned(places[i], 2)) << rightAligned(s.pair, 4)
            << rightAligned(impText(s.total), 8) << rightAligned(impText(s.perBoard()), 8)
            << rightAligned(inRound && inRound->boards > 0 ? impText(inRound->total) : "--", 8) << "   "
            << escapeHtml(publishedPairName(contest, s.pair, NameForm::Long)) << kEol;
    }
}

}  // namespace vindelkast
