#include "output/usebio_export.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "files/imported_names.h"
#include "files/member_lookup.h"
#include "model/imp_standings.h"
#include "model/result_order.h"
#include "model/section_standings.h"
#include "model/standings.h"
#include "model/version.h"
#include "output/deal_text.h"
#include "output/html_text.h"
#include "output/text_format.h"

namespace vindelkast {

namespace {

constexpr const char* kEol = "\r\n";

// Elements indented two blanks a level, as the other programs' files are.
class UsebioWriter {
public:
    explicit UsebioWriter(std::ostream& out) : m_out(out) {}
    void open(const char* name, const std::string& attributes = "") {
        m_out << indent() << '<' << name << attributes << '>' << kEol;
        ++m_depth;
    }
    void close(const char* name) {
        --m_depth;
        m_out << indent() << "</" << name << '>' << kEol;
    }
    void value(const char* name, std::string_view text) {
        m_out << indent() << '<' << name << '>' << escapeXml(text) << "</" << name << '>' << kEol;
    }
    void value(const char* name, int number) { value(name, std::to_string(number)); }

private:
    std::string indent() const { return std::string(static_cast<std::size_t>(2 * m_depth), ' '); }
    std::ostream& m_out;
    int m_depth = 0;
};

// Shortest general form: 7, 4.8, 10.6667.
std::string general(double value) { return formatText("%g", value); }

// "2024-10-08" → "08/10/2024"; a date typed otherwise goes out as typed.
std::string usebioDate(const std::string& date) {
    const bool iso =
        date.size() == 10 && date[4] == '-' && date[7] == '-' &&
        std::all_of(date.begin(), date.end(), [](char c) { return (c >= '0' && c <= '9') || c == '-'; });
    return iso ? date.substr(8, 2) + "/" + date.substr(5, 2) + "/" + date.substr(0, 4) : date;
}

void writePlayer(UsebioWriter& xml, const Member* member) {
    xml.open("PLAYER");
    xml.value("PLAYER_NAME", member ? foreignName(*member) : "");
    if (member && member->memberId >= kFirstFederationNumber)
        xml.value("NATIONAL_ID_NUMBER", member->memberId);
    if (member && member->memberId >= 1 && member->memberId < kFirstFederationNumber)
        xml.value("CLUB_ID_NUMBER", member->memberId);
    xml.close("PLAYER");
}

// One participant's figures as the file gives them.
struct ParticipantLine {
    int pair = 0;
    std::string total, percent, place;  // percent "" in an IMP contest
};

std::string placeText(int place, int sharing) { return std::to_string(place) + (sharing > 1 ? "=" : ""); }

// The pairs of one section (-1: the whole field), placed among themselves.
std::vector<ParticipantLine> matchpointLines(const Contest& contest, int section) {
    const SectionStandings standings = section < 0
                                           ? SectionStandings{contestTotals(contest), contestMean(contest)}
                                           : sectionStandings(contest, section);
    const Totals& totals = standings.totals;
    std::array<int, kParticipantSlots> sharing{};
    for (int slot = 1; slot <= totals.n; ++slot)
        if (const int pair = totals.ranking[slot]; pair != 0)
            ++sharing[static_cast<std::size_t>(sharedPlace(totals.total[pair], totals))];
    std::vector<ParticipantLine> lines;
    for (int slot = 1; slot <= totals.n; ++slot) {
        const int pair = totals.ranking[slot];
        if (pair == 0 || sitsOut(contest, pair)) continue;
        const float total = totals.total[pair];
        const int place = sharedPlace(total, totals);
        lines.push_back({pair, general(total), formatText("%.2f", percentOfMean(total, standings.mean)),
                         placeText(place, sharing[static_cast<std::size_t>(place)])});
    }
    return lines;
}

// An IMP contest's participants: their total IMPs, to the hundredth, and places shared as shown.
std::vector<ParticipantLine> impLines(const Contest& contest, int section) {
    const std::vector<ImpStanding> standings = sectionImpStandings(contest, section);
    const std::vector<int> places = impPlaces(standings);
    std::vector<ParticipantLine> lines;
    for (std::size_t i = 0; i < standings.size(); ++i) {
        const auto sharing = std::count(places.begin(), places.end(), places[i]);
        lines.push_back({standings[i].pair, formatText("%.2f", standings[i].total), "",
                         placeText(places[i], static_cast<int>(sharing))});
    }
    return lines;
}

// The pairs of one section (-1: the whole field), numbered within it, placed among themselves.
void writeParticipants(const Contest& contest, UsebioWriter& xml, int section) {
    xml.open("PARTICIPANTS");
    for (const ParticipantLine& line :
         contest.scoringRule.imps() ? impLines(contest, section) : matchpointLines(contest, section)) {
        const int pair = line.pair;
        const Participant& p = contest.participants[pair];
        if (contest.isIndividual) {
            // A player is a participant of his own; his figures follow his name.
            xml.open("PLAYER");
            xml.value("PLAYER_NUMBER", pair);
            xml.value("PLAYER_NAME", p.first ? foreignName(*p.first) : "");
            if (p.first && p.first->memberId >= 1) xml.value("CLUB_ID_NUMBER", p.first->memberId);
        } else {
            xml.open("PAIR");
            xml.value("PAIR_NUMBER", numberInSection(contest, pair));
        }
        xml.value("TOTAL_SCORE", line.total);
        if (!line.percent.empty()) xml.value("PERCENTAGE", line.percent);
        xml.value("PLACE", line.place);
        if (contest.isIndividual) {
            xml.close("PLAYER");
            continue;
        }
        writePlayer(xml, p.first);
        writePlayer(xml, p.second);
        xml.close("PAIR");
    }
    xml.close("PARTICIPANTS");
}

void writeContract(const Contest& contest, UsebioWriter& xml, int board, const BoardResult& r) {
    const auto found = contest.contracts.find({board, r.nsPair, r.ewPair});
    if (found == contest.contracts.end()) return;
    const PlayedContract& played = found->second;
    if (played.contract.passedOut()) {
        xml.value("CONTRACT", "PASS");
        return;
    }
    xml.value("CONTRACT", contractText(played.contract));
    xml.value("PLAYED_BY", declarerText(played.declarer));
    xml.value("TRICKS", played.tricks);
}

void writeTravellerLine(const Contest& contest, UsebioWriter& xml, int board, const BoardResult& r) {
    xml.open("TRAVELLER_LINE");
    if (contest.isIndividual) {
        xml.value("NORTH_PLAYER_NUMBER", r.nsPair);
        xml.value("SOUTH_PLAYER_NUMBER", r.nsPlayer2);
        xml.value("EAST_PLAYER_NUMBER", r.ewPair);
        xml.value("WEST_PLAYER_NUMBER", r.ewPlayer2);
    } else {
        xml.value("NS_PAIR_NUMBER", numberInSection(contest, r.nsPair));
        xml.value("EW_PAIR_NUMBER", numberInSection(contest, r.ewPair));
    }
    writeContract(contest, xml, board, r);
    // A slot the movement laid but nobody scored: the pairs met, nothing was entered.
    if (hasScore(r.nsScore)) {
        xml.value("SCORE",
                  r.nsScore >= kAdjustedBase ? usebioAdjustedScore(r.nsScore) : std::to_string(r.nsScore));
        if (!contest.scoringRule.imps()) {
            xml.value("NS_MATCH_POINTS", general(r.nsPoints));
            xml.value("EW_MATCH_POINTS", general(r.ewPoints));
        } else if (r.nsPoints != kNoPoints) {
            xml.value("NS_IMPS", formatText("%.2f", r.nsPoints));
            xml.value("EW_IMPS", formatText("%.2f", r.ewPoints));
        }
    }
    if (r.nsScore >= kAdjustedBase) xml.value("NOTES", "Adjusted score");
    xml.value("ROUND_NUMBER", r.round);
    xml.close("TRAVELLER_LINE");
}

// The boards' results of one section (-1: every result).
void writeBoards(const Contest& contest, UsebioWriter& xml, int section) {
    const int last = contest.lastBoard();
    for (int b = 1; b <= last; ++b) {
        const Board& board = contest.boards[b];
        std::vector<int> slots = orderedSlots(contest, board, TableOrder);
        std::erase_if(slots, [&](int slot) {
            return section >= 0 && sectionOf(contest, board.results[slot].nsPair) != section;
        });
        if (slots.empty()) continue;
        xml.open("BOARD");
        xml.value("BOARD_NUMBER", b);
        for (int slot : slots) writeTravellerLine(contest, xml, b, board.results[slot]);
        xml.close("BOARD");
    }
}

void writeHandSet(const Contest& contest, UsebioWriter& xml) {
    const int last = std::min(contest.dealCount, kMaxBoard);
    if (last < 1 || !contest.boards[1].hasDeal()) return;
    xml.open("HANDSET", " HANDSET_ID=\"1\"");
    xml.value("START_BOARD_NUMBER", 1);
    xml.value("END_BOARD_NUMBER", last);
    static const char* const kDirections[4] = {"North", "East", "South", "West"};
    static const char* const kSuits[4] = {"SPADES", "HEARTS", "DIAMONDS", "CLUBS"};
    for (int b = 1; b <= last; ++b) {
        const Board& board = contest.boards[b];
        xml.open("BOARD");
        xml.value("BOARD_NUMBER", b);
        for (int seat = North; seat <= West; ++seat) {
            xml.open("HAND");
            xml.value("DIRECTION", kDirections[seat]);
            for (int suit = 0; suit < 4; ++suit) {
                const std::string cards = suitText(board, static_cast<Seat>(seat), suit);
                xml.value(kSuits[suit], cards == "--" ? "-" : cards);
            }
            xml.close("HAND");
        }
        xml.close("BOARD");
    }
    xml.close("HANDSET");
}

}  // namespace

const char* usebioScoringMethod(ScoringMethod method) {
    switch (method) {
    case ScoringMethod::CrossImps:
        return "CROSS_IMPS";
    case ScoringMethod::Butler:
        return "BUTLER_IMPS";
    case ScoringMethod::Matchpoints:
        break;
    }
    return "MATCH_POINTS";
}

std::string usebioAdjustedScore(int code) {
    const int shares = code - kAdjustedBase;
    return "A" + std::to_string(shares / 10 * 10) + std::to_string(shares % 10 * 10);
}

void writeUsebio(const Contest& contest, std::ostream& out) {
    out << "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>" << kEol
        << "<!DOCTYPE USEBIO SYSTEM \"http://www.ebu.co.uk/usebio/usebio_v1_2.dtd\">" << kEol;
    UsebioWriter xml(out);
    xml.open("USEBIO", " Version=\"1.2\"");
    xml.open("CLUB");
    xml.value("CLUB_NAME", contest.arranger);
    xml.close("CLUB");
    xml.open("EVENT", contest.isIndividual ? " EVENT_TYPE=\"INDIVIDUAL\"" : " EVENT_TYPE=\"PAIRS\"");
    xml.value("PROGRAM_NAME", "Vindelkast");
    xml.value("PROGRAM_VERSION", kVersionText);
    xml.value("EVENT_DESCRIPTION", contest.contestName);
    xml.value("DATE", usebioDate(contest.contestDate));
    xml.value("BOARD_SCORING_METHOD", usebioScoringMethod(contest.scoringRule.method));
    xml.value("SESSION_COUNT", 1);
    const int sections = contest.sections.any() ? static_cast<int>(contest.sections.list.size()) : 1;
    xml.value("SECTION_COUNT", sections);
    xml.value(contest.isIndividual ? "PLAYERS" : "PAIRS", playingPairCount(contest));
    xml.value("WINNER_TYPE", 1);
    xml.value("BOARDS_PLAYED", contest.boardCount);
    xml.open("SESSION", " SESSION_ID=\"1\"");
    // Each section numbers its pairs from 1, as other programs write and read them.
    for (int s = 0; s < sections; ++s) {
        const char letter =
            contest.sections.any() ? contest.sections.list[static_cast<std::size_t>(s)].letter : 'A';
        xml.open("SECTION", std::string(" SECTION_ID=\"") + letter + "\"");
        writeParticipants(contest, xml, contest.sections.any() ? s : -1);
        writeBoards(contest, xml, contest.sections.any() ? s : -1);
        xml.close("SECTION");
    }
    writeHandSet(contest, xml);
    xml.close("SESSION");
    xml.close("EVENT");
    xml.close("USEBIO");
}

}  // namespace vindelkast
