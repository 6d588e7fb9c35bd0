#include "files/usebio_reader.h"

#include <libxml/parser.h>
#include <libxml/tree.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>
#include <map>
#include <memory>
#include <optional>

#include "files/foreign_text.h"
#include "files/text_encoding.h"
#include "files/text_fields.h"
#include "files/usebio_xml.h"
#include "model/scoring_form.h"
#include "model/shared_library.h"

#ifdef LIBXML_THREAD_ALLOC_ENABLED
#error "This libxml2 hands out xmlFree through the function __xmlFree: look that up instead."
#endif

namespace vindelkast {

namespace {

// Thrown inside the reader only: the file is refused at this line.
struct Refused {
    std::string message;
};

class UsebioReading {
public:
    UsebioReading(const XmlLibrary& xml, ImportedSession& session) : m_xml(xml), m_s(session) {}

    int lineOf(const xmlNode* node) const { return lineIn(m_xml, node); }

    // The text directly inside an element, as Windows-1252; entity references are not
    // followed, so a file cannot make a name grow without end.
    std::string text(const xmlNode* element) {
        if (!element) return "";
        std::string utf8;
        for (const xmlNode* n = element->children; n; n = n->next)
            if ((n->type == XML_TEXT_NODE || n->type == XML_CDATA_SECTION_NODE) && n->content)
                utf8 += reinterpret_cast<const char*>(n->content);
        bool lost = false;
        std::string cp1252 = tidyText(cp1252FromForeign(utf8, lost));
        if (lost) note(element, "tecken som Windows-1252 saknar blev ? i " + cp1252);
        return cp1252;
    }
    std::string text(const xmlNode* parent, const char* element) { return text(child(parent, element)); }
    std::string attribute(const xmlNode* element, const char* attributeName) {
        std::string utf8;
        if (xmlChar* value = m_xml.getProp(element, name(attributeName))) {
            utf8 = reinterpret_cast<const char*>(value);
            (*m_xml.free)(value);
        }
        bool lost = false;
        return tidyText(cp1252FromForeign(utf8, lost));
    }
    // Victory points as hundredths: "15.00" is 1500.
    int hundredths(const xmlNode* element) {
        const auto value = parseFloat(text(element));
        if (!value || std::fabs(*value) > 10000)
            throw Refused{noteText({lineOf(element), "VP ska vara ett tal, inte \"" + text(element) + "\""})};
        return static_cast<int>(std::lround(*value * 100));
    }

    // A whole number that must be there.
    int number(const xmlNode* parent, const char* element) {
        const xmlNode* found = child(parent, element);
        if (!found) throw Refused{noteText({lineOf(parent), element + std::string(" saknas")})};
        return numberIn(found);
    }
    int numberIn(const xmlNode* element) {
        const std::string t = text(element);
        const auto value = parseInt(t);
        if (!value)
            throw Refused{
                noteText({lineOf(element), std::string(reinterpret_cast<const char*>(element->name)) +
                                               " ska vara ett heltal, inte \"" + t + "\""})};
        return *value;
    }
    // A whole number that may be missing: 0 then.
    int optionalNumber(const xmlNode* parent, const char* element) {
        const xmlNode* found = child(parent, element);
        return found ? numberIn(found) : 0;
    }

    // A pair number of the section being read in the contest's numbering; one far out of
    // range is kept as it is, to be refused.
    int shifted(int number) const { return number >= 1 && number <= 1000 ? number + m_offset : number; }

    void note(const xmlNode* at, const std::string& what) { m_s.notes.push_back({lineOf(at), what}); }

    // Boards scored in IMPs are scored so here too; a method the program has not is noted.
    void readScoringRule(const xmlNode* event) {
        const std::string method = text(event, "BOARD_SCORING_METHOD");
        bool known = true;
        m_s.rule = ruleOfUsebioMethod(method, &known);
        if (!known)
            note(child(event, "BOARD_SCORING_METHOD"),
                 "filens givar r\xe4knas med " + tidyText(method) + "; programmet r\xe4knar matchpo\xe4ng");
    }

    void readPair(const xmlNode* pair) {
        ImportedPair p;
        p.line = lineOf(pair);
        p.number = shifted(number(pair, "PAIR_NUMBER"));
        const auto players = children(pair, "PLAYER");
        if (players.size() > 2)
            note(pair, "paret har fler \xe4n tv\xe5 spelare; de f\xf6rsta tv\xe5 l\xe4ses");
        for (std::size_t i = 0; i < players.size() && i < 2; ++i) {
            p.players[i].name = text(players[i], "PLAYER_NAME");
            const int national = optionalNumber(players[i], "NATIONAL_ID_NUMBER");
            const int club = optionalNumber(players[i], "CLUB_ID_NUMBER");
            p.players[i].memberId = national > 0 ? national : club > 0 ? club : -1;
        }
        m_s.pairs.push_back(p);
    }

    float points(const xmlNode* line, const char* element) {
        const xmlNode* found = child(line, element);
        if (!found) return kNoPoints;
        const auto value = parseFloat(text(found));
        if (!value) note(found, std::string(element) + " \xe4r inget tal och j\xe4mf\xf6rs inte");
        return value.value_or(kNoPoints);
    }

    void readContract(const xmlNode* line, ImportedResult& r) {
        const xmlNode* contract = child(line, "CONTRACT");
        if (!contract) return;
        const std::string written = text(contract);
        const std::string problem = parseForeignContract(written, r.played.contract);
        if (!problem.empty()) {
            note(contract, "kontraktet \"" + written + "\" kan inte l\xe4sas och sparas inte");
            return;
        }
        if (r.played.contract.passedOut()) {
            r.hasContract = true;
            return;
        }
        r.played.declarer = parseDeclarer(text(line, "PLAYED_BY"));
        r.played.tricks = parseForeignTricks(r.played.contract, text(line, "TRICKS"));
        r.hasContract = r.played.declarer >= 0 && r.played.tricks >= 0;
        if (!r.hasContract)
            note(contract, "kontraktet " + written + " saknar spelf\xf6rare eller stick och sparas inte");
    }

    void readTravellerLine(const xmlNode* line, int board) {
        ImportedResult r;
        r.line = lineOf(line);
        r.board = board;
        r.nsPair = shifted(number(line, "NS_PAIR_NUMBER"));
        r.ewPair = shifted(number(line, "EW_PAIR_NUMBER"));
        r.round = optionalNumber(line, "ROUND_NUMBER");
        readContract(line, r);
        if (const xmlNode* score = child(line, "SCORE")) {
            const std::string written = text(score);
            if (!parseForeignScore(written, r.score))
                throw Refused{noteText({lineOf(score), "po\xe4ngen \"" + written + "\" kan inte l\xe4sas"})};
        } else if (r.hasContract && r.played.contract.passedOut()) {
            r.score = {ImportedScore::Kind::Bridge, 0, 0, 0};
        }
        const std::string suffix = scoringForm(m_s.rule).codes().usebioPoints;
        r.publishedNs = points(line, ("NS_" + suffix).c_str());
        r.publishedEw = points(line, ("EW_" + suffix).c_str());
        m_s.results.push_back(r);
    }

    void readHand(const xmlNode* hand, std::string (&hands)[4]) {
        const std::string direction = text(hand, "DIRECTION");
        const int seat = direction.empty() ? -1 : parseDeclarer(direction.substr(0, 1));
        if (seat < 0) {
            note(hand, "handen saknar riktning (North, East, South, West) och l\xe4ses inte");
            return;
        }
        std::string pbn;
        for (const char* suit : {"SPADES", "HEARTS", "DIAMONDS", "CLUBS"}) {
            if (!pbn.empty() || suit[0] != 'S') pbn += '.';
            std::string ranks = text(hand, suit);
            for (std::size_t at; (at = ranks.find("10")) != std::string::npos;) ranks.replace(at, 2, "T");
            for (char c : ranks)
                if (c != '-' && c != ' ') pbn += c;
        }
        hands[seat] = pbn;
    }

    void readHandSet(const xmlNode* handSet) {
        for (const xmlNode* board : children(handSet, "BOARD")) {
            std::string hands[4];
            for (const xmlNode* hand : children(board, "HAND")) readHand(hand, hands);
            m_s.deals.push_back({number(board, "BOARD_NUMBER"),
                                 "N:" + hands[0] + " " + hands[1] + " " + hands[2] + " " + hands[3],
                                 lineOf(board)});
        }
    }

    // A team's pairs become 2t-1 and 2t, whatever the file numbered them.
    void readTeam(const xmlNode* team) {
        const int t = parseInt(attribute(team, "TEAM_ID")).value_or(0);
        if (t < 1 || t > kMaxPair / 2)
            throw Refused{noteText({lineOf(team), "TEAM_ID ska vara ett lagnummer 1-36"})};
        m_s.teams.teams.push_back({t, attribute(team, "TEAM_NAME"), lineOf(team)});
        if (const xmlNode* adjusted = child(team, "ADJUSTMENT"))
            m_s.teams.adjustments.push_back({0, t, hundredths(adjusted)});
        const auto pairs = children(team, "PAIR");
        if (pairs.size() > 2) note(team, "laget har fler \xe4n tv\xe5 par; de f\xf6rsta tv\xe5 l\xe4ses");
        for (std::size_t i = 0; i < pairs.size() && i < 2; ++i) {
            readPair(pairs[i]);
            const int own = 2 * t - 1 + static_cast<int>(i);  // team t is pairs 2t-1 and 2t
            m_pairOfFile[m_s.pairs.back().number] = own;
            m_s.pairs.back().number = own;
        }
    }

    int ownPair(int filePair) const {
        return m_pairOfFile.count(filePair) ? m_pairOfFile.at(filePair) : filePair;
    }

    // A match's tables follow from its place among the round's matches: the home team's first
    // pair North-South at the first, the away team's at the next.
    void readMatch(const xmlNode* match, std::map<int, int>& matchesInRound) {
        const int round = number(match, "ROUND_NUMBER");
        if (!child(match, "OPPOSING_TEAM")) {
            if (const xmlNode* bye = child(match, "TEAM_SCORE")) m_s.teams.byeVp = hundredths(bye);
            return;
        }
        const int home = number(match, "TEAM");
        const int table = 2 * matchesInRound[round]++ + 1;
        for (const xmlNode* board : children(match, "BOARD")) {
            const int number = this->number(board, "BOARD_NUMBER");
            for (const xmlNode* line : children(board, "TRAVELLER_LINE")) {
                readTravellerLine(line, number);
                ImportedResult& r = m_s.results.back();
                r.nsPair = ownPair(r.nsPair);
                r.ewPair = ownPair(r.ewPair);
                r.round = (r.nsPair + 1) / 2 == home ? table : table + 1;
            }
        }
    }

    // Whether the event's entrants are teams of two pairs (not Swiss pairs' pairs).
    bool teamsOfPairs() const { return m_s.teams.any() && m_s.teams.form != TeamForm::SwissPairs; }

    void readSection(const xmlNode* section) {
        if (teamsOfPairs()) {
            for (const xmlNode* team : children(child(section, "PARTICIPANTS"), "TEAM")) readTeam(team);
            std::map<int, int> matchesInRound;
            for (const xmlNode* match : children(section, "MATCH")) readMatch(match, matchesInRound);
            return;
        }
        const xmlNode* participants = child(section, "PARTICIPANTS");
        for (const xmlNode* pair : children(participants, "PAIR")) readPair(pair);
        for (const xmlNode* board : children(section, "BOARD")) {
            const int number = this->number(board, "BOARD_NUMBER");
            for (const xmlNode* line : children(board, "TRAVELLER_LINE")) readTravellerLine(line, number);
        }
    }

    // Each section numbers its pairs from 1; the contest keeps one numbering, so a section's
    // numbers follow on from the highest of the section before.
    void readSections(const std::vector<const xmlNode*>& sections) {
        for (const xmlNode* section : sections) {
            const std::size_t pairsBefore = m_s.pairs.size(), resultsBefore = m_s.results.size();
            readSection(section);
            int highest = m_offset;
            for (std::size_t i = pairsBefore; i < m_s.pairs.size(); ++i)
                highest = std::max(highest, m_s.pairs[i].number);
            for (std::size_t i = resultsBefore; i < m_s.results.size(); ++i)
                highest = std::max({highest, m_s.results[i].nsPair, m_s.results[i].ewPair});
            m_s.sections.push_back({attribute(section, "SECTION_ID"), m_offset + 1, highest, {}});
            // Far beyond the 72 pairs a contest holds: the numbers stop growing here.
            m_offset = std::min(highest, 1000);
        }
    }

    // Version 1.2 puts participants and boards in a section of a session; 1.0 in the event.
    void readEvent(const xmlNode* event) {
        const std::string type = attribute(event, "EVENT_TYPE");
        if (type == "SWISS_TEAMS" || type == "TEAMS")
            m_s.teams.form = type == "TEAMS" ? TeamForm::RoundRobin : TeamForm::Swiss;
        else if (type == "SWISS_PAIRS")
            m_s.teams.form = TeamForm::SwissPairs;
        else if (type.find("INDIVIDUAL") != std::string::npos || type.find("TEAM") != std::string::npos)
            throw Refused{noteText(
                {lineOf(event), "bara par- och lagt\xe4vlingar kan importeras, inte " + tidyText(type)})};
        m_s.title = text(event, "EVENT_DESCRIPTION");
        if (m_s.title.empty()) m_s.title = text(event, "TITLE");
        m_s.date = isoDate(text(event, "DATE"));
        if (teamsOfPairs()) {
            // Matches are won in IMPs and scored in victory points, whatever the boards are called.
            m_s.rule.method = ScoringMethod::VictoryPoints;
            m_s.teams.boardsPerMatch = optionalNumber(event, "BOARDS_PER_ROUND");
        } else {
            readScoringRule(event);
            // Swiss pairs: the boards scored across the field, each round's match in VP.
            if (m_s.teams.any()) {
                m_s.rule.pairMatchesInVp = true;
                m_s.teams.boardsPerMatch = optionalNumber(event, "BOARDS_PER_ROUND");
            }
        }
        // Boards not played yet have no travellers; the session still has them.
        m_s.boardCount = parseInt(text(event, "BOARDS_PLAYED")).value_or(0);
        if (text(event, "WINNER_TYPE") == "2")
            note(child(event, "WINNER_TYPE"),
                 "filen har tv\xe5 segrare (NS och \xd6V); programmet r\xe4knar en gemensam st\xe4llning");
        const auto sessions = children(event, "SESSION");
        if (sessions.empty()) {
            readSection(event);
            for (const xmlNode* handSet : children(event, "HANDSET")) readHandSet(handSet);
            return;
        }
        if (sessions.size() > 1)
            note(sessions[1], "filen har flera omg\xe5ngar; bara den f\xf6rsta importeras");
        const auto sections = children(sessions[0], "SECTION");
        if (sections.size() > 1)
            readSections(sections);
        else
            readSection(sections.empty() ? sessions[0] : sections[0]);
        for (const xmlNode* handSet : children(sessions[0], "HANDSET")) readHandSet(handSet);
        for (const xmlNode* handSet : children(event, "HANDSET")) readHandSet(handSet);
    }

private:
    const XmlLibrary& m_xml;
    ImportedSession& m_s;
    int m_offset = 0;                 // added to the pair numbers of the section being read
    std::map<int, int> m_pairOfFile;  // a team event's pairs: the file's number → ours
};

// Whether the XML declaration names Windows-1252, which many Windows programs write. libxml2
// reads that encoding through iconv, which the Windows build's libxml2 lacks: the reader then
// turns the bytes into UTF-8 itself, on every system alike.
bool declaresWindows1252(std::string_view bytes) {
    const std::size_t end = bytes.substr(0, 200).find("?>");
    if (!bytes.starts_with("<?xml") || end == std::string_view::npos) return false;
    std::string declaration;  // lower case, without the spaces XML allows around "="
    for (const char c : bytes.substr(0, end))
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n') declaration += lowerCp1252(c);
    for (const char* name : {"windows-1252", "cp1252", "x-cp1252"})
        for (const char quote : {'"', '\''})
            if (declaration.find(std::string("encoding=") + quote + name + quote) != std::string::npos)
                return true;
    return false;
}

using Document = std::unique_ptr<xmlDoc, decltype(&xmlFreeDoc)>;
using ParserContext = std::unique_ptr<xmlParserCtxt, decltype(&xmlFreeParserCtxt)>;

LoadedLibrary<XmlLibrary> installedXml() {
    return loadSharedLibrary<XmlLibrary>(
        {VK_XML_FILE, VK_XML_PACKAGE, "USEBIO-filen kan inte l\xe4sas: XML-l\xe4saren"}, resolveXml);
}

}  // namespace

SessionReading readUsebio(std::string_view bytes) {
    SessionReading reading;
    if (bytes.size() > INT_MAX) return {{}, "Filen \xe4r f\xf6r stor"};
    const LoadedLibrary<XmlLibrary> loaded = installedXml();
    if (!loaded.table) return {{}, loaded.message};
    const XmlLibrary& xml = *loaded.table;
    xml.initParser();
    ParserContext context(xml.newParserCtxt(), xml.freeParserCtxt);
    if (!context)
        return {{},
                "Minnet r\xe4"
                "cker inte f\xf6r att l\xe4sa filen"};
    // No network, no DTD, no entity expansion; line numbers past 65535 kept; libxml2's own
    // English messages are not printed: the reader says what went wrong in Swedish.
    int options = XML_PARSE_NONET | XML_PARSE_BIG_LINES | XML_PARSE_NOERROR | XML_PARSE_NOWARNING;
    const char* encoding = nullptr;
    std::string utf8;
    if (declaresWindows1252(bytes)) {
        utf8 = cp1252ToUtf8(bytes);
        if (utf8.size() > INT_MAX) return {{}, "Filen \xe4r f\xf6r stor"};
        bytes = utf8;
        encoding = "UTF-8";
        options |= XML_PARSE_IGNORE_ENC;
    }
    Document doc(xml.ctxtReadMemory(context.get(), bytes.data(), static_cast<int>(bytes.size()), "usebio.xml",
                                    encoding, options),
                 xml.freeDoc);
    if (!doc) {
        const xmlError* error = xml.ctxtGetLastError(context.get());
        return {{}, noteText({error ? error->line : 0, "filen \xe4r ingen v\xe4lformad XML"})};
    }
    const xmlNode* root = xml.docGetRootElement(doc.get());
    if (!isElement(root, "USEBIO"))
        return {{}, "Filen \xe4r ingen USEBIO-fil (rotelementet heter inte USEBIO)"};
    const xmlNode* event = child(root, "EVENT");
    if (!event) return {{}, noteText({lineIn(xml, root), "filen har inget EVENT"})};
    UsebioReading reader(xml, reading.session);
    try {
        reading.session.club = reader.text(child(root, "CLUB"), "CLUB_NAME");
        reader.readEvent(event);
    } catch (const Refused& refused) {
        return {{}, refused.message};
    }
    return reading;
}

bool usebioReadable() { return true; }

}  // namespace vindelkast
