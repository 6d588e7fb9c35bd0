#include "output/usebio_export.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "files/imported_names.h"
#include "files/member_lookup.h"
#include "model/board_results.h"
#include "model/result_order.h"
#include "model/scoring_form.h"
#include "model/sections.h"
#include "model/team_matches.h"
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

// A figure as the file writes it: matchpoints as they are, rounded figures to their column's
// decimals.
std::string exchanged(const ScoringForm& form, const FigureColumn& column, double value) {
    return form.exchangesExactFigures() ? general(value) : formatText("%.*f", column.decimals, value);
}

bool isPercent(const FigureColumn& column) { return std::string_view(column.unit) == "%"; }

std::string placeText(const Standings& standings, const StandingsRow& row) {
    const auto sharing =
        std::count_if(standings.rows.begin(), standings.rows.end(),
                      [&row](const StandingsRow& other) { return other.place == row.place; });
    return std::to_string(row.place) + (sharing > 1 ? "=" : "");
}

// The pairs of one section (-1: the whole field), numbered within it, placed among themselves.
void writeParticipants(const Contest& contest, UsebioWriter& xml, int section) {
    xml.open("PARTICIPANTS");
    const ScoringForm& form = scoringForm(contest);
    const Standings standings = form.standings(contest, section);
    for (const StandingsRow& row : standings.rows) {
        const int pair = row.pair;
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
        xml.value("TOTAL_SCORE", exchanged(form, standings.columns[0], row.figures[0]));
        for (std::size_t i = 1; i < standings.columns.size(); ++i)
            if (isPercent(standings.columns[i])) xml.value("PERCENTAGE", formatText("%.2f", row.figures[i]));
        xml.value("PLACE", placeText(standings, row));
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

// A team event's slot keeps its table where an evening keeps its round: the line names the
// match's round, and the tables follow from the order of the matches.
void writeTravellerLine(const Contest& contest, UsebioWriter& xml, int board, const BoardResult& r,
                        int round = 0) {
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
        const ScoringForm& form = scoringForm(contest);
        if (form.exchangesExactFigures() || r.nsPoints != kNoPoints) {
            const std::string suffix = form.codes().usebioPoints;
            xml.value(("NS_" + suffix).c_str(), exchanged(form, form.pointsColumn(), r.nsPoints));
            xml.value(("EW_" + suffix).c_str(), exchanged(form, form.pointsColumn(), r.ewPoints));
        }
    }
    if (r.nsScore >= kAdjustedBase) xml.value("NOTES", "Adjusted score");
    xml.value("ROUND_NUMBER", round > 0 ? round : r.round);
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
        // A drawn event's slot keeps its table: the line names the board's round.
        const int round = contest.teams.any() ? (b - 1) / std::max(contest.boardsPerRound, 1) + 1 : 0;
        for (int slot : slots) writeTravellerLine(contest, xml, b, board.results[slot], round);
        xml.close("BOARD");
    }
}

// Hundredths of a victory point as the file writes a number: "15.00", "-3.00".
std::string vpNumber(int hundredths) {
    return formatText("%s%d.%02d", hundredths < 0 ? "-" : "", std::abs(hundredths) / 100,
                      std::abs(hundredths) % 100);
}

std::string attributeText(std::string_view text) {
    std::string out;
    for (char c : escapeXml(text)) out += c == '"' ? std::string("&quot;") : std::string(1, c);
    return out;
}

// Each team with its place and VP, the director's corrections added up, and its two pairs.
void writeTeams(const Contest& contest, UsebioWriter& xml) {
    xml.open("PARTICIPANTS");
    const ScoringForm& form = scoringForm(contest);
    const Standings standings = form.standings(contest);
    for (std::size_t i = 0; i < standings.rows.size(); ++i) {
        const StandingsRow& row = standings.rows[i];
        xml.open("TEAM", " TEAM_ID=\"" + std::to_string(row.pair) + "\" TEAM_NAME=\"" +
                             attributeText(standingsName(contest, standings, i, NameForm::Long)) + "\"");
        xml.value("TOTAL_SCORE", exchanged(form, standings.columns[0], row.figures[0]));
        xml.value("PLACE", placeText(standings, row));
        int adjusted = 0;
        for (const VpAdjustment& a : contest.teams.adjustments)
            if (a.team == row.pair) adjusted += a.vp;
        if (adjusted != 0) xml.value("ADJUSTMENT", vpNumber(adjusted));
        for (const int pair : contest.teams.pairsOf(row.pair)) {
            xml.open("PAIR");
            xml.value("PAIR_NUMBER", pair);
            writePlayer(xml, contest.participants[pair].first);
            writePlayer(xml, contest.participants[pair].second);
            xml.close("PAIR");
        }
        xml.close("TEAM");
    }
    xml.close("PARTICIPANTS");
}

void writeMatch(const Contest& contest, UsebioWriter& xml, const MatchCard& card) {
    xml.open("MATCH");
    xml.value("ROUND_NUMBER", card.round);
    xml.value("TEAM", card.home);
    xml.value("OPPOSING_TEAM", card.away);
    xml.value("START_BOARD_NUMBER", card.boards.empty() ? 0 : card.boards.front().board);
    xml.value("END_BOARD_NUMBER", card.boards.empty() ? 0 : card.boards.back().board);
    // A match counts from its first board entered: before that it has no score.
    if (card.boardsDone > 0) {
        xml.value("TEAM_IMPS", card.homeImps);
        xml.value("OPPOSING_TEAM_IMPS", card.awayImps);
        xml.value("TEAM_SCORE", vpNumber(card.vp.first));
        xml.value("OPPOSING_TEAM_SCORE", vpNumber(card.vp.second));
    }
    for (const MatchBoard& line : card.boards) {
        const Board& board = contest.boards[line.board];
        xml.open("BOARD");
        xml.value("BOARD_NUMBER", line.board);
        if (line.homeImps) xml.value("IMPS", *line.homeImps);
        for (const MatchTable& table : contest.teams.matchTables(card.home, card.away))
            if (const BoardResult* r = findResult(board, table.nsPair, table.ewPair))
                writeTravellerLine(contest, xml, line.board, *r, card.round);
        xml.close("BOARD");
    }
    xml.close("MATCH");
}

// Every match drawn, round by round in the order of their tables; a team that sits a round
// out has a match of its own with no opponent, worth what a bye is.
void writeMatches(const Contest& contest, UsebioWriter& xml) {
    for (int round = 1; round <= drawnTeamRounds(contest); ++round) {
        for (const MatchCard& card : roundMatches(contest, round)) writeMatch(contest, xml, card);
        for (int team : roundByes(contest, round)) {
            xml.open("MATCH");
            xml.value("ROUND_NUMBER", round);
            xml.value("TEAM", team);
            xml.value("TEAM_SCORE", vpNumber(contest.teams.byeVp));
            xml.close("MATCH");
        }
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
    // Swiss pairs are written as the pairs evening they are, each pair's total its VP.
    const bool swissPairs = contest.teams.form == TeamForm::SwissPairs;
    const bool teams = contest.teams.any() && !swissPairs;
    xml.open("EVENT", teams        ? (contest.teams.form == TeamForm::Swiss ? " EVENT_TYPE=\"SWISS_TEAMS\""
                                                                            : " EVENT_TYPE=\"TEAMS\"")
                      : swissPairs ? " EVENT_TYPE=\"SWISS_PAIRS\""
                      : contest.isIndividual ? " EVENT_TYPE=\"INDIVIDUAL\""
                                             : " EVENT_TYPE=\"PAIRS\"");
    xml.value("PROGRAM_NAME", "Vindelkast");
    xml.value("PROGRAM_VERSION", kVersionText);
    xml.value("EVENT_DESCRIPTION", contest.contestName);
    xml.value("DATE", usebioDate(contest.contestDate));
    xml.value("BOARD_SCORING_METHOD", scoringForm(contest).codes().usebioMethod);
    if (contest.teams.any()) xml.value("MATCH_SCORING_METHOD", "VPS");
    xml.value("SESSION_COUNT", 1);
    const int sections = contest.sections.any() ? static_cast<int>(contest.sections.list.size()) : 1;
    xml.value("SECTION_COUNT", sections);
    if (!teams) xml.value(contest.isIndividual ? "PLAYERS" : "PAIRS", playingPairCount(contest));
    xml.value("WINNER_TYPE", 1);
    xml.value("BOARDS_PLAYED", contest.boardCount);
    if (contest.teams.any()) xml.value("BOARDS_PER_ROUND", contest.boardsPerRound);
    xml.open("SESSION", " SESSION_ID=\"1\"");
    if (teams) {
        xml.open("SECTION", " SECTION_ID=\"A\"");
        writeTeams(contest, xml);
        writeMatches(contest, xml);
        xml.close("SECTION");
    }
    // Each section numbers its pairs from 1, as other programs write and read them.
    for (int s = 0; s < (teams ? 0 : sections); ++s) {
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
