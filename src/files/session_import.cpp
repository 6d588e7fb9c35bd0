#include "files/session_import.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <map>
#include <set>
#include <string_view>

#include "files/contest_file.h"
#include "files/deal_encodings.h"
#include "files/file_platform.h"
#include "files/foreign_text.h"
#include "files/imported_names.h"
#include "files/imported_sections.h"
#include "files/imported_teams.h"
#include "files/pbn_results.h"
#include "files/session_rounds.h"
#include "files/text_encoding.h"
#include "files/usebio_reader.h"
#include "model/board_results.h"
#include "model/contest_scoring.h"
#include "model/member_register.h"
#include "model/scoring_form.h"

namespace vindelkast {

namespace {

// Larger files are no club session; reading them whole would only cost memory.
constexpr std::size_t kMaxImportBytes = 16 * 1024 * 1024;

std::string number(int n) { return std::to_string(n); }

std::string fault(int line, const std::string& text) { return noteText({line, text}); }

// The rules of the contest's arrays and of a board: refused with the first line that breaks one.
std::string ruleBroken(const ImportedSession& s) {
    if (s.results.empty()) return "Filen har inga resultat att importera";
    std::map<int, int> pairLines;
    for (const ImportedPair& p : s.pairs) {
        if (!Contest::validPair(p.number)) return fault(p.line, "par " + number(p.number) + " ska vara 1-72");
        const auto [at, added] = pairLines.emplace(p.number, p.line);
        if (!added)
            return fault(p.line, "par " + number(p.number) +
                                     " finns tv\xe5 g\xe5nger bland deltagarna (ocks\xe5 rad " +
                                     number(at->second) + ")");
    }
    std::map<std::pair<int, int>, int> seated;  // board and pair → line
    for (const ImportedResult& r : s.results) {
        if (!Contest::validBoard(r.board)) return fault(r.line, "giv " + number(r.board) + " ska vara 1-71");
        if (!Contest::validPair(r.nsPair) || !Contest::validPair(r.ewPair))
            return fault(r.line, "paren " + number(r.nsPair) + " och " + number(r.ewPair) + " ska vara 1-72");
        if (r.nsPair == r.ewPair)
            return fault(
                r.line, "par " + number(r.nsPair) + " spelar mot sig sj\xe4lvt p\xe5 giv " + number(r.board));
        if (r.round < 0 || r.round > kMaxBoard) return fault(r.line, "ronden ska vara 1-71");
        for (int pair : {r.nsPair, r.ewPair}) {
            const auto [at, added] = seated.emplace(std::make_pair(r.board, pair), r.line);
            if (!added)
                return fault(r.line, "par " + number(pair) + " spelar giv " + number(r.board) +
                                         " tv\xe5 g\xe5nger (ocks\xe5 rad " + number(at->second) + ")");
        }
    }
    return "";
}

// A name made of words such as "Phantom", "Fantompar", "Sit out" or "Bye" (whole words, so
// that Byers stays a person).
bool isPhantomName(const std::string& name) {
    const std::string lower = " " + toLowerCp1252(tidyText(name)) + " ";
    if (lower.find(" sit out ") != std::string::npos) return true;
    for (const char* word : {" phantom", " fantom", " sitout ", " sit-out ", " bye ", " fripar ", " ghost "})
        if (lower.find(word) != std::string::npos) return true;
    return false;
}

// The file's phantom pair (so named: other programs seat one where a pair sits out) is our
// bye pair. Further ones stay pairs of their own, as the contest has one bye pair.
int phantomPair(const ImportedSession& s, std::vector<ImportNote>& notes) {
    int phantom = 0;
    for (const ImportedPair& p : s.pairs) {
        if (!isPhantomName(p.players[0].name) && !isPhantomName(p.players[1].name)) continue;
        if (phantom == 0) {
            phantom = p.number;
            notes.push_back({p.line, "par " + number(p.number) + " \xe4r ett fantompar och blir fripar"});
        } else {
            notes.push_back({p.line, "par " + number(p.number) +
                                         " \xe4r ocks\xe5 ett fantompar men bara ett kan vara "
                                         "fripar; det r\xe4knas som ett vanligt par"});
        }
    }
    return phantom;
}

// The lowest pair number up to `maxPair` that no result uses, or 0.
int unusedPair(const ImportedSession& s, int maxPair) {
    std::set<int> used;
    for (const ImportedResult& r : s.results) used.insert({r.nsPair, r.ewPair});
    if (used.empty()) return 0;
    for (int n = 1; n <= maxPair; ++n)
        if (!used.count(n)) return n;
    return 0;
}

int encodedScore(const ImportedResult& r, std::vector<ImportNote>& notes) {
    const std::string where = "giv " + number(r.board) + " par " + number(r.nsPair) + "-" + number(r.ewPair);
    switch (r.score.kind) {
    case ImportedScore::Kind::Bridge:
        if (r.hasContract && nsScore(r.played, r.board) != r.score.nsScore)
            notes.push_back({r.line, where + ": po\xe4ngen " + number(r.score.nsScore) +
                                         " st\xe4mmer inte med " + contractText(r.played.contract) + " " +
                                         declarerText(r.played.declarer) + " " + number(r.played.tricks) +
                                         " stick (" + number(nsScore(r.played, r.board)) +
                                         "); filens po\xe4ng g\xe4ller"});
        return r.score.nsScore;
    case ImportedScore::Kind::Adjusted: {
        const auto usable = [](int p) { return p == 40 || p == 50 || p == 60; };
        if (usable(r.score.nsPercent) && usable(r.score.ewPercent))
            return kAdjustedBase + r.score.nsPercent + r.score.ewPercent / 10;
        notes.push_back(
            {r.line, where + ": justerat resultat NS " + number(r.score.nsPercent) + " %, \xd6V " +
                         number(r.score.ewPercent) +
                         " % kan inte lagras (programmet har 40, 50 och 60 %); resultatet blir tomt"});
        return kNoScore;
    }
    case ImportedScore::Kind::None:
        if (r.hasContract) return nsScore(r.played, r.board);
        notes.push_back({r.line, where + ": inget resultat"});
        return kNoScore;
    }
    return kNoScore;
}

void layDeals(Contest& c, const ImportedSession& s, std::vector<ImportNote>& notes) {
    for (const ImportedDeal& d : s.deals) {
        if (d.board < 1 || d.board > c.boardCount) {
            notes.push_back(
                {d.line, "given p\xe5 bricka " + number(d.board) + " h\xf6r inte till t\xe4vlingen"});
            continue;
        }
        if (!storeDeal(c.boards[d.board], d.pbn, DealEncoding::Pbn)) {
            c.boards[d.board].clearDeal();
            notes.push_back({d.line, "given p\xe5 bricka " + number(d.board) + " \xe4r ofullst\xe4ndig"});
        }
    }
    c.dealCount = c.boardCount;
    c.dealCount = leadingCompleteDeals(c);
    for (const ImportedDeal& d : s.deals)
        if (d.board > c.dealCount + 1 && d.board <= c.boardCount && c.boards[d.board].hasDeal()) {
            notes.push_back({d.line, "givarna sparas bara till och med bricka " + number(c.dealCount) +
                                         ", eftersom bricka " + number(c.dealCount + 1) + " saknar giv"});
            break;
        }
}

void layNames(Contest& c, const ImportedSession& s, SessionImport& out) {
    std::map<int, const ImportedPair*> byNumber;
    for (const ImportedPair& p : s.pairs) byNumber[p.number] = &p;
    MemberRegister& reg = *c.memberRegister;
    for (int n = 1; n <= c.maxPairNumber; ++n) {
        Participant& p = c.participants[n];
        if (n == c.byePair) {
            p.first = p.second = c.byeMember;
            continue;
        }
        const auto found = byNumber.find(n);
        if (found == byNumber.end()) continue;
        for (int i = 0; i < 2; ++i) {
            const int before = reg.memberCount();
            Member* member =
                registerMemberFor(reg, found->second->players[i], found->second->line, out.notes);
            if (reg.memberCount() > before) out.newNames += longName(*member) + " ";
            (i == 0 ? p.first : p.second) = member;
        }
    }
    c.participantCount = c.maxPairNumber;
}

// Boards on which the file's matchpoints are not ours (a tenth apart is the same).
std::vector<int> boardsDiffering(const Contest& c, const ImportedSession& s) {
    std::set<int> boards;
    for (const ImportedResult& r : s.results) {
        if (r.publishedNs == kNoPoints || r.publishedEw == kNoPoints) continue;
        const BoardResult* slot = findResult(c.boards[r.board], r.nsPair, r.ewPair);
        if (!slot) continue;
        if (std::fabs(slot->nsPoints - r.publishedNs) > 0.051f ||
            std::fabs(slot->ewPoints - r.publishedEw) > 0.051f)
            boards.insert(r.board);
    }
    return {boards.begin(), boards.end()};
}

}  // namespace

SessionImport laySession(Contest& c, const ImportedSession& s) {
    SessionImport out;
    out.refusal = ruleBroken(s);
    if (!out.refusal.empty() || !c.memberRegister) return out;
    out.notes = s.notes;
    std::vector<ImportNote> phantomNotes;
    int phantom = phantomPair(s, phantomNotes);
    // A phantom no result names is only a label in the file: its number is no pair's, and the
    // numbering is settled by the real pairs alone (its hole, or the one above, is the bye).
    const bool phantomPlays = std::any_of(
        s.results.begin(), s.results.end(),
        [phantom](const ImportedResult& r) { return r.nsPair == phantom || r.ewPair == phantom; });
    if (phantom != 0 && !phantomPlays)
        for (ImportNote& note : phantomNotes)
            note.text = note.text.substr(0, note.text.find(" \xe4r ")) +
                        " \xe4r ett fantompar som inget resultat n\xe4mner";
    if (!phantomPlays) phantom = 0;
    out.notes.insert(out.notes.end(), phantomNotes.begin(), phantomNotes.end());
    int highest = 0, boards = 0;
    for (const ImportedPair& p : s.pairs)
        if (phantomPlays || (!isPhantomName(p.players[0].name) && !isPhantomName(p.players[1].name)))
            highest = std::max(highest, p.number);
    for (const ImportedResult& r : s.results) {
        highest = std::max({highest, r.nsPair, r.ewPair});
        boards = std::max(boards, r.board);
    }
    if (s.boardCount > boards && s.boardCount <= kMaxBoard) boards = s.boardCount;
    const SessionRounds rounds = sessionRounds(s.results, boards);
    out.notes.insert(out.notes.end(), rounds.notes.begin(), rounds.notes.end());

    // A pair outside the sections, or in two, is refused before anything is laid.
    const int pairCount = highest % 2 == 1 ? highest + 1 : highest;
    std::set<int> inUse;
    for (const ImportedPair& p : s.pairs)
        if (phantomPlays || (!isPhantomName(p.players[0].name) && !isPhantomName(p.players[1].name)))
            inUse.insert(p.number);
    for (const ImportedResult& r : s.results) inUse.insert({r.nsPair, r.ewPair});
    inUse.erase(phantom);
    const ImportedSections fileSections = importedSections(s, inUse, pairCount, out.notes);
    if (!fileSections.refusal.empty()) return {fileSections.refusal, {}, {}, {}, {}};

    c.contestName = tidyText(s.title);
    c.contestDate = tidyText(s.date);
    c.arranger = tidyText(s.club);
    c.byePair = phantom;
    // An odd number of pairs sits one out, as a contest file with them reads back.
    c.maxPairNumber = pairCount;
    if (c.byePair == 0 && highest % 2 == 1) c.byePair = c.maxPairNumber;
    // A number between the others that no result uses is nobody's: 13 pairs numbered 1-14
    // without 7 have 7 as their bye pair, not a pair that played nothing and stands last.
    if (c.byePair == 0) c.byePair = unusedPair(s, c.maxPairNumber);
    c.boardCount = boards;
    c.boardsPerRound = rounds.boardsPerRound;
    c.roundCount = boards / rounds.boardsPerRound;
    // A Mitchell of eight tables with eight board groups plays seven rounds. The contest keeps a
    // round for every board group, as its file reads back (boards per round give the rounds);
    // the report tells the rounds played where they are as many boards each.
    const int played =
        rounds.roundOf.empty() ? 0 : *std::max_element(rounds.roundOf.begin(), rounds.roundOf.end());
    if (played > 0 && played < c.roundCount && boards / played == rounds.boardsPerRound)
        out.roundsPlayed = played;
    c.setUpDone = true;

    std::set<int> named;
    for (const ImportedPair& p : s.pairs) named.insert(p.number);
    if (s.pairs.empty()) named.insert(0);  // a file without participants: no pair is missing
    for (std::size_t i = 0; i < s.results.size(); ++i) {
        const ImportedResult& r = s.results[i];
        for (int pair : {r.nsPair, r.ewPair})
            if (!named.count(0) && named.insert(pair).second && pair != c.byePair)
                out.notes.push_back(
                    {r.line, "par " + number(pair) + " finns inte bland deltagarna och f\xe5r inga namn"});
        if (r.nsPair == c.byePair || r.ewPair == c.byePair) {
            out.notes.push_back(
                {r.line, "giv " + number(r.board) + " mot fantomparet r\xe4knas som \xf6verseende"});
            continue;
        }
        const int score = encodedScore(r, out.notes);
        Board& board = c.boards[r.board];
        board.number = r.board;
        addResult(board, r.nsPair, r.ewPair, rounds.roundOf[i], score, 0.0f, 0.0f, true);
        if (score != kNoScore) c.boardHasScores[r.board] = true;
        if (r.hasContract) c.contracts[{r.board, r.nsPair, r.ewPair}] = r.played;
        out.rounds.push_back({r.board, r.nsPair, r.ewPair, rounds.roundOf[i]});
    }
    // Counted as one field, as the contest file reads back before its sections side file.
    c.tableCount = tableCountOf(c);
    c.sections = fileSections.sections;
    c.playingTableCount = c.tableCount;
    if (s.teams.any()) layTeamEvent(c, s.teams);
    layNames(c, s, out);
    layDeals(c, s, out.notes);
    // The file says how its boards were scored; how adjusted results are levelled stays ours.
    c.scoringRule.method = s.rule.method;
    c.scoringRule.pairMatchesInVp = s.rule.pairMatchesInVp;
    out.pointsName = scoringForm(c).pointsName();
    rescoreBoards(c);
    out.differingBoards = boardsDiffering(c, s);
    // The file does not say how its sections were matchpointed, nor by which rule a board
    // played fewer times was raised: the first way that gives its figures on the most boards.
    if (c.sections.any() && !out.differingBoards.empty()) {
        const ScoringRule asked = c.scoringRule;
        std::size_t fewest = out.differingBoards.size();
        Sections sections = c.sections;
        ScoringRule rule = asked;
        for (const bool across : {true, false})
            for (const bool neuberg : {asked.neuberg, !asked.neuberg}) {
                c.sections.acrossField = across;
                c.scoringRule.neuberg = neuberg;
                rescoreBoards(c);
                std::vector<int> differing = boardsDiffering(c, s);
                if (differing.size() < fewest) {
                    fewest = differing.size();
                    out.differingBoards = std::move(differing);
                    sections = c.sections;
                    rule = c.scoringRule;
                }
            }
        c.sections = sections;
        c.scoringRule = rule;
        rescoreBoards(c);
    }
    std::stable_sort(out.notes.begin(), out.notes.end(),
                     [](const ImportNote& a, const ImportNote& b) { return a.line < b.line; });
    return out;
}

SessionImport importSession(Contest& contest, std::string_view bytes) {
    const auto start = bytes.find_first_not_of(std::string(" \t\r\n") + kUtf8ByteOrderMark);
    const bool xml = start != std::string_view::npos && bytes[start] == '<';
    const SessionReading reading = xml ? readUsebio(bytes) : readPbnResults(bytes);
    if (!reading.refusal.empty()) return {reading.refusal, {}, {}, {}, {}};
    return laySession(contest, reading.session);
}

SessionImport importSessionFile(Contest& contest, const std::string& path) {
    std::ifstream in(filePath(path), std::ios::binary);
    if (!in) return {"Kan inte l\xe4sa filen", {}, {}, {}, {}};
    std::string bytes(kMaxImportBytes + 1, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    if (bytes.size() > kMaxImportBytes)
        return {"Filen \xe4r f\xf6r stor f\xf6r en klubbt\xe4vling (h\xf6gst 16 MB)", {}, {}, {}, {}};
    return importSession(contest, bytes);
}

std::vector<std::string> importReport(const SessionImport& outcome) {
    std::vector<std::string> lines;
    for (const ImportNote& note : outcome.notes) lines.push_back(noteText(note));
    if (!outcome.differingBoards.empty()) {
        std::string boards;
        for (int b : outcome.differingBoards) boards += (boards.empty() ? "" : ", ") + number(b);
        lines.push_back(
            std::string(outcome.pointsName) + " skiljer sig fr\xe5n filens p\xe5 giv " + boards +
            " (filen r\xe4knar dem p\xe5 annat s\xe4tt, t.ex. justerade eller f\xe4rre spelade resultat); "
            "programmets po\xe4ng g\xe4ller");
    }
    return lines;
}

}  // namespace vindelkast
