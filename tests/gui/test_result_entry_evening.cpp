// Whole evenings scored through the keyboard, compared with the core scoring the same
// scores directly.
#include <fstream>
#include <map>

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include "app/set_up_panel.h"
#include "files/contest_file.h"
#include "model/board_results.h"
#include "model/board_scoring.h"
#include "model/bridge_tables.h"
#include "movement/contest_setup.h"
#include "movement/table_rounds.h"
#include "output/standings_view.h"
#include "support/sample_contests.h"
#include "test_result_entry_driver.h"

using namespace vindelkast;
using namespace vindelkast::test;

namespace {

// Every board of the window's contest holds the reference's results, scores and points.
void compareBoards(const Contest& window, const Contest& reference) {
    QCOMPARE(window.boardCount, reference.boardCount);
    for (int b = 1; b <= reference.boardCount; ++b) {
        const Board& mine = window.boards[b];
        const Board& theirs = reference.boards[b];
        QVERIFY2(mine.resultCount == theirs.resultCount, qPrintable(QString("board %1").arg(b)));
        for (int i = 0; i < theirs.resultCount; ++i) {
            const BoardResult& t = theirs.results[i];
            const BoardResult* m = findResult(mine, t.nsPair, t.ewPair);
            const QString where = QString("board %1, %2-%3").arg(b).arg(t.nsPair).arg(t.ewPair);
            QVERIFY2(m, qPrintable(where));
            QVERIFY2(m->nsScore == t.nsScore,
                     qPrintable(where + QString(": %1 %2").arg(m->nsScore).arg(t.nsScore)));
            QVERIFY2(m->nsPoints == t.nsPoints && m->ewPoints == t.ewPoints, qPrintable(where));
            QVERIFY2(m->nsPlayer2 == t.nsPlayer2 && m->ewPlayer2 == t.ewPlayer2, qPrintable(where));
        }
    }
}

QString joined(const std::vector<ViewLine>& lines) {
    QStringList out;
    for (const ViewLine& line : lines) out << QString::fromLatin1(line.text.c_str());
    return out.join('\n');
}

// What the director types into a score cell, and the score it stands for.
struct Typing {
    QString keys;
    bool enter = false;
    int value = 0;
};

// A different way of typing for each cell, so that an evening uses every kind of entry.
Typing typingFor(int board, int row, int aboveValue) {
    switch ((board + 2 * row) % 9) {
    case 0:
        return {"42", true, 420};
    case 1:
        return {"-11", true, -110};
    case 2:
        return {"a", false, nsVulnerable(board) ? 600 : 400};
    case 3:
        return {"A", false, ewVulnerable(board) ? -600 : -400};
    case 4:
        return {"5", true, 50};
    case 5:
        return {"17'", false, -170};
    case 6:
        return row % 2 == 0 ? Typing{"\u00a7", false, 50} : Typing{"\u00bd", false, -50};
    case 7:
        if (row > 0 && aboveValue < 10000) return {",", false, aboveValue};
        return {"x", false, 200};
    default:
        return {"%+-", true, 10064};
    }
}

}  // namespace

class TestResultEntryEvening : public QObject {
    Q_OBJECT
private slots:
    void wholeEveningInRoundMode();
    void eveningWithoutGuideCard();
    void individualContest();
};

void TestResultEntryEvening::wholeEveningInRoundMode() {
    Window w;
    EntryDriver e{w};
    w.setUpContest(21, 7, 8, "8");
    const Contest& c = w.form->contest();
    QCOMPARE(c.playingTableCount, 3);
    ContestFixture ref;
    SetUpRequest fields;
    fields.boards = "21";
    fields.rounds = "7";
    fields.maxPair = "8";
    fields.byePair = "8";
    QCOMPARE(setUpContest(ref.c(), fields).message, std::string());

    w.press(QKeySequence(Qt::Key_F4));
    auto* grpRes = w.find<QGroupBox>("GrpRes");
    QVERIFY(grpRes->isVisible());
    QCOMPARE(grpRes->title(), QString(" Ge resultat per bricka (F7)"));
    QCOMPARE(e.panel().rowCount(), 3);
    QCOMPARE(e.focusName(), QString("EdScore0_0"));
    w.press(QKeySequence(Qt::Key_F7));
    QCOMPARE(grpRes->title(), QString(" Ge resultat per rond (F7)"));
    QCOMPARE(w.find<QLabel>("LblGivarNummer")->text(), QString(" 1      2       3"));
    // Board 2: North-South vulnerable; board 3: East-West.
    QCOMPARE(w.find<QLabel>("VulNs1")->palette().color(QPalette::Window), QColor(255, 0, 0));
    QCOMPARE(w.find<QLabel>("VulEw1")->palette().color(QPalette::Window), QColor(255, 255, 255));
    QCOMPARE(w.find<QLabel>("VulEw2")->palette().color(QPalette::Window), QColor(255, 0, 0));
    QCOMPARE(w.find<QLabel>("VulNs0")->palette().color(QPalette::Window), QColor(255, 255, 255));

    for (int round = 1; round <= 7; ++round) {
        const int first = 3 * (round - 1) + 1;
        QCOMPARE(e.panel().currentBoard(), first);
        QCOMPARE(w.find<QLabel>("LblGivNr")->text(), QString::number(first));

        if (round == 3) {
            // The pairs of the first table sat the other way round all round.
            const QString ns = e.ns(0)->text();
            const QString ew = e.ew(0)->text();
            w.dialogs.confirmAnswers << true;
            e.typeOver(e.ns(0), ew);
            QCOMPARE(e.background(e.ns(0)), QColor(255, 51, 51));  // typed twice for now
            QCOMPARE(e.focusName(), QString("EdEw0"));
            e.keys(ns);
            e.enter();
            QCOMPARE(w.dialogs.questions, QStringList{"Byta parnr f\u00f6r hela ronden?"});
            for (int b = first; b < first + 3; ++b) {
                QVERIFY(findResult(c.boards[b], ew.toInt(), ns.toInt()));
                BoardResult* r = findResult(ref.c().boards[b], ns.toInt(), ew.toInt());
                r->nsPair = ew.toInt();
                r->ewPair = ns.toInt();
            }
            QCOMPARE(e.ns(0)->text(), ew);
            QCOMPARE(e.focusName(), QString("EdScore0_0"));
        }
        if (round == 4) {
            // A pair number beyond the highest is erased; the row's slot goes until it is right.
            const QString ns = e.ns(1)->text();
            const int ew = e.ew(1)->text().toInt();
            e.typeOver(e.ns(1), "9");
            QCOMPARE(e.ns(1)->text(), QString());
            QVERIFY(!findResult(c.boards[first + 1], ns.toInt(), ew));
            e.typeOver(e.ns(1), ns);
            for (int b = first; b < first + 3; ++b) QVERIFY(findResult(c.boards[b], ns.toInt(), ew));
            EntryDriver::go(e.cell(0, 0));
        }

        std::map<std::pair<int, int>, int> typed;  // (row, column) -> value
        for (int r = 0; r < 3; ++r) {
            for (int k = 0; k < 3; ++k) {
                QCOMPARE(e.focusName(), QString("EdScore%1_%2").arg(r).arg(k));
                const int board = first + k;
                const Typing t = typingFor(board, r, r > 0 ? typed[{r - 1, k}] : 0);
                e.keys(t.keys);
                if (t.enter) e.enter();
                typed[{r, k}] = t.value;
                const int ns = e.ns(r)->text().toInt();
                const int ew = e.ew(r)->text().toInt();
                enter(ref.c(), board, ns, ew, t.value);
                QCOMPARE(findResult(c.boards[board], ns, ew)->nsScore, t.value);
            }
        }
        QCOMPARE(e.focusName(), QString("EdScore0_0"));

        if (round == 5) {
            // A number typed twice holds everything back and keeps the round from being left.
            const QString ns = e.ns(1)->text();
            e.typeOver(e.ns(1), e.ns(2)->text());
            QCOMPARE(e.background(e.ns(1)), QColor(255, 51, 51));
            QCOMPARE(e.background(e.ns(2)), QColor(255, 51, 51));
            e.key(Qt::Key_PageDown);
            QCOMPARE(w.dialogs.lastMessage(), QString("Fel i parnummer p\u00e5 bricka 13. VG kolla data"));
            QCOMPARE(e.panel().currentBoard(), 13);
            e.typeOver(e.ns(1), ns);  // put right: the round is laid again from the grid
            QCOMPARE(e.background(e.ns(1)), QColor(255, 255, 255));
            QCOMPARE(c.boards[14].resultCount, 3);
        }
        if (round < 7) e.key(Qt::Key_PageDown);
    }

    // A correction on an earlier board: F4 asks for the board and shows its round.
    w.dialogs.inputAnswers << QString("5");
    w.press(QKeySequence(Qt::Key_F4));
    QCOMPARE(w.dialogs.prompts.last(), QString("Ge resultat p\u00e5 giv|Giv nr: |1"));
    QCOMPARE(e.panel().currentBoard(), 4);
    QCOMPARE(e.focusName(), QString("EdScore0_0"));
    e.key(Qt::Key_Down);
    e.tab();
    QCOMPARE(e.focusName(), QString("EdScore1_1"));
    e.keys("17");
    e.enter();
    enter(ref.c(), 5, e.ns(1)->text().toInt(), e.ew(1)->text().toInt(), 170);

    compareBoards(c, ref.c());
    w.press(QKeySequence(Qt::Key_F9));
    QCOMPARE(w.find<TextPane>("UtTotal")->plainLines(), joined(standingsLines(ref.c())));
    QVERIFY(w.form->windowTitle().endsWith(" *"));
    QVERIFY(QFile::exists(w.path("vindelkast-aterstall.txt")));
    // Every result is in: the status line turns to printing, publishing and the archive.
    const QString next = w.find<QLabel>("LblBordStatus")->text();
    QVERIFY2(next.startsWith("Alla resultat \u00e4r inne: F9") && next.contains("Ctrl+Alt+P skriv ut"),
             qPrintable(next));

    // Table 2 sat the other way round in round 6: turned from the menu, taken back, made again.
    const QString typedStandings = w.find<TextPane>("UtTotal")->plainLines();
    const TableSeat seat = tableSeat(c, 2, 6, false);
    QVERIFY(!seat.boards.empty());
    for (int b : seat.boards) {
        BoardResult* r = findResult(ref.c().boards[b], seat.nsPair, seat.ewPair);
        // A score made at the table stays with the NS cards; an adjusted one goes with the pairs.
        std::swap(r->nsPair, r->ewPair);
        if (r->nsScore >= kAdjustedBase)
            setScore(*r, kAdjustedBase + r->nsScore % 10 * 10 + r->nsScore / 10 % 10);
        scoreBoard(ref.c().boards[b], ScoringRule{});
    }
    w.dialogs.inputAnswers << QString("2");  // the round left out: refused, nothing changes
    w.action("correction0")->trigger();
    QCOMPARE(w.dialogs.lastMessage(), QString("Skriv bord och rond, t.ex. 3 2"));
    QVERIFY(!w.action("undoAction")->text().contains("omv"));
    w.dialogs.inputAnswers << QString("2 6");
    w.action("correction0")->trigger();
    compareBoards(c, ref.c());
    QCOMPARE(w.find<TextPane>("UtTotal")->plainLines(), joined(standingsLines(ref.c())));
    QCOMPARE(w.action("undoAction")->text(), QString("\u00c5ngra: NS/\u00d6V omv\u00e4nda bord 2, rond 6"));
    w.press(QKeySequence("Ctrl+Z"));
    QCOMPARE(w.find<TextPane>("UtTotal")->plainLines(), typedStandings);
    w.press(QKeySequence("Ctrl+Y"));
    QCOMPARE(w.find<TextPane>("UtTotal")->plainLines(), joined(standingsLines(ref.c())));
}

void TestResultEntryEvening::eveningWithoutGuideCard() {
    Window w;
    EntryDriver e{w};
    w.press(QKeySequence(Qt::Key_F2));
    w.type("EdGivar", "6");
    w.type("EdRonder", "2");
    w.type("EdNrPar", "6");
    QTest::mouseClick(w.find<QCheckBox>("cBoxGuide"), Qt::LeftButton);
    QTest::mouseClick(w.find<QPushButton>("BtnKlar"), Qt::LeftButton);
    const Contest& c = w.form->contest();
    QVERIFY(c.setUpDone);
    QCOMPARE(c.boards[1].resultCount, 0);
    ContestFixture ref;
    setUp(ref.c(), 6, 2, 6);

    // Board 1, one board at a time: each pairing typed is laid over the round.
    w.press(QKeySequence(Qt::Key_F4));
    QCOMPARE(e.focusName(), QString("EdNs0"));
    const int pairs[3][2] = {{1, 2}, {3, 4}, {5, 6}};
    const char* scores[3] = {"42", "-5", "a"};
    const int values[3] = {420, -50, 400};
    for (int r = 0; r < 3; ++r) {
        QCOMPARE(e.focusName(), QString("EdNs%1").arg(r));
        e.keys(QString::number(pairs[r][0]));
        e.enter();
        QCOMPARE(e.focusName(), QString("EdEw%1").arg(r));
        e.keys(QString::number(pairs[r][1]));
        e.enter();
        QCOMPARE(e.focusName(), QString("EdScore%1_0").arg(r));
        e.keys(scores[r]);
        if (r < 2) e.enter();
        for (int b = 1; b <= 3; ++b)
            addResult(ref.c().boards[b], pairs[r][0], pairs[r][1], 1, kNoScore, 0, 0, true);
        enter(ref.c(), 1, pairs[r][0], pairs[r][1], values[r]);
    }
    QCOMPARE(e.focusName(), QString("EdScore0_0"));
    for (int b = 1; b <= 3; ++b) QCOMPARE(c.boards[b].resultCount, 3);
    QCOMPARE(c.boards[4].resultCount, 0);

    // Boards 2 and 3 show the copied pairings; scores typed down the column.
    for (int b = 2; b <= 3; ++b) {
        e.key(Qt::Key_PageDown);
        QCOMPARE(e.panel().currentBoard(), b);
        QCOMPARE(e.ns(2)->text(), QString("5"));
        for (int r = 0; r < 3; ++r) {
            e.keys(QString::number(b * 10 + r));
            e.enter();
            enter(ref.c(), b, pairs[r][0], pairs[r][1], (b * 10 + r) * 10);
        }
    }

    // Round 2, side by side, with two pairings typed wrong and put right.
    e.key(Qt::Key_PageDown);
    QCOMPARE(e.panel().currentBoard(), 4);
    w.press(QKeySequence(Qt::Key_F7));
    QCOMPARE(w.find<QGroupBox>("GrpRes")->title(), QString(" Ge resultat per rond (F7)"));
    QCOMPARE(e.focusName(), QString("EdNs0"));
    const int typedPairs[3][2] = {{1, 4}, {3, 6}, {5, 2}};
    for (int r = 0; r < 3; ++r) {
        e.keys(QString::number(typedPairs[r][0]));
        e.enter();
        e.keys(QString::number(typedPairs[r][1]));
        e.enter();
        for (int k = 0; k < 3; ++k) {
            QCOMPARE(e.focusName(), QString("EdScore%1_%2").arg(r).arg(k));
            e.keys(QString::number(r + k + 1));
            e.enter();
        }
    }
    QCOMPARE(findResult(c.boards[6], 3, 6)->nsScore, 400);
    // 3 played 2 and 5 played 6: the EW numbers of rows 1 and 2 change places.
    e.typeOver(e.ew(1), "2");
    QCOMPARE(e.background(e.ew(2)), QColor(255, 51, 51));
    QVERIFY(findResult(c.boards[4], 3, 6));  // nothing committed while typed twice
    e.typeOver(e.ew(2), "6");
    const int rightPairs[3][2] = {{1, 4}, {3, 2}, {5, 6}};
    for (int b = 4; b <= 6; ++b) {
        QCOMPARE(c.boards[b].resultCount, 3);
        for (int r = 0; r < 3; ++r) {
            const int ns = rightPairs[r][0];
            const int ew = rightPairs[r][1];
            addResult(ref.c().boards[b], ns, ew, 2, kNoScore, 0, 0, true);
            const int value = expandTypedScore(r + (b - 4) + 1);
            enter(ref.c(), b, ns, ew, value);
        }
    }
    compareBoards(c, ref.c());

    // Leaving the round is allowed now; the round result follows the board shown.
    w.press(QKeySequence(Qt::Key_F10));
    QCOMPARE(w.find<QLabel>("LblRond")->text(), QString("Resultat rond 2"));
    e.key(Qt::Key_PageUp);
    QCOMPARE(e.panel().currentBoard(), 1);
    QCOMPARE(w.find<QLabel>("LblRond")->text(), QString("Resultat rond 1"));
    w.press(QKeySequence(Qt::Key_F9));
    QCOMPARE(w.find<TextPane>("UtTotal")->plainLines(), joined(standingsLines(ref.c())));
}

void TestResultEntryEvening::individualContest() {
    Window w;
    EntryDriver e{w};
    w.copyExample("individuell8.sco", "ind.sco");
    w.dialogs.fileNames << w.path("ind.sco");
    w.press(QKeySequence("Ctrl+O"));
    const Contest& c = w.form->contest();
    QVERIFY(c.isIndividual);
    Contest ref;
    ref.reset(w.form->memberRegister());
    std::ifstream in(w.path("ind.sco").toStdString(), std::ios::binary);
    QVERIFY(readContestFile(ref, in).kind != ContestReadResult::Kind::NotContest);

    w.press(QKeySequence(Qt::Key_F4));
    auto* heading = w.find<QLabel>("LblResNE");
    QCOMPARE(heading->text(), QString("N    S  -    \u00d6    V"));
    QVERIFY(heading->width() >= heading->sizeHint().width());  // all four headings show
    QCOMPARE(e.panel().rowCount(), 2);
    // North, South, East, West: 8, 1, 2, 7 at the first table of board 1.
    QCOMPARE(e.ns(0)->text(), QString("8"));
    QCOMPARE(e.nsPartner(0)->text(), QString("1"));
    QCOMPARE(e.ew(0)->text(), QString("2"));
    QCOMPARE(e.ewPartner(0)->text(), QString("7"));
    QCOMPARE(e.ewPartner(0)->x(), 130);
    QCOMPARE(e.cell(0, 0)->x(), 200);
    QCOMPARE(e.cell(0, 0)->text(), QString("50"));

    // Enter follows the slip: North, East, South, West, then the score.
    EntryDriver::go(e.ns(0));
    for (const char* next : {"EdEw0", "EdNsPartner0", "EdEwPartner0", "EdScore0_0"}) {
        e.enter();
        QCOMPARE(e.focusName(), QString(next));
    }

    // Round 7 side by side: every score typed again, and South and West change places.
    w.dialogs.inputAnswers << QString("19");
    w.press(QKeySequence(Qt::Key_F4));
    w.press(QKeySequence(Qt::Key_F7));
    QCOMPARE(e.panel().currentBoard(), 19);
    QVERIFY(e.panel().roundMode());
    // South 5 and West 4 change places; 4 is typed twice until West is put right.
    e.typeOver(e.nsPartner(1), "4");
    QCOMPARE(e.background(e.ewPartner(1)), QColor(255, 51, 51));
    e.typeOver(e.ewPartner(1), "5");
    for (int b = 19; b <= 21; ++b) {
        BoardResult* r = findResult(ref.boards[b], 2, 3);
        r->nsPlayer2 = 4;
        r->ewPlayer2 = 5;
        QCOMPARE(findResult(c.boards[b], 2, 3)->nsPlayer2, 4);
    }
    EntryDriver::go(e.cell(0, 0));
    // The cells show the scores read from the file, selected as the focus arrives: a minus
    // sign there would turn the old score round, so the apostrophe does it after typing.
    const char* keys[2][3] = {{"62", "b", "43'"}, {"G", "1", "M"}};
    const bool withEnter[2][3] = {{true, false, false}, {false, true, false}};
    const int values[2][3] = {{620, 500, -430}, {-650, 100, -800}};
    for (int r = 0; r < 2; ++r)
        for (int k = 0; k < 3; ++k) {
            QCOMPARE(e.focusName(), QString("EdScore%1_%2").arg(r).arg(k));
            e.keys(keys[r][k]);
            if (withEnter[r][k]) e.enter();
            enter(ref, 19 + k, e.ns(r)->text().toInt(), e.ew(r)->text().toInt(), values[r][k]);
        }
    // 620 for a side not vulnerable on board 19 (East-West vulnerable) was questioned.
    QVERIFY(w.dialogs.messages.contains("Troligen fel resultat i ozon"));
    compareBoards(c, ref);
    w.press(QKeySequence(Qt::Key_F9));
    QCOMPARE(w.find<TextPane>("UtTotal")->plainLines(), joined(standingsLines(ref)));
}

QTEST_MAIN(TestResultEntryEvening)
#include "test_result_entry_evening.moc"
