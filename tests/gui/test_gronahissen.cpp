// "Lotta rond" in a Gröna Hissen evening: the draw shown in UtRond, the messages, and the
// pairings checked against the core's own draw round after round. The same command draws a
// team event's rounds, set up from the menu, its match typed and its file saved and read back.
#include <map>

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "app/text_pane.h"
#include "model/board_results.h"
#include "model/name_forms.h"
#include "model/team_matches.h"
#include "model/victory_points.h"
#include "movement/round_draw.h"
#include "output/team_views.h"
#include "qt/qt_text.h"
#include "support/sample_contests.h"
#include "test_result_entry_driver.h"
#include "window_fixture.h"

using namespace vindelkast;
using namespace vindelkast::test;

namespace {

using Tables = QList<QPair<int, int>>;

// The tables of a round as they lie on its first board (NS, EW), in table order.
Tables tablesOf(const Contest& c, int round) {
    Tables tables;
    const Board& board = c.boards[(round - 1) * c.boardsPerRound + 1];
    for (int s = 0; s < board.resultCount; ++s)
        tables << qMakePair(board.results[s].nsPair, board.results[s].ewPair);
    std::sort(tables.begin(), tables.end(), [&board](auto a, auto b) { return a.first < b.first; });
    return tables;
}

// A Gröna Hissen evening as the director sets it up: the box ticked, the meeting limit
// chosen, no guide card, then boards, rounds and pairs, and "Klar".
void setUpGronaHissen(Window& w, int boards, int rounds, int pairs, const char* limit, int byePair = 0) {
    w.press(QKeySequence(Qt::Key_F2));
    QTest::mouseClick(w.find<QCheckBox>("ChkGrHiss"), Qt::LeftButton);
    QTest::mouseClick(w.find<QRadioButton>(limit), Qt::LeftButton);
    QTest::mouseClick(w.find<QCheckBox>("cBoxGuide"), Qt::LeftButton);
    w.type("EdGivar", QString::number(boards));
    w.type("EdRonder", QString::number(rounds));
    w.type("EdNrPar", QString::number(pairs));
    if (byePair > 0) w.type("EdFripar", QString::number(byePair));
    QTest::mouseClick(w.find<QPushButton>("BtnKlar"), Qt::LeftButton);
}

// The score the director types for a table on a board: a different one for every table and
// board, all of them plausible whatever the vulnerability.
int scoreFor(int ns, int ew, int board, int seed) {
    static const int scores[] = {-300, -200, -150, -140, -110, -100, 100, 110, 140, 150, 200, 300};
    return scores[(ns * 7 + ew * 3 + board * 5 + seed) % 12];
}

// Opens the entry panel on the round (asked for by board number once the grid is built) and
// puts it side by side.
void openRound(Window& w, int round) {
    EntryDriver e{w};
    const Contest& c = w.form->contest();
    if (e.panel().gridBuilt()) w.dialogs.inputAnswers << QString::number((round - 1) * c.boardsPerRound + 1);
    w.press(QKeySequence(Qt::Key_F4));
    if (!e.panel().roundMode()) w.press(QKeySequence(Qt::Key_F7));
    QVERIFY(e.panel().roundMode());
    QCOMPARE(e.panel().currentBoard(), (round - 1) * c.boardsPerRound + 1);
}

// Types every score of a round into the entry panel, row by row, Enter after each: the focus
// runs along the row and on to the next row's first cell by itself.
void enterRound(Window& w, int round, int seed) {
    EntryDriver e{w};
    openRound(w, round);
    const Contest& c = w.form->contest();
    const int first = (round - 1) * c.boardsPerRound + 1;
    EntryDriver::go(e.cell(0, 0));
    for (int row = 0; row < e.panel().rowCount(); ++row) {
        const int ns = e.ns(row)->text().toInt();
        const int ew = e.ew(row)->text().toInt();
        for (int k = 0; k < c.boardsPerRound; ++k) {
            QCOMPARE(EntryDriver::focused(), e.cell(row, k));
            e.keys(QString::number(scoreFor(ns, ew, first + k, seed)));
            e.enter();
        }
    }
    // Every result of the round holds what was typed for its table.
    for (int b = first; b < first + c.boardsPerRound; ++b) {
        const Board& board = c.boards[b];
        for (int s = 0; s < board.resultCount; ++s) {
            const BoardResult& r = board.results[s];
            QCOMPARE(r.nsScore, scoreFor(r.nsPair, r.ewPair, b, seed));
        }
    }
}

// The same evening kept by the core alone: the tables the window drew and the same scores.
void copyRound(const Contest& from, Contest& to, int round) {
    for (int b = (round - 1) * from.boardsPerRound + 1; b <= round * from.boardsPerRound; ++b) {
        const Board& board = from.boards[b];
        for (int s = 0; s < board.resultCount; ++s) {
            const BoardResult& r = board.results[s];
            addResult(to.boards[b], r.nsPair, r.ewPair, r.round, kNoScore, 0.0f, 0.0f, true);
            enter(to, b, r.nsPair, r.ewPair, r.nsScore);
        }
    }
}

QStringList paneLines(const Window& w) { return w.find<TextPane>("UtRond")->plainLines().split('\n'); }

}  // namespace

class TestGronaHissen : public QObject {
    Q_OBJECT
private slots:
    void threeRoundsWithMax1FollowTheCoresDraw();
    void byePairSitsOutAndFailedDrawIsTold();
    void monradOfFiveTeamsFromTheMenu();
};

void TestGronaHissen::threeRoundsWithMax1FollowTheCoresDraw() {
    Window w;
    // Without Gröna Hissen there is nothing to draw.
    w.press(QKeySequence("Ctrl+L"));
    QVERIFY(w.dialogs.messages.isEmpty());
    QVERIFY(!w.find<QWidget>("UtRond")->isVisible());

    setUpGronaHissen(w, 6, 3, 8, "rbGHmax1");
    const Contest& c = w.form->contest();
    QVERIFY(c.isGronaHissen && c.setUpDone);
    QCOMPARE(c.ghVariant, 1);
    QVERIFY(w.action("MnLottaRond")->isEnabled());
    w.form->session().edit({"namn"}, ContestChange::names(), [](Contest& k) { seatPairs(k, 8); });

    ContestFixture core;
    Contest& k = core.c();
    fillRegister(*core.reg, 16);
    setUp(k, 6, 3, 8);
    k.isBarometer = k.isGronaHissen = true;
    k.ghVariant = 1;
    seatPairs(k, 8);

    // Round 1 from equal totals: 1-2, 3-4, 5-6, 7-8.
    w.press(QKeySequence("Ctrl+L"));
    QVERIFY(w.dialogs.messages.isEmpty());
    QCOMPARE(tablesOf(c, 1), (Tables{{1, 2}, {3, 4}, {5, 6}, {7, 8}}));
    QCOMPARE(c.boards[2].resultCount, 4);
    QCOMPARE(c.boards[3].resultCount, 0);
    auto* pane = w.find<TextPane>("UtRond");
    QVERIFY(pane->isVisible());
    QCOMPARE(pane->geometry(), QRect(20, 400, w.form->centralWidget()->width() - 40, 300));
    QVERIFY(!w.find<QWidget>("UtTotal")->isVisible());
    const QStringList first = paneLines(w);
    QCOMPARE(first.size(), 6);
    QCOMPARE(first[0], QString("Lottning f\u00f6r rond 1"));
    QCOMPARE(first[1], QString());
    QCOMPARE(first[2], QString("Bord 1:  1- 2 %1- %2")
                           .arg(QString("\u00c5berg K & \u00c5kesson L"), -30)
                           .arg("Almqvist B & Andersson A"));
    QVERIFY(first[5].startsWith("Bord 4:  7- 8 "));
    QVERIFY(!w.form->isSaved());

    // Asking again before the round's results are in shows round 1 again: one cell emptied.
    enterRound(w, 1, 0);
    openRound(w, 1);
    EntryDriver e{w};
    e.typeOver(e.cell(3, 1), "");
    QCOMPARE(c.boards[2].results[3].nsScore, kNoScore);
    w.press(QKeySequence("Ctrl+L"));
    QCOMPARE(w.dialogs.lastMessage(), QString("Det finns resultat kvar att mata in fr\u00e5n rond 1"));
    QCOMPARE(paneLines(w), first);
    QCOMPARE(c.boards[3].resultCount, 0);

    // Rounds 2 and 3 are drawn from the standings as the core draws them, and with "Max 1"
    // no two pairs meet twice.
    QSet<QPair<int, int>> met;
    for (const auto& t : tablesOf(c, 1)) met << t << qMakePair(t.second, t.first);
    e.typeOver(e.cell(3, 1), QString::number(scoreFor(7, 8, 2, 0)));
    for (int round = 2; round <= 3; ++round) {
        if (round > 2) enterRound(w, round - 1, round);
        copyRound(c, k, round - 1);
        w.dialogs.messages.clear();
        w.press(QKeySequence("Ctrl+L"));
        QVERIFY2(w.dialogs.messages.isEmpty(), qPrintable(w.dialogs.lastMessage()));
        QCOMPARE(drawRound(k), round);
        QCOMPARE(tablesOf(c, round), tablesOf(k, round));
        QCOMPARE(tablesOf(c, round).size(), 4);
        QCOMPARE(paneLines(w)[0], QString("Lottning f\u00f6r rond %1").arg(round));
        for (const auto& t : tablesOf(c, round)) {
            QVERIFY(!met.contains(t));
            met << t << qMakePair(t.second, t.first);
        }
        for (int b = 2 * round - 1; b <= 2 * round; ++b) QCOMPARE(c.boards[b].resultCount, 4);
    }

    // Every round drawn and scored: nothing more to draw.
    enterRound(w, 3, 5);
    w.press(QKeySequence("Ctrl+L"));
    QCOMPARE(w.dialogs.lastMessage(), QString("Alla ronder \u00e4r redan lottade"));
}

void TestGronaHissen::byePairSitsOutAndFailedDrawIsTold() {
    Window w;
    // Four pairs meet every other pair in three rounds; with "Max 1" a fourth round cannot
    // be drawn. Seven pairs and the bye pair 8: somebody sits out each round.
    setUpGronaHissen(w, 8, 4, 4, "rbGHmax1");
    const Contest& c = w.form->contest();
    w.form->session().choose([](Contest& k) { seatPairs(k, 4); });
    for (int round = 1; round <= 3; ++round) {
        w.press(QKeySequence("Ctrl+L"));
        QCOMPARE(tablesOf(c, round).size(), 2);
        enterRound(w, round, round);
    }
    QVERIFY(w.dialogs.messages.isEmpty());
    w.press(QKeySequence("Ctrl+L"));
    QCOMPARE(w.dialogs.lastMessage(), QString("Det gick inte att lotta. G\u00f6r det manuellt!"));
    QCOMPARE(c.boards[7].resultCount, 0);

    // Seven pairs and the bye pair 8: the pair drawn against the bye pair sits out, and
    // somebody else the next round.
    Window odd;
    setUpGronaHissen(odd, 4, 2, 8, "rbGHmax2", 8);
    const Contest& o = odd.form->contest();
    QCOMPARE(o.byePair, 8);
    odd.form->session().choose([](Contest& k) { seatPairs(k, 7); });
    odd.press(QKeySequence("Ctrl+L"));
    QCOMPARE(tablesOf(o, 1), (Tables{{1, 2}, {3, 4}, {5, 6}}));
    QCOMPARE(o.boards[2].resultCount, 3);
    QCOMPARE(paneLines(odd).size(), 6);
    QCOMPARE(paneLines(odd).last(),
             QString("Par 7 %1 har frirond").arg(toQt(pairName(o, 7, NameForm::Short))));
    enterRound(odd, 1, 3);
    odd.press(QKeySequence("Ctrl+L"));
    QVERIFY(odd.dialogs.messages.isEmpty());
    const Tables second = tablesOf(o, 2);
    QCOMPARE(second.size(), 3);
    QSet<int> seated;
    for (const auto& t : second) seated << t.first << t.second;
    QVERIFY(seated.contains(7));
    int out = 0;
    for (int p = 1; p <= 7; ++p)
        if (!seated.contains(p)) out = p;
    QVERIFY(out != 0);
    QCOMPARE(paneLines(odd).last(),
             QString("Par %1 %2 har frirond").arg(out).arg(toQt(pairName(o, out, NameForm::Short))));
}

void TestGronaHissen::monradOfFiveTeamsFromTheMenu() {
    Window w;
    QVERIFY(!w.action("teamEventViewAction")->isEnabled());
    Dialogs::TeamEventChoice choice;
    choice.teams = 5;
    choice.boardsPerMatch = 2;
    choice.rounds = 2;
    choice.names = {"Norrfors BK", "\u00c5sele"};
    w.dialogs.teamEventChoices << choice;
    w.action("teamEventAction")->trigger();
    const Contest& c = w.form->contest();
    QVERIFY(c.setUpDone && c.teams.form == TeamForm::Swiss);
    QCOMPARE(c.teams.teamCount, 5);
    QCOMPARE(c.boardCount, 4);
    QCOMPARE(c.teams.nameOf(2), cp("\u00c5sele"));
    QCOMPARE(c.contestName, cp("Lagt\u00e4vling"));
    QVERIFY(w.form->windowTitle().endsWith(" 5 lag, Monrad. *"));
    w.action("teamEventAction")->trigger();
    QCOMPARE(w.dialogs.lastMessage(), QString("T\u00e4vlingen \u00e4r redan startad"));

    // Round 1, drawn at random: two matches and a bye, the draw shown as the core writes it.
    w.press(QKeySequence("Ctrl+L"));
    QCOMPARE(drawnTeamRounds(c), 1);
    QVERIFY(w.dialogs.questions.last().startsWith("Lotta f\u00f6rsta ronden"));
    QStringList drawn;
    for (const ViewLine& line : teamDrawLines(c, 1)) drawn << toQt(line.text);
    QCOMPARE(paneLines(w), drawn);
    // The draw is an edit: taken back, no round is drawn; made again, the same draw is back.
    QCOMPARE(w.action("undoAction")->text(), QString("\u00c5ngra: lottad rond 1"));
    w.press(QKeySequence("Ctrl+Z"));
    QCOMPARE(drawnTeamRounds(c), 0);
    w.press(QKeySequence("Ctrl+Y"));
    QStringList redrawn;
    for (const ViewLine& line : teamDrawLines(c, 1)) redrawn << toQt(line.text);
    QCOMPARE(redrawn, drawn);
    const std::vector<MatchCard> cards = roundMatches(c, 1);
    QCOMPARE(cards.size(), std::size_t{2});
    const MatchCard& m = cards[0];

    // The match's two tables typed in the grid: the home team's NS scores at its own table,
    // the away team's at the other. Board 1: -100 and 110 (home 210 down, 5 IMPs); board 2:
    // 620 and 170 (home 450 up, 10 IMPs).
    // The team event's pane follows every stored score.
    w.press(QKeySequence("Shift+F9"));
    openRound(w, 1);
    EntryDriver e{w};
    const std::map<int, std::pair<int, int>> typed{{c.teams.pairsOf(m.home)[0], {-100, 620}},
                                                   {c.teams.pairsOf(m.away)[0], {110, 170}}};
    for (int row = 0; row < e.panel().rowCount(); ++row) {
        const auto table = typed.find(e.ns(row)->text().toInt());
        if (table == typed.end()) continue;
        e.typeOver(e.cell(row, 0), QString::number(table->second.first));
        e.typeOver(e.cell(row, 1), QString::number(table->second.second));
    }
    QCOMPARE(score(c, 2, c.teams.pairsOf(m.away)[0], c.teams.pairsOf(m.home)[1]), 170);
    // With a result of the round in, the draw is no longer the step to take back.
    QVERIFY(w.action("undoAction")->text().startsWith("\u00c5ngra: resultat giv 2"));
    const VpPair vp = matchVp(2, 10, 5);
    QVERIFY(vp.first > kVpDraw);
    QCOMPARE(w.find<QLabel>("LblTotal")->text(), QString("Lagst\u00e4llning och matchkort"));
    const QString event = w.find<TextPane>("UtTotal")->plainLines();
    const auto teamLine = [&event](const QString& name) {
        for (const QString& line : event.split('\n'))
            if (line.contains(name)) return line;
        return QString();
    };
    QVERIFY(teamLine(toQt(c.teams.nameOf(m.home))).contains(toQt(vpText(vp.first))));
    QVERIFY(teamLine(toQt(c.teams.nameOf(m.away))).contains(toQt(vpText(vp.second))));
    QVERIFY(teamLine(toQt(c.teams.nameOf(roundByes(c, 1).front()))).contains("12,00"));
    w.press(QKeySequence(Qt::Key_F9));
    w.press(QKeySequence(Qt::Key_F9));
    QVERIFY(w.find<TextPane>("UtTotal")->plainLines().contains(toQt(c.teams.nameOf(m.home))));

    // Monrad waits for the other match; then the evening is saved with its teams and read back.
    w.press(QKeySequence("Ctrl+L"));
    QVERIFY(w.dialogs.lastMessage().startsWith("Rond 1 \u00e4r inte f\u00e4rdigspelad"));
    QCOMPARE(drawnTeamRounds(c), 1);
    w.dialogs.fileNames << w.path("lag.sco");
    w.action("Sparasom1")->trigger();
    QVERIFY(w.form->isSaved() && QFile::exists(w.path("lag.lag")));
    w.press(QKeySequence("Ctrl+Alt+R"));
    QVERIFY(!c.teams.any() && !w.action("vpAdjustmentAction")->isEnabled());
    w.dialogs.fileNames << w.path("lag.sco");
    w.press(QKeySequence("Ctrl+O"));
    QCOMPARE(c.teams.nameOf(1), cp("Norrfors BK"));
    QCOMPARE(c.teams.nameOf(3), std::string("Lag 3"));
    QCOMPARE(teamEventTotals(c, 1, 1)[static_cast<std::size_t>(m.home - 1)].vp, vp.first);
    QVERIFY(w.action("teamEventViewAction")->isEnabled() && w.action("fixedMeetingsAction")->isEnabled());

    // The series' next evening waits for the other match; once it is typed, the next evening
    // takes the window's place with the standings brought forward.
    w.dialogs.fileNames << w.path("lag2.sco");
    w.action("nextSeriesEveningAction")->trigger();
    QVERIFY(w.dialogs.lastMessage().contains("inte f\u00e4rdigspelad"));
    QVERIFY(!QFile::exists(w.path("lag2.sco")) && c.teams.carried.empty());
    openRound(w, 1);
    EntryDriver again{w};
    const int other = roundMatches(c, 1)[1].home;
    for (int row = 0; row < again.panel().rowCount(); ++row)
        if (c.teams.teamOfPair(again.ns(row)->text().toInt()) == other ||
            c.teams.teamOfPair(again.ew(row)->text().toInt()) == other) {
            again.typeOver(again.cell(row, 0), "420");
            again.typeOver(again.cell(row, 1), "-50");
        }
    w.dialogs.askAnswers << Dialogs::Answer::Yes;
    w.dialogs.fileNames << w.path("lag2.sco");
    w.action("nextSeriesEveningAction")->trigger();
    QVERIFY(QFile::exists(w.path("lag2.lag")));
    QCOMPARE(c.teams.carried.size(), std::size_t{5});
    QCOMPARE(c.teams.earlierRounds, 1);
    QCOMPARE(drawnTeamRounds(c), 0);
    QCOMPARE(c.teams.nameOf(1), cp("Norrfors BK"));
}

QTEST_MAIN(TestGronaHissen)
#include "test_gronahissen.moc"
