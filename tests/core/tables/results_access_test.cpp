// The results pages as the table server answers them during a Mitchell evening: who reads
// (a table's phone by the code in its cookie, or anyone), what each may see, and the
// standings the phones and the pages share.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "model/board_results.h"
#include "model/board_scoring.h"
#include "model/contest_scoring.h"
#include "model/contract.h"
#include "model/live_standings.h"
#include "model/standings.h"
#include "movement/table_rounds.h"
#include "support/sample_evening.h"
#include "tables/results_access.h"
#include "tables/table_answers.h"
#include "tables/table_codes.h"
#include "tables/table_evening.h"
#include "tables/table_standings.h"

namespace vindelkast {
namespace {

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

int count(const std::string& text, const std::string& part) {
    int n = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
}

struct Reading {
    const char* path;
    const char* cookie;
    ResultsPath kind;
    const char* page;
    int table;
    const char* code;
};

class ResultsRequests : public ::testing::TestWithParam<Reading> {};

TEST_P(ResultsRequests, AreReadFromThePathAndTheCookie) {
    const Reading& want = GetParam();
    const ResultsRequest got = readResultsRequest(want.path, want.cookie);
    EXPECT_EQ(got.path, want.kind);
    EXPECT_EQ(got.page, want.page);
    EXPECT_EQ(got.table, want.table);
    EXPECT_EQ(got.code, want.code);
}

const std::string kLongPath = "/resultat/" + std::string(60, 'a') + ".html";
const std::string kLongCookie = std::string(4100, 'x') + "; vkbord=3-ACDE";

INSTANTIATE_TEST_SUITE_P(
    Table, ResultsRequests,
    ::testing::Values(Reading{"/resultat", "", ResultsPath::Redirect, "", 0, ""},
                      Reading{"/resultat/", "", ResultsPath::Page, "", 0, ""},
                      Reading{"/resultat/par11.html", "vkbord=3-ACDE", ResultsPath::Page, "par11.html", 3,
                              "ACDE"},
                      Reading{"/resultat/giv5.html", "a=b; vkbord = 12-acde ; c", ResultsPath::Page,
                              "giv5.html", 12, "acde"},
                      // A cookie that is not a table and a code leaves the reader anonymous.
                      Reading{"/resultat/", "vkbord=37-ACDE", ResultsPath::Page, "", 0, ""},
                      Reading{"/resultat/", "vkbord=0-ACDE", ResultsPath::Page, "", 0, ""},
                      Reading{"/resultat/", "vkbord=3-AC<E", ResultsPath::Page, "", 0, ""},
                      Reading{"/resultat/", "vkbord=3-", ResultsPath::Page, "", 0, ""},
                      Reading{"/resultat/", "vkbord=-ACDE", ResultsPath::Page, "", 0, ""},
                      // A table's whole code is read, and nothing longer.
                      Reading{"/resultat/", "vkbord=3-ACDEFHJK", ResultsPath::Page, "", 3, "ACDEFHJK"},
                      Reading{"/resultat/", "vkbord=3-ACDEFHJKM", ResultsPath::Page, "", 0, ""},
                      Reading{"/resultat/", "xvkbord=3-ACDE", ResultsPath::Page, "", 0, ""},
                      Reading{"/resultat/", kLongCookie.c_str(), ResultsPath::Page, "", 0, ""},
                      // Only the site's own kind of names, and nothing long or elsewhere.
                      Reading{"/resultat/../bord", "", ResultsPath::None, "", 0, ""},
                      Reading{"/resultat/Giv5.html", "", ResultsPath::None, "", 0, ""},
                      Reading{"/resultat/a/b", "", ResultsPath::None, "", 0, ""},
                      Reading{kLongPath.c_str(), "", ResultsPath::None, "", 0, ""},
                      Reading{"/resultatx", "", ResultsPath::None, "", 0, ""},
                      Reading{"/bord", "vkbord=3-ACDE", ResultsPath::None, "", 0, ""}));

class LiveResults : public ::testing::Test {
protected:
    test::MitchellEvening e;
    Contest& c = e.c();
    TableService service{makeTableCodes(8, false, 7)};
    std::int64_t now = 1'000'000;

    // The phone at 10.0.0.5 has logged in to every table, as each table's phone does before it
    // reads the pages.
    void SetUp() override {
        for (int table = 1; table <= 8; ++table) ASSERT_EQ(logIn(table, code(table), "10.0.0.5"), 200);
    }
    int logIn(int table, const std::string& typed, const std::string& client) {
        TableRequest login;
        login.call = TableCall::Login;
        login.table = table;
        login.code = typed;
        return service.handle(c, login, client, now).status;
    }
    std::string code(int table) const { return service.codes().tables.at(table - 1); }
    // The page as a phone with this cookie (or anyone, for "") is answered.
    ResultsAnswer ask(const std::string& page, const std::string& cookie, bool published = false,
                      const std::string& client = "10.0.0.5") {
        const ResultsRequest request = readResultsRequest("/resultat/" + page, cookie);
        const int table = readingTable(service, request, client, now);
        return resultsAnswer(c, {}, false, published, table, request.page);
    }
    std::string cookie(int table) const { return "vkbord=" + std::to_string(table) + "-" + code(table); }
};

bool showsBoard(const ResultsAnswer& answer) {
    return answer.status == 200 && contains(answer.body, "class=\"deal\"") &&
           contains(answer.body, "class=\"trav\"");
}
bool hidesBoard(const ResultsAnswer& answer) {
    return answer.status == 200 && !contains(answer.body, "class=\"deal\"") &&
           !contains(answer.body, "class=\"trav\"") && !contains(answer.body, "class=\"red\"") &&
           contains(answer.body, "Given visas n\xc3\xa4r");
}

// Scores one board of a round at one table, as its phone would.
void playOne(Contest& c, const TableSeat& seat, int board) {
    Board& b = c.boards[board];
    for (int i = 0; i < b.resultCount; ++i) {
        BoardResult& r = b.results[i];
        if (r.nsPair != seat.nsPair || r.ewPair != seat.ewPair) continue;
        const PlayedContract played = test::MitchellEvening::contractFor(board, r.nsPair, r.ewPair);
        c.contracts[{board, r.nsPair, r.ewPair}] = played;
        setScore(r, nsScore(played, board));
        c.boardHasScores[board] = true;
    }
    scoreBoard(b, c.scoringRule);
}

bool bothPlayed(const Contest& c, const TableSeat& seat, int board) {
    return pairScore(c.boards[board], seat.nsPair) > kNoScore &&
           pairScore(c.boards[board], seat.ewPair) > kNoScore;
}

TEST_F(LiveResults, NoBoardLeaksBeforeTheTableHasPlayedIt) {
    e.play(3);
    // Round 3 complete at every table and round 4 not begun: the pairs who just played are
    // still seated while the next EW pair sits down, and none of them reads a board another
    // of them has still to play: the round's boards stay hidden while the new pair has them to come.
    const TableSeat done = tableSeat(c, 1, 3, false);
    const TableSeat seat = tableSeat(c, 1, 4, false);
    ASSERT_EQ(currentTableRound(c, 1, false), 4);
    ASSERT_EQ(pairsAtTable(c, 1, false), (std::vector<int>{seat.nsPair, seat.ewPair, done.ewPair}));
    int hiddenFromNewcomers = 0;
    for (int b : done.boards) {
        const bool newcomerPlayed = pairScore(c.boards[b], seat.ewPair) > kNoScore;
        const ResultsAnswer answer = ask("giv" + std::to_string(b) + ".html", cookie(1));
        EXPECT_TRUE(newcomerPlayed ? showsBoard(answer) : hidesBoard(answer)) << b;
        hiddenFromNewcomers += !newcomerPlayed;
    }
    EXPECT_GT(hiddenFromNewcomers, 0);
    // The round's first score: now the next round's pairs read the phone.
    playOne(c, seat, seat.boards.front());
    ASSERT_EQ(pairsAtTable(c, 1, false), (std::vector<int>{seat.nsPair, seat.ewPair}));
    int shown = 0;
    int playedHereHidden = 0;
    for (int b = 1; b <= c.boardCount; ++b) {
        const std::string page = "giv" + std::to_string(b) + ".html";
        const bool played = bothPlayed(c, seat, b);
        const ResultsAnswer answer = ask(page, cookie(1));
        EXPECT_TRUE(played ? showsBoard(answer) : hidesBoard(answer)) << page;
        shown += played;
        // A board the table played in an earlier round, that the new EW pair still meets: the
        // page says who has yet to play it, not that the table has not.
        bool here = false;
        for (int r = 1; r <= 3; ++r) {
            const std::vector<int> boards = tableSeat(c, 1, r, false).boards;
            here = here || std::find(boards.begin(), boards.end(), b) != boards.end();
        }
        if (!played && here) {
            ++playedHereHidden;
            EXPECT_TRUE(contains(answer.body, "alla som sitter vid ert bord")) << page;
        } else if (!played) {
            EXPECT_TRUE(contains(answer.body, "visas n\xc3\xa4r ert bord har spelat den")) << page;
        }
        // Nobody else sees it: not anyone, not another table, not a phone with a made-up code.
        EXPECT_TRUE(hidesBoard(ask(page, ""))) << page;
        EXPECT_TRUE(contains(ask(page, "").body, "resultaten har publicerats")) << page;
        EXPECT_TRUE(hidesBoard(ask(page, "vkbord=1-" + code(2), false, "10.0.0.66"))) << page;
        // Once published (or the evening over) every board is everyone's.
        EXPECT_TRUE(showsBoard(ask(page, "", true))) << page;
    }
    EXPECT_GT(shown, 0);
    EXPECT_LT(shown, 9);
    EXPECT_GT(playedHereHidden, 0);
    // A card anyone may read keeps the scores of boards the reader has not played to itself.
    const ResultsAnswer card = ask("par" + std::to_string(seat.nsPair) + ".html", "");
    EXPECT_EQ(card.status, 200);
    EXPECT_TRUE(contains(card.body, "<td colspan=\"6\"></td>"));
    EXPECT_FALSE(contains(card.body, "href=\"giv"));
    EXPECT_EQ(ask("par99.html", "").status, 404);
    EXPECT_EQ(ask("giv25.html", cookie(1)).status, 404);
}

// Every pair's card as each table's phone reads it, round after round: a result shows only
// on a board both pairs seated at the reading table have played, the card of a pair seated
// there included (its opponents at the table may meet that board later).
TEST_F(LiveResults, PairCardsShowOnlyBoardsEveryReaderHasPlayed) {
    int hiddenOwn = 0;
    for (int round = 1; round <= 6; ++round) {
        e.play(round);
        for (int table = 1; table <= 8; ++table) {
            const TableSeat next = tableSeat(c, table, round + 1, false);
            // Mid-round: the next round's pairs have scored their first board.
            if (round % 2 == 0) playOne(c, next, next.boards.front());
            // Between rounds the EW pair that leaves and the one that comes both read it.
            const std::vector<int> readers = pairsAtTable(c, table, false);
            ASSERT_EQ(readers.size(), round % 2 == 0 ? 2u : 3u);
            for (int pair = 1; pair <= 16; ++pair) {
                const std::string card = ask("par" + std::to_string(pair) + ".html", cookie(table)).body;
                for (int b = 1; b <= c.boardCount; ++b) {
                    if (pairScore(c.boards[b], pair) <= kNoScore) continue;
                    const bool open = std::all_of(readers.begin(), readers.end(), [&](int reader) {
                        return pairScore(c.boards[b], reader) > kNoScore;
                    });
                    const std::string n = std::to_string(b);
                    const std::string hidden =
                        "<tr><td class=\"n\">" + n + "</td><td colspan=\"6\"></td></tr>";
                    EXPECT_EQ(contains(card, hidden), !open)
                        << "table " << table << " par" << pair << " giv" << n;
                    EXPECT_EQ(contains(card, "href=\"giv" + n + ".html\""), open)
                        << "table " << table << " par" << pair << " giv" << n;
                    if (!open && std::find(readers.begin(), readers.end(), pair) != readers.end())
                        ++hiddenOwn;
                }
            }
        }
    }
    // The fault this guards: a seated pair's own card showing what its opponents still play.
    EXPECT_GT(hiddenOwn, 0);
}

TEST_F(LiveResults, ACookieOpensTheBoardsOnlyToAPhoneLoggedInToItsTable) {
    e.play(2);
    const TableSeat third = tableSeat(c, 1, 3, false);
    playOne(c, third, third.boards.front());
    const std::string page = "giv" + std::to_string(third.boards.front()) + ".html";
    const std::string phone = "10.0.0.9";
    const std::string guesser = "10.0.0.66";
    // Even the right code in a cookie tells a client that has not logged in nothing, so the
    // pages are no way to guess codes; and a wrong or stale one counts against nobody.
    EXPECT_TRUE(hidesBoard(ask(page, cookie(1), false, phone)));
    for (const char* guess : {"AAAA", "CCCC", "DDDD", "EEEE", "FFFF", "HHHH"}) {
        EXPECT_TRUE(hidesBoard(ask(page, std::string("vkbord=1-") + guess, false, guesser)));
        EXPECT_TRUE(hidesBoard(ask(page, std::string("vkbord=1-") + guess, false, phone)));
    }
    EXPECT_EQ(logIn(1, code(1), phone), 200) << "an old cookie never slows the right code";
    EXPECT_TRUE(showsBoard(ask(page, cookie(1), false, phone)));
    EXPECT_TRUE(hidesBoard(ask(page, cookie(1), false, guesser)));
    EXPECT_EQ(logIn(1, code(1), guesser), 200);
}

TEST_F(LiveResults, ThePhonesAndThePagesShowTheSameHonestFigures) {
    e.play(4);
    const LiveStandings live = liveStandings(c);
    ASSERT_FALSE(live.final);
    const PhoneStandings phone = phoneStandings(c);
    EXPECT_EQ(phone.heading, "St\xe4llning efter 4 av 7 ronder");
    ASSERT_EQ(phone.lines.size(), 16u);
    double sum = 0;
    for (std::size_t i = 0; i < phone.lines.size(); ++i) {
        const RankingLine& line = phone.lines[i];
        // Tied figures share a place; the next figure down takes its own number again.
        const bool tied = i > 0 && line.percent > phone.lines[i - 1].percent - 0.05;
        EXPECT_EQ(line.place, tied ? phone.lines[i - 1].place : static_cast<int>(i) + 1);
        EXPECT_DOUBLE_EQ(line.percent, live.pairs[line.pair].percent);
        sum += line.percent;
    }
    // Shares of what has been played: they average 50 %, not the 20-32 % of the totals.
    EXPECT_NEAR(sum / 16, 50.0, 0.5);
    const ResultsAnswer index = ask("", cookie(3));
    EXPECT_TRUE(contains(index.body, "St\xc3\xa4llning NS efter 4 av 7 ronder"));

    // One round short of the end nothing is open yet to a visitor; every result in: the
    // evening is over as the phones see it, and exactly the final standings.
    e.play(6);
    ASSERT_FALSE(eveningState(c, false).over);
    EXPECT_TRUE(hidesBoard(ask("giv24.html", "")));
    e.play(7);
    ASSERT_TRUE(eveningState(c, false).over);
    const PhoneStandings end = phoneStandings(c);
    const LiveStandings final = finalStandings(c);
    const Totals totals = contestTotals(c);
    EXPECT_EQ(end.heading, "Slutst\xe4llning");
    ASSERT_EQ(end.lines.size(), final.order.size());
    for (std::size_t i = 0; i < end.lines.size(); ++i) {
        EXPECT_EQ(end.lines[i].pair, final.order[i]);
        EXPECT_EQ(end.lines[i].percent, final.pairs[final.order[i]].percent);
        // The places of the exports: pairs with the same total share one.
        EXPECT_EQ(end.lines[i].place, sharedPlace(totals.total[end.lines[i].pair], totals))
            << end.lines[i].pair;
    }
    // The evening is over: every board is open to anyone, with the final results.
    EXPECT_TRUE(showsBoard(ask("giv24.html", "")));
    EXPECT_TRUE(contains(ask("", "").body, "Resultat NS"));
}

// An IMP evening: every table makes 420 on every board but pair P, NS on board 1, makes 450
// against Q. P wins 1 IMP from each of the six others (1,00), they lose 1/6 each; Q the mirror.
TEST_F(LiveResults, AnImpEveningRanksByImpsWithSharedPlacesOnPhonesAndPages) {
    e.play(7);
    for (int b = 1; b <= c.boardCount; ++b)
        for (int i = 0; i < c.boards[b].resultCount; ++i) setScore(c.boards[b].results[i], 420);
    const BoardResult& first = c.boards[1].results[0];
    setScore(c.boards[1].results[0], 450);
    ASSERT_TRUE(chooseScoringRule(c, ScoringRule{ScoringMethod::CrossImps}));
    const int p = first.nsPair;
    const int q = first.ewPair;

    const PhoneStandings end = phoneStandings(c);
    ASSERT_EQ(end.lines.size(), 16u);
    // P; six EW at +1/6; the two pairs that missed board 1 at 0; six NS at -1/6; Q.
    const int places[16] = {1, 2, 2, 2, 2, 2, 2, 8, 8, 10, 10, 10, 10, 10, 10, 16};
    for (std::size_t i = 0; i < 16; ++i) EXPECT_EQ(end.lines[i].place, places[i]) << i;
    EXPECT_EQ(end.lines[0].pair, p);
    EXPECT_EQ(end.lines[15].pair, q);
    EXPECT_NEAR(end.lines[1].points, 1.0 / 6, 1e-6);
    EXPECT_NEAR(end.lines[15].percent, -1.0 / 21, 1e-6);
    // The phones get hundredths: 1,00 IMP, 0,05 per board over 21 boards.
    const std::string answer = standingsAnswer(c, {p});
    EXPECT_TRUE(
        contains(answer, "{\"decimals\":2,\"heading\":\"IMP/giv\",\"key\":\"percent\",\"unit\":\"IMP\"}"))
        << answer;
    EXPECT_TRUE(
        contains(answer, "\"nr\":" + std::to_string(p) + ",\"percent\":0.05,\"place\":1,\"points\":1.0"))
        << answer;
    EXPECT_TRUE(contains(answer, "\"points\":-0.17")) << answer;

    // The pages: NS and ÖV apart, as with matchpoints, each with its shared places.
    const std::string index = ask("", "").body;
    EXPECT_TRUE(contains(index, "<th class=\"n\">IMP</th><th class=\"n\">IMP/giv</th>"));
    EXPECT_FALSE(contains(index, "<th class=\"n\">%</th>"));
    EXPECT_TRUE(contains(index, ">1,00</td><td class=\"n\">0,05</td>"));
    EXPECT_EQ(count(index, ">-0,17</td><td class=\"n\">-0,01</td>"), 6);
    EXPECT_EQ(count(index, "<tr><td class=\"n\">3</td>"), 6);  // the six NS below the one at 0
    EXPECT_EQ(count(index, "<tr><td class=\"n\">1</td>"), 7);  // P, and the six EW at the top
    const std::string card = ask("par" + std::to_string(p) + ".html", "").body;
    EXPECT_TRUE(contains(card, "Plats 1 av 8 i NS \xc2\xb7 1,00\xc2\xa0IMP \xc2\xb7 0,05\xc2\xa0IMP/giv"))
        << card;
    EXPECT_TRUE(contains(card, "<th class=\"n\">Res.</th><th class=\"n\">IMP</th></tr>"));
    const std::string board = ask("giv1.html", "").body;
    EXPECT_TRUE(contains(board, "<td class=\"n\">1,00</td><td class=\"n\">-1,00</td>")) << board;
    EXPECT_EQ(count(board, "<td class=\"n\">-0,17</td><td class=\"n\">0,17</td>"), 6);
}

}  // namespace
}  // namespace vindelkast
