#include "files/contest_file.h"

#include <algorithm>
#include <sstream>
#include <vector>

#include "files/deal_codes.h"
#include "files/member_file.h"
#include "files/result_line.h"
#include "files/result_lines.h"
#include "files/seat_check.h"
#include "files/text_fields.h"
#include "model/board_results.h"
#include "model/bridge_tables.h"
#include "model/member_register.h"
#include "model/name_forms.h"
#include "model/result_order.h"

namespace vindelkast {

namespace {

constexpr const char* kLineEnd = "\r\n";

std::string headerLine(const Contest& c) {
    std::string line = std::string(kContestMagic) + " ";
    if (c.isBarometer) line += "%BAR ";
    if (c.isGronaHissen) line += "%GH" + std::to_string(c.ghVariant) + " ";
    if (c.isIndividual) line += "%IND ";
    return line;
}

std::string startListLine(const Contest& c, const Participant& p) {
    if (p.first && p.first == c.byeMember) return "fripar";
    if (c.isIndividual) return longNameOrDashes(p.first);
    return longNameOrDashes(p.first) + " / " + longNameOrDashes(p.second);
}

// Reads line by line; the reader never keeps a CR.
class LineReader {
public:
    explicit LineReader(std::istream& in) : m_in(in) {}
    bool next(std::string& line) {
        if (!std::getline(m_in, line)) return false;
        chompCr(line);
        return true;
    }

private:
    std::istream& m_in;
};

struct Reading {
    Contest& contest;
    std::string duplicateMessage;
    std::string damage;
    std::string missingNames;
    int linesLeftOut = 0;
    int damageNoted = 0;

    // The first few problems are named; a file damaged throughout would fill the screen.
    void noteDamage(const std::string& text) {
        if (damageNoted++ < 5) damage += text;
    }
    // A line that is not part of the contest read.
    void leaveOut(const std::string& text) {
        noteDamage(text);
        ++linesLeftOut;
    }
};

void readKindTokens(Contest& c, std::string header) {
    header.erase(0, header.find(kContestMagic) + 6);
    const auto take = [&header](const std::string& token) {
        const auto at = header.find(token);
        if (at == std::string::npos) return false;
        header.erase(at, token.size() + 1);
        return true;
    };
    if (take("%IND")) c.isIndividual = true;
    // %GH is followed by the meeting limit: 1, 2 or kManyMeetings ("många").
    const auto gh = header.find("%GH");
    if (gh != std::string::npos) {
        std::size_t end = gh + 3;
        while (end < header.size() && header[end] >= '0' && header[end] <= '9') ++end;
        const auto limit = parseInt(std::string_view(header).substr(gh + 3, end - gh - 3));
        if (limit && *limit >= 1) {
            c.isGronaHissen = true;
            c.isBarometer = true;
            c.ghVariant = *limit;
        }
        header.erase(gh, end - gh + 1);
    }
    if (take("%BAR")) c.isBarometer = true;
}

// One result line; false when the line is the terminator.
bool readResultLine(Reading& r, const std::vector<std::string_view>& words, const std::string& line) {
    Contest& c = r.contest;
    const auto first = parseInt(words[0]);
    if (first && *first < 0) {
        const int boards = words.size() > 1 ? parseInt(words[1]).value_or(0) : 0;
        const int rounds = words.size() > 2 ? parseInt(words[2]).value_or(0) : 0;
        c.boardCount = std::clamp(boards, 0, kMaxBoard);
        c.roundCount = std::max(rounds, 0);
        c.boardsPerRound = rounds > 0 ? c.boardCount / rounds : 1;
        // More rounds than boards would leave no board in a round.
        if (c.boardsPerRound < 1) c.boardsPerRound = 1;
        if (boards > kMaxBoard)
            r.noteDamage("Filen anger fler \xe4n 71 givar; givar efter 71 l\xe4stes inte. ");
        return false;
    }
    const ResultLine parsed = parseResultLine(words, line, c.isIndividual);
    if (!parsed.problem.empty()) {
        r.leaveOut(parsed.problem + " ");
        return true;
    }
    const int board = parsed.board, ns = parsed.ns, ew = parsed.ew, south = parsed.south, west = parsed.west;
    const int score = parsed.score;

    c.setUpDone = true;
    Board& b = c.boards[board];
    b.number = board;
    int refused = c.isIndividual ? playerSeatedTwice(b, ns, ew, south, west) : 0;
    if (refused == 0)
        refused = addResult(b, ns, ew, b.resultCount + 1, score, parsed.nsPoints, parsed.ewPoints, true);
    if (refused == kBoardFull) {
        r.leaveOut("Giv " + std::to_string(board) + " har fler \xe4n 72 resultat. ");
    } else if (refused > 0) {
        r.duplicateMessage = "Fel i infilen. Par " + std::to_string(refused) +
                             " f\xf6rekommer flera g\xe5nger, giv " + std::to_string(board);
        ++r.linesLeftOut;
    }
    // A line left out counts for nothing: its numbers would invent boards and a bye pair
    // that the next save writes as if the file had held them.
    if (refused != 0) return true;
    c.boardCount = std::max(c.boardCount, board);
    c.maxPairNumber = std::max({c.maxPairNumber, ns, ew, south, west});
    // Only the slot just added gets these partners, never another slot of that North.
    if (c.isIndividual) setSecondPlayers(b, ns, south, west);
    if (hasScore(score)) c.boardHasScores[board] = true;
    return true;
}

// "#" and the number of deals; a start-list name that happens to begin with "#" is not one.
bool isDealHeader(const std::string& line) {
    if (line.empty() || line.front() != '#') return false;
    const auto words = splitWords(std::string_view(line).substr(1));
    return words.size() == 1 && parseInt(words[0]).has_value();
}

bool isDealLine(const std::string& line) {
    return !line.empty() && std::all_of(line.begin(), line.end(), [](char ch) {
        return (ch >= '0' && ch <= '9') || ch == ' ' || ch == '\t';
    });
}

// Reads the deal lines after "#n"; returns whether `line` (read ahead) is still unused.
bool readDeals(Reading& r, LineReader& lines, std::string& line) {
    Contest& c = r.contest;
    const auto announced = parseInt(splitWords(std::string_view(line).substr(1)).front());
    const int count = std::clamp(announced.value_or(0), 0, kMaxBoard);
    if (!announced || *announced != count) r.noteDamage("Felaktig givrad: " + line + " ");
    int complete = count;
    bool haveLine = lines.next(line);
    for (int b = 1; b <= count; ++b) {
        if (!haveLine || !isDealLine(line)) {
            // Fewer deal lines than announced: the start list follows.
            complete = std::min(complete, b - 1);
            r.noteDamage("Givarna slutar efter giv " + std::to_string(b - 1) + ". ");
            c.dealCount = complete;
            return haveLine;
        }
        const bool ok = storeCodePairsDeal(c.boards[b], line);
        if (!ok && complete == count) {
            complete = b - 1;
            c.boards[b].clearDeal();
            r.noteDamage("Given p\xe5 bricka " + std::to_string(b) + " \xe4r ofullst\xe4ndig. ");
        }
        haveLine = lines.next(line);
    }
    c.dealCount = complete;
    return haveLine;
}

// The member a start-list name is, added to the register when it is not there. Nothing
// for "--" and for a name no person can have.
Member* resolveName(Reading& r, const std::string& text) {
    if (text == "--") return nullptr;
    if (!r.contest.memberRegister) {
        r.missingNames += text + " ";
        return nullptr;
    }
    MemberRegister& reg = *r.contest.memberRegister;
    if (Member* found = reg.findByLongName(text)) return found;
    r.missingNames += text + " ";
    // A name that a register line could not hold (it would read as a remark) stays out.
    if (isRegisterComment(text)) return nullptr;
    reg.append(parseMemberLine(text));
    return reg.findByLongName(text);
}

// Whether every name of a start-list line can be a person's and be written back as it stands.
bool namesReadBack(Reading& r, const std::vector<std::string>& names) {
    const MemberRegister* reg = r.contest.memberRegister;
    for (const std::string& name : names) {
        if (name == "--") continue;
        if (!pairSeparatorMessage(name).empty()) return false;
        // A name the register does not hold becomes a new member, who must have that name.
        const bool becomesMember = !isRegisterComment(name) && longName(parseMemberLine(name)) == name;
        if (reg && !reg->findByLongName(name) && !becomesMember) return false;
    }
    return true;
}

void resolveStartListLine(Reading& r, Participant& p, const std::string& line, int number) {
    std::vector<std::string> names;
    const auto slash = line.find(" / ");
    if (r.contest.isIndividual) {
        names = {line};
    } else if (slash == std::string::npos) {
        names = {trimRight(line)};
    } else {
        names = {line.substr(0, slash), trimRight(line.substr(slash + 3))};
    }
    // A name that cannot be read back would come out changed, or as "--", on the next save.
    if (!namesReadBack(r, names)) {
        r.leaveOut("Startlistans rad " + std::to_string(number) + " kan inte l\xe4sas: " + line + " ");
        return;
    }
    p.first = resolveName(r, names[0]);
    if (names.size() > 1) p.second = resolveName(r, names[1]);
}

void readStartListLine(Reading& r, int number, const std::string& line) {
    Contest& c = r.contest;
    Participant& p = c.participants[number];
    if (line != "fripar") resolveStartListLine(r, p, line, number);
    // A name that finds the bye person ("fripar / --") makes the bye pair as the plain
    // "fripar" line does; the writer writes it as that line.
    if (line == "fripar" || (c.byeMember && p.first == c.byeMember)) {
        c.byePair = number;
        p.first = p.second = c.byeMember;
    }
}

void deriveCounts(Contest& c) {
    c.tableCount = tableCountOf(c);
    c.playingTableCount = c.tableCount;
    if (c.boardsPerRound > 0) c.roundCount = c.boardCount / c.boardsPerRound;
}

}  // namespace

int leadingCompleteDeals(const Contest& c) {
    const int count = std::clamp(c.dealCount, 0, kMaxBoard);
    for (int b = 1; b <= count; ++b)
        if (!c.boards[b].dealComplete()) return b - 1;
    return count;
}

void writeContestAsIs(const Contest& c, std::ostream& out, const std::string& version, int arrangedOrder,
                      ResultLinesCache* kept) {
    out << headerLine(c) << kLineEnd;
    out << c.contestName << kLineEnd << c.contestDate << kLineEnd << c.arranger << kLineEnd << version
        << kLineEnd;
    const int boards = c.lastBoard();
    std::string lines;
    for (int b = 1; b <= boards; ++b) {
        if (kept && arrangedOrder == 0) {
            out << kept->boardLines(c, b);
            continue;
        }
        lines.clear();
        appendBoardResultLines(lines, c, b, arrangedOrder);
        out << lines;
    }
    out << "-1 " << c.boardCount << " " << c.roundCount << kLineEnd;
    const int deals = leadingCompleteDeals(c);
    if (c.boards[1].hasDeal()) {
        out << "#" << deals << kLineEnd;
        for (int b = 1; b <= deals; ++b) out << codePairsText(c.boards[b]) << kLineEnd;
    }
    const int participants = std::clamp(c.participantCount, 0, kMaxPair);
    for (int p = 1; p <= participants; ++p) out << startListLine(c, c.participants[p]) << kLineEnd;
}

void writeContest(Contest& c, std::ostream& out, const std::string& version, ResultLinesCache* kept) {
    c.writerVersion = version;
    writeContestAsIs(c, out, version, 0, kept);
    c.dealCount = leadingCompleteDeals(c);
    // The results went out in table order; the contest is sorted there and back so that equal
    // results lie exchanged as that sort leaves them, as the views have always shown them.
    setResultOrder(c, setResultOrder(c, TableOrder));
}

std::string contestFileText(Contest& contest, const std::string& version, ResultLinesCache* kept) {
    std::ostringstream out;
    writeContest(contest, out, version, kept);
    return out.str();
}

ContestReadResult readContestFile(Contest& c, std::istream& in) {
    // A file that is no contest file leaves the contest alone: names typed before opening
    // it must not be lost to a wrong choice in the dialog.
    if (!in) return {ContestReadResult::Kind::NotOpen, "FILE NOT OPEN"};
    LineReader lines(in);
    std::string line;
    if (!lines.next(line) || line.find(kContestMagic) == std::string::npos)
        return {ContestReadResult::Kind::NotContest, kContestMagic};
    for (Participant& p : c.participants) p = Participant{};
    c.participantCount = 0;
    c.maxPairNumber = 0;
    for (int b = 0; b < kBoardSlots; ++b) c.boards[b].resultCount = 0;
    readKindTokens(c, line);
    std::string* texts[] = {&c.contestName, &c.contestDate, &c.arranger};
    for (std::string* text : texts) {
        if (!lines.next(line)) line.clear();
        *text = line;
    }
    lines.next(line);  // the version of the program that wrote the file

    Reading r{c, "", "", ""};
    c.setUpDone = false;
    // The rules the file has no room for are the defaults until their side file is read.
    c.scoringRule = ScoringRule{};
    bool haveLine = false;
    bool terminated = false;
    while (lines.next(line)) {
        const auto words = splitWords(line);
        if (words.empty()) continue;
        // A "#" line (the deals) or a name (the start list) before the terminator.
        if (!parseInt(words[0])) {
            haveLine = true;
            break;
        }
        if (!readResultLine(r, words, line)) {
            terminated = true;
            break;
        }
    }
    if (!terminated) {
        r.noteDamage("Slutraden efter resultaten saknas. ");
        // Without the terminator the rounds are unknown: every board is a round of its own
        // rather than a count left over from an earlier contest.
        c.boardsPerRound = 1;
    }
    const int boards = c.lastBoard();
    for (int b = 1; b <= boards; ++b) sortResults(c.boards[b]);
    if (c.maxPairNumber % 2 == 1) {
        ++c.maxPairNumber;
        c.byePair = c.maxPairNumber;
    }
    if (c.boardsPerRound > 0) c.roundCount = c.boardCount / c.boardsPerRound;

    if (!haveLine) haveLine = lines.next(line);
    if (haveLine && isDealHeader(line)) haveLine = readDeals(r, lines, line);

    int number = 0;
    for (; haveLine; haveLine = lines.next(line)) {
        if (line.empty()) continue;
        if (number == kMaxPair) {
            r.noteDamage("Startlistan har fler \xe4n 72 rader; resten l\xe4stes inte. ");
            for (; haveLine; haveLine = lines.next(line)) r.linesLeftOut += line.empty() ? 0 : 1;
            break;
        }
        readStartListLine(r, ++number, line);
    }
    c.participantCount = number;
    c.maxPairNumber = std::max(c.maxPairNumber, c.participantCount);
    // The bye pair named by the start list plays no board: its slots are never written.
    if (c.byePair > 0)
        for (int b = 1; b <= c.lastBoard(); ++b) sortResults(c.boards[b]);
    deriveCounts(c);

    using Kind = ContestReadResult::Kind;
    if (!r.duplicateMessage.empty()) return {Kind::Duplicate, r.duplicateMessage, r.linesLeftOut};
    if (!r.damage.empty()) return {Kind::Damaged, r.damage + r.missingNames, r.linesLeftOut};
    if (!r.missingNames.empty()) return {Kind::MissingNames, r.missingNames};
    return {};
}

std::string leftOutNote(const ContestReadResult& read) {
    if (!read.partLeftOut()) return "";
    std::string note;
    if (read.linesLeftOut == 1) note = "1 rad l\xe4stes inte. ";
    if (read.linesLeftOut > 1) note = std::to_string(read.linesLeftOut) + " rader l\xe4stes inte. ";
    return note + "Det som inte kunde l\xe4sas kommer inte med om t\xe4vlingen sparas.";
}

std::string readContest(Contest& contest, std::istream& in) { return readContestFile(contest, in).message; }

}  // namespace vindelkast
