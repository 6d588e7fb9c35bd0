#include "tables/table_entries.h"

#include <algorithm>
#include <set>

#include "files/side_text.h"
#include "model/board_results.h"
#include "model/sections.h"
#include "movement/table_rounds.h"
#include "tables/table_codes.h"
#include "tables/table_request.h"

// One line per entry and per held result, the result last on the line:
//   post ID BOARD NS EW CONTRACT DECLARER TRICKS
//   konflikt NR TABLE ROUND BOARD NS EW SOUTH WEST NEW ID SLOTSCORE CONTRACT DECLARER TRICKS
//            [SLOTCONTRACT SLOTDECLARER SLOTTRICKS]
//   beslut ID TABLE BOARD godtaget|behallet
//   publicerad
// A score is never kept: it follows from the contract and the board.
namespace vindelkast {

namespace {

const char* const kHeader = "%BORDPOSTER 1";
const char* const kFile = "bordpostfilen";

std::string playedText(const PlayedContract& p) {
    return contractText(p.contract) + ' ' + declarerText(p.declarer) + ' ' + std::to_string(p.tricks);
}

// The three words of a played contract from `at`; "" or what is wrong.
std::string readPlayed(const std::vector<std::string_view>& words, std::size_t at, PlayedContract& played) {
    const std::string fault = parseContract(words[at], played.contract);
    if (!fault.empty()) return fault;
    played.declarer = parseDeclarer(words[at + 1]);
    if (played.declarer < 0) return "spelf\xf6raren ska vara N, E, S eller W";
    if (!numberWord(words[at + 2], 0, 13, played.tricks)) return "sticken ska vara 0-13";
    return "";
}

// BOARD NS EW from `at`; "" or what is wrong.
std::string readSlot(const std::vector<std::string_view>& words, std::size_t at, TableStore& s) {
    if (!numberWord(words[at], 1, kMaxBoard, s.board)) return "brickan ska vara 1-71";
    if (!numberWord(words[at + 1], 1, kMaxPair, s.nsPair) ||
        !numberWord(words[at + 2], 1, kMaxPair, s.ewPair) || s.nsPair == s.ewPair)
        return "paren ska vara tv\xe5 olika nummer 1-72";
    return "";
}

std::string readEntry(const std::vector<std::string_view>& words, TableStore& s) {
    if (words.size() != 8) return "en post ska ha \xe5tta f\xe4lt";
    if (!isEntryId(words[1])) return "felaktigt id";
    s.entryId = std::string(words[1]);
    std::string fault = readSlot(words, 2, s);
    if (fault.empty()) fault = readPlayed(words, 5, s.played);
    s.nsScore = nsScore(s.played, s.board);
    return fault;
}

std::string readConflict(const std::vector<std::string_view>& words, PendingConflict& c) {
    if (words.size() != 15 && words.size() != 18) return "en konflikt ska ha 15 eller 18 f\xe4lt";
    TableStore& s = c.wanted;
    int isNew = 0;
    if (!numberWord(words[1], 1, 1'000'000'000, c.id)) return "felaktigt nummer";
    if (!numberWord(words[2], 1, kMaxTables, s.table) || !numberWord(words[3], 0, kMaxBoard, s.round))
        return "bord eller rond utanf\xf6r gr\xe4nserna";
    if (std::string fault = readSlot(words, 4, s); !fault.empty()) return fault;
    if (!numberWord(words[7], 0, kMaxPair, s.nsPartner) || !numberWord(words[8], 0, kMaxPair, s.ewPartner) ||
        !numberWord(words[9], 0, 1, isNew))
        return "spelarna ska vara 0-72";
    s.newSlot = isNew == 1;
    if (!isEntryId(words[10])) return "felaktigt id";
    s.entryId = std::string(words[10]);
    if (!numberWord(words[11], kNoScore, kAdjustedBase + 99, c.existingScore)) return "felaktig po\xe4ng";
    if (std::string fault = readPlayed(words, 12, s.played); !fault.empty()) return fault;
    s.nsScore = nsScore(s.played, s.board);
    c.existingHasContract = words.size() == 18;
    return c.existingHasContract ? readPlayed(words, 15, c.existing) : "";
}

std::string readDecision(const std::vector<std::string_view>& words, std::string& id, ConflictDecision& d) {
    if (words.size() != 5) return "ett beslut ska ha fem f\xe4lt";
    if (!isEntryId(words[1])) return "felaktigt id";
    id = std::string(words[1]);
    if (!numberWord(words[2], 1, kMaxTables, d.table) || !numberWord(words[3], 1, kMaxBoard, d.board))
        return "bord eller bricka utanf\xf6r gr\xe4nserna";
    if (words[4] != "godtaget" && words[4] != "behallet") return "beslutet ska vara godtaget eller behallet";
    d.accepted = words[4] == "godtaget";
    return "";
}

// plats TABLE ROUND NS EW SOUTH WEST
std::string readSeat(const std::vector<std::string_view>& words, TypedSeat& seat) {
    if (words.size() != 7) return "en plats ska ha sju f\xe4lt";
    if (!numberWord(words[1], 1, kMaxTables, seat.table) || !numberWord(words[2], 1, kMaxBoard, seat.round))
        return "bord eller rond utanf\xf6r gr\xe4nserna";
    if (!numberWord(words[3], 1, kMaxPair, seat.ns) || !numberWord(words[4], 1, kMaxPair, seat.ew) ||
        !numberWord(words[5], 0, kMaxPair, seat.nsPartner) ||
        !numberWord(words[6], 0, kMaxPair, seat.ewPartner))
        return "spelarna ska vara 1-72";
    return "";
}

}  // namespace

TypedSeat typedSeatOf(const TableStore& s) {
    return {s.table, s.round, s.nsPair, s.ewPair, s.nsPartner, s.ewPartner};
}

std::string typedSeatTaken(const Contest& contest, const std::set<TypedSeat>& seats,
                           const TypedSeat& wanted) {
    // A seat the director has since corrected in the grid (its pairs no longer on any board of
    // the round) holds no one back: a mistyped number must not shut a table out for the round.
    const std::vector<int> boards = boardsOfGroupRound(contest, wanted.round);
    const auto stillThere = [&](const TypedSeat& seat) {
        return std::any_of(boards.begin(), boards.end(),
                           [&](int b) { return findResult(contest.boards[b], seat.ns, seat.ew) != nullptr; });
    };
    for (const TypedSeat& other : seats) {
        if (other.round != wanted.round || other.table == wanted.table || !stillThere(other)) continue;
        for (int n : {wanted.ns, wanted.ew, wanted.nsPartner, wanted.ewPartner})
            for (int o : {other.ns, other.ew, other.nsPartner, other.ewPartner})
                if (n > 0 && n == o)
                    return std::string(contest.isIndividual ? "Spelare " : "Par ") + std::to_string(n) +
                           " sitter vid bord " + tableLabel(contest, other.table) + " i rond " +
                           std::to_string(wanted.round) + ". T\xe4vlingsledaren r\xe4ttar det vid datorn.";
    }
    return "";
}

std::string writeTableEntries(const TableEntries& entries) {
    if (entries.stored.empty() && entries.conflicts.empty() && entries.decided.empty() &&
        !entries.published && entries.seats.empty())
        return "";
    std::string text = std::string(kHeader) + "\r\n";
    if (entries.published) text += "publicerad\r\n";
    for (const auto& [id, s] : entries.stored)
        text += "post " + id + ' ' + std::to_string(s.board) + ' ' + std::to_string(s.nsPair) + ' ' +
                std::to_string(s.ewPair) + ' ' + playedText(s.played) + "\r\n";
    for (const PendingConflict& c : entries.conflicts) {
        const TableStore& s = c.wanted;
        text += "konflikt " + std::to_string(c.id) + ' ' + std::to_string(s.table) + ' ' +
                std::to_string(s.round) + ' ' + std::to_string(s.board) + ' ' + std::to_string(s.nsPair) +
                ' ' + std::to_string(s.ewPair) + ' ' + std::to_string(s.nsPartner) + ' ' +
                std::to_string(s.ewPartner) + ' ' + (s.newSlot ? "1" : "0") + ' ' + s.entryId + ' ' +
                std::to_string(c.existingScore) + ' ' + playedText(s.played);
        if (c.existingHasContract) text += ' ' + playedText(c.existing);
        text += "\r\n";
    }
    for (const auto& [id, d] : entries.decided)
        text += "beslut " + id + ' ' + std::to_string(d.table) + ' ' + std::to_string(d.board) +
                (d.accepted ? " godtaget\r\n" : " behallet\r\n");
    for (const TypedSeat& seat : entries.seats)
        text += "plats " + std::to_string(seat.table) + ' ' + std::to_string(seat.round) + ' ' +
                std::to_string(seat.ns) + ' ' + std::to_string(seat.ew) + ' ' +
                std::to_string(seat.nsPartner) + ' ' + std::to_string(seat.ewPartner) + "\r\n";
    return text;
}

std::string readTableEntries(TableEntries& entries, std::string_view text) {
    if (text.size() > kMaxSideFileBytes) return "Bordpostfilen \xe4r f\xf6r stor";
    const std::vector<std::string_view> lines = sideFileLines(text);
    if (lines.empty() || lines[0] != kHeader) return "Filen \xe4r ingen bordpostfil (version 1)";
    TableEntries read;
    std::set<int> ids;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::vector<std::string_view> words = lineWords(lines[i]);
        std::string fault;
        if (!words.empty() && words[0] == "post") {
            TableStore s;
            fault = readEntry(words, s);
            if (fault.empty() && read.stored.size() >= kMaxEntries) fault = "f\xf6r m\xe5nga poster";
            if (fault.empty() && !read.stored.emplace(s.entryId, s).second)
                fault = "samma id tv\xe5 g\xe5nger";
        } else if (!words.empty() && words[0] == "konflikt") {
            PendingConflict c;
            fault = readConflict(words, c);
            if (fault.empty() && read.conflicts.size() >= kMaxConflicts) fault = "f\xf6r m\xe5nga konflikter";
            if (fault.empty() && !ids.insert(c.id).second) fault = "samma nummer tv\xe5 g\xe5nger";
            if (fault.empty()) read.conflicts.push_back(c);
        } else if (!words.empty() && words[0] == "beslut") {
            std::string id;
            ConflictDecision d;
            fault = readDecision(words, id, d);
            if (fault.empty() && read.decided.size() >= kMaxEntries) fault = "f\xf6r m\xe5nga beslut";
            if (fault.empty() && !read.decided.emplace(id, d).second) fault = "samma id tv\xe5 g\xe5nger";
        } else if (!words.empty() && words[0] == "plats") {
            TypedSeat seat;
            fault = readSeat(words, seat);
            if (fault.empty() && read.seats.size() >= kMaxEntries) fault = "f\xf6r m\xe5nga platser";
            if (fault.empty()) read.seats.insert(seat);
        } else if (words.size() == 1 && words[0] == "publicerad") {
            read.published = true;
        } else {
            fault = "ok\xe4nd rad";
        }
        if (!fault.empty()) return sideFileFault(kFile, i + 1, fault);
    }
    read.nextConflict = ids.empty() ? 1 : *ids.rbegin() + 1;
    entries = std::move(read);
    return "";
}

}  // namespace vindelkast
