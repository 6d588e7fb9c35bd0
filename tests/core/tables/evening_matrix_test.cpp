// Whole evenings from the set-up to the exports, in combinations that pair every value of each way
// a club plays with every value of every other, each killed halfway and recovered. The command line
// sets the evening up and takes the director's few typed results; the bulk goes through the same core
// calls in this process. Every figure is held against the test's own scorer (support/evening_scorer.h).
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <tuple>

#include "../files/cli_fixture.h"
#include "model/live_standings.h"
#include "model/typed_score.h"
#include "output/usebio_export.h"
#include "output/xml_export.h"
#include "support/evening_scorer.h"
#include "support/printed_figures.h"
#include "support/test_text.h"
#include "table_phones.h"

namespace vindelkast {
namespace {

using std::to_string;
constexpr auto npos = std::string::npos;
using test::CliRun;
using test::Outcome;
using test::Scoring;

enum class Moves { BuiltIn, Card, Howell, Mitchell };  // Howell, Mitchell: a card made by `guide`
enum class Entry { Typed, Phones, Both };

struct Combination {
    int sections;
    bool odd;  // seven pairs a section, one of its eight numbers sitting out, instead of eight
    Moves movement;
    Scoring scoring;
    Entry entry;
    bool acrossField;
    bool adjusted;                // the director gives one result an adjusted score
    bool unplayed;                // a table turns out not to have played a board: its score is taken away
    const char* refused;          // what `enter` must refuse as a score
    bool besideUnplayed = false;  // the adjusted score on the very board a table did not play
};

// Every value of each column meets every value of every other column in the first fifteen rows
// (the field's only where there are sections).
constexpr Combination kEvenings[] = {
    {2, true, Moves::BuiltIn, Scoring::Linear, Entry::Phones, true, false, false, "62-"},
    {3, false, Moves::BuiltIn, Scoring::Linear, Entry::Typed, false, false, false, "'"},
    {3, true, Moves::Card, Scoring::Neuberg, Entry::Typed, false, true, true, "42O"},
    {2, true, Moves::Mitchell, Scoring::Linear, Entry::Both, false, true, true, "abc"},
    {3, true, Moves::Howell, Scoring::Neuberg, Entry::Both, true, false, true, "1e3"},
    {2, false, Moves::Card, Scoring::Linear, Entry::Phones, true, true, true, "420-"},
    {1, false, Moves::Card, Scoring::Butler, Entry::Both, true, true, false, "-"},
    {1, true, Moves::BuiltIn, Scoring::CrossImps, Entry::Typed, true, true, true, "1234567890"},
    {3, false, Moves::Mitchell, Scoring::CrossImps, Entry::Phones, false, false, false, "p"},
    {2, true, Moves::Mitchell, Scoring::Butler, Entry::Typed, true, false, true, "1234"},
    {1, false, Moves::BuiltIn, Scoring::Neuberg, Entry::Phones, true, false, true, "10000"},
    {2, false, Moves::Card, Scoring::CrossImps, Entry::Both, true, false, true, "-9999"},
    {3, false, Moves::BuiltIn, Scoring::Butler, Entry::Phones, false, false, false, "%x"},
    {1, true, Moves::Howell, Scoring::Linear, Entry::Both, false, false, true, "4 2"},
    {2, false, Moves::BuiltIn, Scoring::Neuberg, Entry::Both, false, true, true, "+"},
    {2, false, Moves::Card, Scoring::Linear, Entry::Phones, true, true, true, "420-", true},
    {1, false, Moves::BuiltIn, Scoring::Linear, Entry::Typed, true, true, true, "62-", true},
};

const char* const kScorings[] = {"mp", "mp", "cross-imps", "butler"};
// Adjusted scores as the director types them and as they are shown, each side's percentage.
constexpr std::tuple<const char*, const char*, int, int> kMarks[] = {
    {"%+-", "%+-", 60, 40}, {"M-", "%--", 40, 40}, {"%=+", "%=+", 50, 60}};

struct Slot {
    int board, ns, ew, round, table;
    std::array<int, 3> key() const { return {board, ns, ew}; }
    const Outcome& planned() const { return test::kOutcomes[(board * 7 + ns * 3 + ew * 5) % 9]; }
};
// Another result with another score, whatever the vulnerability.
const Outcome& other(const Outcome& o) { return test::kOutcomes[(&o - test::kOutcomes.data() + 4) % 9]; }

class EveningMatrix : public test::Cli, public ::testing::WithParamInterface<Combination> {
protected:
    const Combination& k = GetParam();
    std::unique_ptr<test::HeldEvening> held;
    std::string summary, sitOuts;
    std::vector<Slot> slots;  // by round, table and board
    test::TableResults results;
    std::vector<std::vector<int>> sectionPairs;
    test::EveningFigures want;
    std::int64_t now = 1'000'000;

    Contest& contest() { return held->contest(); }
    bool imps() const { return k.scoring == Scoring::CrossImps || k.scoring == Scoring::Butler; }
    // Each section numbers eight pairs: "B3" is pair 11, as the director reads it.
    std::string label(int pair) const {
        if (k.sections == 1) return to_string(pair);
        return static_cast<char>('A' + (pair - 1) / 8) + to_string((pair - 1) % 8 + 1);
    }
    std::string seat(const Slot& s) { return to_string(s.board) + " " + label(s.ns) + " " + label(s.ew); }
    CliRun enter(const std::string& what, const std::string& typed) {
        return run("enter kv.sco kv.sco " + what + " " + test::quoted(test::u(typed)));
    }
    const Slot& firstOfRound(int round) const {
        return *std::find_if(slots.begin(), slots.end(), [round](const Slot& s) { return s.round == round; });
    }

    void layByCommandLine() {
        const std::string pairs = k.odd ? "7" : "8", card = VK_SOURCE_DIR "/examples/P8_mitchell.gui";
        const std::string moves[] = {" --boards 21 --rounds 7", " --guide " + test::quoted(card),
                                     " --guide k.gui"};
        const char* made[] = {"", "", "howell --boards-per-round 3", "mitchell --boards-per-round 6"};
        const int m = static_cast<int>(k.movement);
        ASSERT_EQ(
            *made[m] ? run(std::string("guide ") + made[m] + " --pairs " + pairs + " k.gui").exitCode : 0, 0);
        std::string args = "movement --pairs " + pairs + " --date 2024-05-21 --scoring " +
                           kScorings[int(k.scoring)] + moves[std::min(m, 2)];
        const std::string field = k.acrossField ? " --across" : " --per-section";
        if (k.sections > 1)
            args += " --sections " + pairs + ("," + pairs) + (k.sections > 2 ? "," + pairs : "") + field;
        const CliRun laid = run(args + " kv.sco");
        ASSERT_EQ(laid.exitCode, 0) << laid.err;
        summary = laid.out;
        ASSERT_EQ(k.scoring == Scoring::Neuberg ? run("rescore kv.sco kv.sco --neuberg").exitCode : 0, 0);
    }

    void open(const std::string& name) {
        held = std::make_unique<test::HeldEvening>();
        ASSERT_EQ(held->open(folder.file(name)), "");
    }

    // The tables of every round, and who sits out: in an odd section the one of its eight
    // numbers that holds no slot on any board.
    void findSeats() {
        int laid = 0;
        for (int b = 1; b <= contest().boardCount; ++b) laid += contest().boards[b].resultCount;
        std::set<int> seated;
        for (int r = 1; r <= lastTableRound(contest(), false); ++r)
            for (const TableSeat& seat : roundTables(contest(), r, false))
                for (int b : seat.boards) {
                    const Slot& s = slots.emplace_back(Slot{b, seat.nsPair, seat.ewPair, r, seat.table});
                    seated.insert({s.ns, s.ew});
                    results[s.key()] = {b, s.ns, s.ew, true, scoreOf(s.planned(), b)};
                }
        EXPECT_EQ(static_cast<int>(slots.size()), laid) << "every slot is some table's";
        EXPECT_EQ(results.size(), slots.size()) << "no two tables share a slot";
        for (int s = 0; s < k.sections; ++s) {
            sectionPairs.emplace_back();
            for (int pair = 8 * s + 1; pair <= 8 * s + 8; ++pair) {
                if (seated.count(pair)) sectionPairs.back().push_back(pair);
                if (!seated.count(pair)) sitOuts += (sitOuts.empty() ? "" : ", ") + label(pair);
            }
            EXPECT_EQ(sectionPairs.back().size(), k.odd ? 7u : 8u) << "section " << s;
        }
        EXPECT_EQ(sitOutText(contest()), sitOuts);
        EXPECT_EQ(summary.find("fripar " + sitOuts) != npos, k.odd) << summary;
    }

    // Two results typed by the command line, then what the grid would not store: refused, and
    // the file left as it was.
    void typeByCommandLine() {
        for (const Slot* s : {&firstOfRound(1), std::prev(&firstOfRound(2))}) {
            const int score = results[s->key()].nsScore;
            const CliRun typed = enter(seat(*s), test::typedForm(score, s->board, false));
            EXPECT_EQ(typed.out, "Giv " + to_string(s->board) + " " + label(s->ns) + "-" + label(s->ew) +
                                     ": " + to_string(score) + "\n");
        }
        const std::string before = folder.read("kv.sco");
        const Slot& first = slots.front();
        const std::string sitOut = sitOuts.substr(0, sitOuts.find(','));
        // A number the evening does not have, typed on a Swedish keyboard: the terminal's
        // UTF-8 is the contest's text in the message.
        const std::string stranger = k.odd ? sitOut
                                           : "\xd6"
                                             "1";
        const std::string grown = k.refused == std::string("1234") ? "0" : "";  // 1234 is read as 12340
        const std::pair<CliRun, std::string> refusals[] = {
            {enter(seat(first), k.refused), "Ogiltigt resultat: " + std::string(k.refused) + grown},
            {enter(to_string(first.board) + " " + label(first.ns) + " " + test::u(stranger), "42"),
             k.odd ? label(first.ns) + "-" + sitOut + " spelar inte giv " + to_string(first.board) +
                         " mot varandra"
                   : "Inget par heter " + stranger}};
        for (const auto& [told, message] : refusals) {
            EXPECT_EQ(told.exitCode, 1) << told.out;
            EXPECT_EQ(told.err, test::u(message) + "\n");
        }
        EXPECT_EQ(folder.read("kv.sco"), before);
    }

    void type(const Slot& s, int score, bool whole) {
        EntryRow row;
        row.ns = s.ns;
        row.ew = s.ew;
        ASSERT_TRUE(storeTypedScore(contest(), s.board, row, test::typedForm(score, s.board, whole)).written);
    }
    TableOutcome send(const Slot& s, const Outcome& o, const std::string& entry) {
        const TableDecision d =
            held->submit(s.table, s.board, o.contract, o.declarer, o.tricks, entry, now += 1000);
        EXPECT_NE(d.outcome, TableOutcome::Invalid) << d.body;
        return d.outcome;
    }

    // Rounds first..last as the evening's entry has them: with both, the odd rounds typed and
    // the even ones from the phones.
    void play(int first, int last) {
        for (const Slot& s : slots) {
            if (s.round < first || s.round > last) continue;
            const std::string entry = "post" + to_string(&s - slots.data());
            if (k.entry == Entry::Both && &s == &firstOfRound(2)) {
                // The director has typed another score before the table's phone sends its own, and
                // the phone sends another result for its board of round 1 than the one typed.
                type(s, scoreOf(other(s.planned()), s.board), true);
                EXPECT_EQ(send(s, s.planned(), entry), TableOutcome::Conflict);
                const Slot& before = *std::find_if(slots.begin(), slots.end(),
                                                   [&](const Slot& x) { return x.table == s.table; });
                EXPECT_EQ(send(before, other(before.planned()), entry + "igen"), TableOutcome::Conflict);
            } else if (k.entry == Entry::Phones || (k.entry == Entry::Both && s.round % 2 == 0)) {
                EXPECT_EQ(send(s, s.planned(), entry), TableOutcome::Store) << entry;
            } else {
                type(s, scoreOf(s.planned(), s.board), (&s - slots.data()) % 3 == 0);
            }
        }
        // The phones' ranking goes on round by round, every pair within its tops.
        const LiveStandings live = liveStandings(contest());
        EXPECT_EQ(live.roundsDone, last);
        for (int pair : live.order) EXPECT_TRUE(imps() || live.pairs[pair].percent <= 100) << label(pair);
    }

    // The program is killed: nothing of the evening is left but its recovery text, which brings
    // back the same contest and side files to the byte, the clashes still held.
    void killAndRecover() {
        const std::string text = held->recoveryText();
        held = std::make_unique<test::HeldEvening>();
        ASSERT_EQ(held->recover(text), "");
        EXPECT_EQ(held->recoveryText(), text);
        ASSERT_EQ(held->tables.has_value(), k.entry != Entry::Typed);
        if (k.entry != Entry::Both) return;
        // The director takes the phone's result where the typed one was wrong, and keeps the
        // typed one where the phone's was.
        const std::vector<PendingConflict> clashes = held->tables->conflicts();
        ASSERT_EQ(clashes.size(), 2u);
        for (const PendingConflict& c : clashes) {
            const bool right =
                c.wanted.nsScore == results[{c.wanted.board, c.wanted.nsPair, c.wanted.ewPair}].nsScore;
            const std::optional<TableStore> store = right ? held->tables->acceptConflict(c.id) : std::nullopt;
            EXPECT_TRUE(right ? store.has_value() : held->tables->rejectConflict(c.id));
            EXPECT_EQ(store ? storeTableResult(contest(), *store) : "", "");
        }
        EXPECT_TRUE(held->tables->conflicts().empty());
    }

    // The evening saved, the director types an adjusted score and takes away the score of a
    // board a table did not play, and levels: across the field and in IMPs nothing is left to raise.
    void lastWord() {
        const Slot& unplayed = slots.back();
        const auto beside = [&](const Slot& s) { return s.board == unplayed.board && &s != &unplayed; };
        const Slot& adjusted = k.besideUnplayed ? *std::find_if(slots.begin(), slots.end(), beside)
                                                : firstOfRound(unplayed.round);
        EXPECT_EQ(adjusted.board == unplayed.board, k.besideUnplayed);
        const auto [mark, shown, ns, ew] = kMarks[k.sections - 1];
        if (k.adjusted) {
            const CliRun typed = enter(seat(adjusted), mark);
            EXPECT_NE(typed.out.find(std::string(": ") + shown + "\n"), npos) << typed.err;
            results[adjusted.key()] = {adjusted.board, adjusted.ns, adjusted.ew, true, 0, true, ns, ew};
        }
        if (k.unplayed) {
            EXPECT_NE(enter(seat(unplayed), "").out.find(": inget resultat\n"), npos);
            results[unplayed.key()].played = false;
        }
        const bool level = k.unplayed && !imps() && !(k.sections > 1 && k.acrossField);
        const std::string levelled = k.unplayed ? run("level kv.sco kv.sco").out : "";
        want = test::scoreEvening({sectionPairs, k.acrossField, k.scoring, level}, results);
        const int raised = level ? want.raisedBoards : 0;
        const std::string told = "Nivellerade " + to_string(raised) + (raised == 1 ? " giv.\n" : " givar.\n");
        EXPECT_EQ(levelled, k.unplayed ? told : "");
    }

    // Every board's points in the contest, and the phones' figures, against the scorer's.
    void expectFigures() {
        const Contest& c = contest();
        for (const auto& [key, r] : results) {
            const BoardResult* slot = findResult(c.boards[r.board], r.ns, r.ew);
            ASSERT_NE(slot, nullptr);
            SCOPED_TRACE("board " + to_string(r.board) + " " + label(r.ns) + "-" + label(r.ew));
            EXPECT_EQ(slot->nsScore, !r.played ? kNoScore : r.adjusted ? slot->nsScore : r.nsScore);
            EXPECT_NEAR(slot->nsPoints, r.played ? want.points.at(key)[0] : slot->nsPoints, 1e-3);
            EXPECT_NEAR(slot->ewPoints, r.played ? want.points.at(key)[1] : slot->ewPoints, 1e-3);
        }
        // The phones rank the pairs that play; once every result is in, with the final figures.
        const LiveStandings live = liveStandings(c);
        EXPECT_EQ(live.final, !k.unplayed);
        EXPECT_EQ(std::set<int>(live.order.begin(), live.order.end()).size(), want.total.size());
        for (const auto& [pair, total] : live.final ? want.total : std::map<int, double>{}) {
            EXPECT_NEAR(live.pairs[pair].points, total, 0.05) << label(pair);
            EXPECT_NEAR(live.pairs[pair].percent, percent(pair), 0.05) << label(pair);
        }
    }
    // A pair's percentage, or in IMPs its IMPs a board.
    double percent(int pair) const {
        return imps() ? want.total.at(pair) / want.boards.at(pair) : want.percent.at(pair);
    }

    // The standings as `standings` prints them: every pair that plays, in its section's list and
    // in the whole field's, with the scorer's figures and means; nobody else.
    void expectPrintedStandings() {
        const CliRun shown = run("standings kv.sco");
        ASSERT_EQ(shown.exitCode, 0) << shown.err;
        const test::PrintedStandings printed = test::readPrintedStandings(shown.out);
        std::vector<std::string> means;
        for (int s = 0; s < k.sections && !imps(); ++s)
            means.push_back((k.sections > 1 ? label(8 * s + 1).substr(0, 1) + " " : "") +
                            to_string(want.mean[s]));
        EXPECT_EQ(printed.means, means) << shown.out;
        std::map<std::string, int> seen;
        double average = 0;
        for (const test::PrintedStanding& line : printed.lines) {
            const auto pair = std::find_if(want.total.begin(), want.total.end(),
                                           [&](const auto& t) { return label(t.first) == line.pair; });
            ASSERT_NE(pair, want.total.end()) << line.pair << " in\n" << shown.out;
            ++seen[line.pair];
            average += line.share / printed.lines.size();
            EXPECT_NEAR(line.figure, pair->second, imps() ? 0.006 : 0.05) << line.pair;
            EXPECT_NEAR(line.share, percent(pair->first), imps() ? 0.006 : 0.051) << line.pair;
        }
        // Without an adjusted score, pairs that all played as many boards average 50 %.
        EXPECT_NEAR(!imps() && !k.adjusted && !k.unplayed && want.evenPlay ? average : 50, 50, 0.05);
        EXPECT_EQ(seen.size(), want.total.size());
        for (const auto& [pair, times] : seen) EXPECT_EQ(times, k.sections > 1 && !imps() ? 2 : 1) << pair;
    }

    // XML and USEBIO carry every pair that plays with the scorer's figures, and no sit-out.
    void expectExports() {
        std::ostringstream xml, usebio;
        ASSERT_EQ(writeXml(contest(), xml), "");
        writeUsebio(contest(), usebio);
        const auto numbers = test::xmlValues(xml.str(), "tNr"),
                   shares = test::xmlValues(xml.str(), "percent");
        ASSERT_EQ(numbers.size(), 2 * want.total.size());
        ASSERT_EQ(shares.size(), imps() ? 0 : want.total.size());
        for (std::size_t i = 0; i < shares.size(); ++i)
            EXPECT_NEAR(std::stod(shares[i]), percent(std::stoi(numbers[2 * i])), 0.051) << numbers[2 * i];
        EXPECT_EQ(test::xmlValues(usebio.str(), "PAIRS"),
                  std::vector<std::string>{to_string(want.total.size())});
        for (int s = 0; s < k.sections; ++s) {
            const std::string letter(1, static_cast<char>('A' + s));
            const std::string part =
                test::xmlPart(usebio.str(), "<SECTION SECTION_ID=\"" + letter, "</SECTION>");
            const auto pairs = test::xmlValues(part, "PAIR_NUMBER"),
                       totals = test::xmlValues(part, "TOTAL_SCORE"),
                       percents = test::xmlValues(part, "PERCENTAGE");
            ASSERT_EQ(pairs.size(), sectionPairs[s].size());
            ASSERT_EQ(percents.size(), imps() ? 0 : pairs.size());
            for (std::size_t i = 0; i < pairs.size(); ++i) {
                const int pair = 8 * s + std::stoi(pairs[i]);
                ASSERT_TRUE(want.total.count(pair)) << "USEBIO " << letter << pairs[i];
                EXPECT_NEAR(std::stod(totals[i]), want.total.at(pair), imps() ? 0.006 : 0.05);
                EXPECT_NEAR(imps() ? 0 : std::stod(percents[i]), imps() ? 0 : percent(pair), 0.006);
            }
            for (const char* side : {"NS_PAIR_NUMBER", "EW_PAIR_NUMBER"})
                for (const std::string& pair : test::xmlValues(part, side))
                    EXPECT_TRUE(want.total.count(8 * s + std::stoi(pair))) << side << " " << letter << pair;
        }
    }

    // Saved again as it was read, every file comes out the same to the byte; `check` reads the
    // sit-outs named "fripar" back as the sections' and drops no result.
    void expectReopenedWhole() {
        ASSERT_EQ(saveContestOnDisk(contest(), folder.file("igen.sco"), held->sides(), kVersionText), "");
        for (const std::string& name : folder.names()) {
            // The journal is kept by the program that changes the contest, not read with it.
            if (name.rfind("kv.", 0) != 0 || name == "kv.logg") continue;
            EXPECT_EQ(folder.read("igen" + name.substr(2)), folder.read(name)) << name;
        }
        const CliRun checked = run("check kv.sco");
        EXPECT_EQ(checked.exitCode, 0) << checked.err;
        const std::string counted =
            to_string(want.points.size()) + " av " + to_string(results.size()) + " resultat";
        EXPECT_NE(checked.out.find(counted), npos) << checked.out;
        EXPECT_EQ(checked.out.find("(fripar " + sitOuts + ")") != npos, k.odd) << checked.out;
    }

    // A side file that cannot be read is told, stops what would save over it, and loses no result.
    void expectBrokenSideFileKept() {
        const std::string broken = k.sections > 1 ? ".sektion" : ".ronder";
        for (const std::string& name : folder.names())
            if (name.rfind("kv.", 0) == 0) folder.write("trasig" + name.substr(2), folder.read(name));
        folder.write("trasig" + broken, "trasig\r\n");
        const CliRun checked = run("check trasig.sco");
        EXPECT_EQ(checked.exitCode, 1);
        EXPECT_NE(checked.err.find("trasig" + broken), npos) << checked.err;
        const std::string before = folder.read("trasig.sco");
        EXPECT_EQ(run("rescore trasig.sco trasig.sco").exitCode, 1);
        EXPECT_EQ(folder.read("trasig.sco") + folder.read("trasig" + broken), before + "trasig\r\n");
        test::HeldEvening again;
        EXPECT_NE(again.open(folder.file("trasig.sco")).find("trasig" + broken + ": "), npos);
        for (const auto& [key, r] : results) {
            const BoardResult* slot = findResult(again.contest().boards[r.board], r.ns, r.ew);
            EXPECT_TRUE(slot && (slot->nsScore != kNoScore) == r.played) << "board " << r.board;
        }
    }

    void playTheEvening() {
        ASSERT_NO_FATAL_FAILURE(layByCommandLine());
        ASSERT_NO_FATAL_FAILURE(open("kv.sco"));
        ASSERT_NO_FATAL_FAILURE(findSeats());
        ASSERT_NO_FATAL_FAILURE(typeByCommandLine());
        ASSERT_NO_FATAL_FAILURE(open("kv.sco"));
        if (k.entry != Entry::Typed)
            held->tables.emplace(makeTableCodes(tableCountOfEvening(contest(), false), false, 7));
        const int halfway = (slots.back().round + 1) / 2;
        ASSERT_NO_FATAL_FAILURE(play(1, halfway));
        ASSERT_NO_FATAL_FAILURE(killAndRecover());
        ASSERT_NO_FATAL_FAILURE(play(halfway + 1, slots.back().round));
        ASSERT_EQ(saveContestOnDisk(contest(), folder.file("kv.sco"), held->sides(), kVersionText), "");
        ASSERT_NO_FATAL_FAILURE(lastWord());
        ASSERT_NO_FATAL_FAILURE(open("kv.sco"));
        expectFigures();
        expectPrintedStandings();
        expectExports();
        expectReopenedWhole();
        expectBrokenSideFileKept();
    }
};

TEST_P(EveningMatrix, EveryFigureOfTheEveningAddsUp) { playTheEvening(); }

std::string nameOf(const ::testing::TestParamInfo<Combination>& info) {
    const Combination& k = info.param;
    const char* names[] = {"builtin",   "card",   "howell", "mitchell", "linear", "neuberg",
                           "crossimps", "butler", "typed",  "phones",   "both"};
    return to_string(k.sections) + "x" + (k.odd ? "7_" : "8_") + names[int(k.movement)] + "_" +
           names[4 + int(k.scoring)] + "_" + names[8 + int(k.entry)] +
           (k.sections == 1 ? ""
            : k.acrossField ? "_across"
                            : "_persection") +
           (k.adjusted ? "_adjusted" : "") + (k.unplayed ? "_unplayed" : "") +
           (k.besideUnplayed ? "_beside" : "");
}

INSTANTIATE_TEST_SUITE_P(Pairwise, EveningMatrix, ::testing::ValuesIn(kEvenings), nameOf);

}  // namespace
}  // namespace vindelkast
