#include "output/xml_export.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "model/board_scoring.h"
#include "model/member.h"
#include "model/scoring_form.h"
#include "model/sections.h"
#include "model/standings.h"
#include "output/deal_text.h"
#include "output/html_text.h"
#include "output/text_format.h"

namespace vindelkast {

namespace {

constexpr const char* kEol = "\r\n";

// One club of its own; all other arrangers' members are told apart by number range.
constexpr std::string_view kOwnArrangerPrefix = "Vinde";
constexpr const char* kOwnArrangerCode = "VDL";
constexpr const char* kClubCode = "KLB";
constexpr const char* kDistrictCode = "DST";
constexpr const char* kFederationCode = "FBS";

// Shortest general form with up to six significant digits: 150, 62.5, 55.3.
std::string general(double value) { return formatText("%g", value); }

class XmlWriter {
public:
    explicit XmlWriter(std::ostream& out) : m_out(out) {}
    void open(const char* name) { m_out << '<' << name << '>' << kEol; }
    void close(const char* name) { m_out << "</" << name << '>' << kEol; }
    void value(const char* name, std::string_view text) {
        m_out << '<' << name << '>' << escapeXml(text) << "</" << name << '>' << kEol;
    }
    void value(const char* name, int number) { value(name, std::to_string(number)); }

private:
    std::ostream& m_out;
};

void writePerson(const Contest& contest, XmlWriter& xml, const Member* member) {
    xml.open("person");
    xml.value("pid", xmlPersonId(contest, member));
    xml.value("name", member ? longName(*member) : "");
    xml.close("person");
}

// One pair's place and figures, then the pair itself; with sections, the pair's section
// letter follows its number (the number stays the evening's own, unique over the sections).
void writeEntry(const Contest& contest, XmlWriter& xml, int pair, int place, const std::string& score,
                const std::string& percent) {
    const int section = sectionOf(contest, pair);
    const std::string letter =
        section < 0 ? std::string()
                    : std::string(1, contest.sections.list[static_cast<std::size_t>(section)].letter);
    xml.open("result");
    xml.value("tNr", pair);
    if (!letter.empty()) xml.value("section", letter);
    xml.value("place", place);
    xml.value("score", score);
    if (!percent.empty()) xml.value("percent", percent);
    xml.close("result");
    xml.open("team");
    xml.value("tNr", pair);
    if (!letter.empty()) xml.value("section", letter);
    // A team event's entry is a team: the players of both its pairs.
    const std::vector<int> pairs = contest.teams.any() ? contest.teams.pairsOf(pair) : std::vector<int>{pair};
    for (int seat : pairs) {
        const Participant& p = contest.participants[static_cast<std::size_t>(seat)];
        writePerson(contest, xml, p.first);
        if (!contest.isIndividual) writePerson(contest, xml, p.second);
    }
    xml.close("team");
}

// A figure as the file writes it: matchpoints as they are, rounded figures to their column's
// decimals; a side without rounded points has none.
std::string exchanged(const ScoringForm& form, const FigureColumn& column, double value) {
    if (form.exchangesExactFigures()) return general(value);
    return value == kNoPoints ? std::string() : formatText("%.*f", column.decimals, value);
}

// A percentage as the lists show it, to its column's decimals.
std::string percentText(const FigureColumn& column, double value) {
    double scale = 1.0;
    for (int i = 0; i < column.decimals; ++i) scale *= 10.0;
    return general(roundHalfUp(value * scale) * (1.0 / scale));
}

// The standings; an evening in sections gives each section's, places and percentages within
// it, as its lists on paper and on the site stand.
void writeStandings(const Contest& contest, XmlWriter& xml) {
    const ScoringForm& form = scoringForm(contest);
    const int sections = contest.sections.any() ? static_cast<int>(contest.sections.list.size()) : 1;
    for (int s = 0; s < sections; ++s) {
        const Standings standings = form.standings(contest, s);
        for (const StandingsRow& row : standings.rows) {
            const Participant& p = contest.participants[row.pair];
            if (p.first && p.first == contest.byeMember) continue;
            std::string percent;
            for (std::size_t i = 1; i < standings.columns.size(); ++i)
                if (std::string_view(standings.columns[i].unit) == "%")
                    percent = percentText(standings.columns[i], row.figures[i]);
            writeEntry(contest, xml, row.pair, row.place,
                       exchanged(form, standings.columns[0], row.figures[0]), percent);
        }
    }
}

void writeDeals(const Contest& contest, XmlWriter& xml) {
    const int last = std::min(contest.dealCount, kMaxBoard);
    for (int b = 1; b <= last; ++b) {
        const Board& board = contest.boards[b];
        xml.open("deal");
        xml.value("dealNr", b);
        xml.value("north", handText(board, North));
        xml.value("east", handText(board, East));
        xml.value("south", handText(board, South));
        xml.value("west", handText(board, West));
        xml.close("deal");
    }
}

void writeResults(const Contest& contest, XmlWriter& xml) {
    const ScoringForm& form = scoringForm(contest);
    const int last = contest.lastBoard();
    for (int b = 1; b <= last; ++b) {
        const Board& board = contest.boards[b];
        for (int i = 0; i < board.resultCount; ++i) {
            const BoardResult& r = board.results[i];
            xml.open("dealResult");
            xml.value("dealNr", b);
            // The bridge score goes in nsPoints and the matchpoints (IMPs) in nsScore and ewScore.
            if (r.nsScore >= kAdjustedBase)
                xml.value("nsPoints", adjustedScoreText(r.nsScore));
            else
                xml.value("nsPoints", r.nsScore);
            xml.value("nsScore", exchanged(form, form.pointsColumn(), r.nsPoints));
            xml.value("ewScore", exchanged(form, form.pointsColumn(), r.ewPoints));
            xml.value("north", r.nsPair);
            xml.value("east", r.ewPair);
            if (contest.isIndividual) {
                xml.value("south", r.nsPlayer2);
                xml.value("west", r.ewPlayer2);
            }
            xml.close("dealResult");
        }
    }
}

}  // namespace

std::string xmlExportRefusal(const Contest& contest) {
    const int highestScored = contest.nextBoardAfterScored() - 1;
    if (contest.boardsPerRound == 0 || highestScored >= contest.boardsPerRound) return "";
    return "XML-filen skrevs inte: f\xf6rsta rondens givar saknar \xe4nnu resultat";
}

std::string xmlPersonId(const Contest& contest, const Member* member) {
    if (!member) return "";
    const char* code = member->memberId <= 199   ? kClubCode
                       : member->memberId <= 999 ? kDistrictCode
                                                 : kFederationCode;
    if (std::string_view(contest.arranger).substr(0, kOwnArrangerPrefix.size()) == kOwnArrangerPrefix)
        code = kOwnArrangerCode;
    return std::string(code) + ":" + std::to_string(member->memberId);
}

std::string writeXml(const Contest& contest, std::ostream& out) {
    std::string refusal = xmlExportRefusal(contest);
    if (!refusal.empty()) return refusal;
    const int mean = contestMean(contest);
    XmlWriter xml(out);
    out << "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>" << kEol;
    xml.open("bridgeData");
    xml.value("version", "1.11");
    xml.open("contest");
    xml.value("arranger", contest.arranger);
    xml.value("name", contest.contestName);
    xml.value("date", contest.contestDate);
    xml.value("contestType", contest.isIndividual ? "ind" : "pair");
    xml.value("pairN", playingPairCount(contest));
    xml.value("tableN", contest.tableCount);
    xml.value("mean", mean);
    xml.value("dealN", contest.boardCount);
    if (const char* scoring = scoringForm(contest).codes().xmlScoring; *scoring)
        xml.value("scoring", scoring);
    writeStandings(contest, xml);
    writeDeals(contest, xml);
    writeResults(contest, xml);
    xml.close("contest");
    xml.close("bridgeData");
    return "";
}

}  // namespace vindelkast
