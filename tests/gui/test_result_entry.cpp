// The entry panel piece by piece: its grid, the shortcuts, the checks and the messages.
#include <QLabel>
#include <QPushButton>

#include "test_result_entry_driver.h"

using namespace vindelkast;
using namespace vindelkast::test;

namespace {

const QColor kYellow(255, 255, 0);
const QColor kLime(0, 255, 0);
const QColor kBlue(0, 0, 255);
const QString kMixed =
    "Ronden inneh\u00e5ller olika parm\u00f6ten (fel eller ej)\ns\u00e5 endast enbricksinmatning "
    "till\u00e5ten";

}  // namespace

class TestResultEntry : public QObject {
    Q_OBJECT
private slots:
    void refusedBeforeSetUpOrWithoutTables();
    void gridLayoutTagsAndTabOrder();
    void scoreShortcutsFollowTheVulnerability();
    void arrowKeysAndPaging();
    void otherSeatingAnsweredNo();
    void mixedPairingsKeepOneBoard();
};

void TestResultEntry::refusedBeforeSetUpOrWithoutTables() {
    Window w;
    w.press(QKeySequence(Qt::Key_F4));
    QCOMPARE(w.dialogs.lastMessage(), QString("Starta upp t\u00e4vlingen f\u00f6rst"));
    w.press(QKeySequence(Qt::Key_F7));
    QCOMPARE(w.dialogs.messages.size(), 2);
    QVERIFY(!w.find<QWidget>("GrpRes")->isVisible());
    QVERIFY(!w.form->entry().gridBuilt());

    w.setUpContest(4, 2, 1);  // one player and a bye: no table in play
    QVERIFY2(w.form->contest().setUpDone, qPrintable(w.dialogs.messages.join('|')));
    w.press(QKeySequence(Qt::Key_F4));
    QCOMPARE(w.dialogs.lastMessage(), QString("Antal resultat ej satt, kan inte ge resultat"));
    QVERIFY(!w.find<QWidget>("GrpRes")->isVisible());
}

void TestResultEntry::gridLayoutTagsAndTabOrder() {
    Window w;
    EntryDriver e{w};
    w.openExample("kv\u00e4ll8.sco");
    const Contest& c = w.form->contest();
    QCOMPARE(c.boardsPerRound, 3);
    w.press(QKeySequence(Qt::Key_F4));
    auto* grp = w.find<QGroupBox>("GrpRes");
    QVERIFY(grp->isVisible());
    QVERIFY(w.find<QWidget>("ProgressCaption")->isVisible());
    QCOMPARE(grp->title(), QString(" Ge resultat per bricka (F7)"));
    QCOMPARE(e.panel().rowCount(), 3);
    QCOMPARE(e.ns(1)->geometry(), QRect(25, 135, 30, 24));
    QCOMPARE(e.ew(1)->geometry(), QRect(60, 135, 30, 24));
    QCOMPARE(e.cell(1, 2)->geometry(), QRect(320, 135, 70, 24));
    QCOMPARE(e.swapBox(2)->geometry(), QRect(95, 160, 45, 24));
    QCOMPARE(e.ns(2)->property("tag").toInt(), 20);
    QCOMPARE(e.ew(2)->property("tag").toInt(), 21);
    QCOMPARE(e.cell(2, 2)->property("tag").toInt(), 22);
    QCOMPARE(w.find<QLabel>("VulNs1")->geometry(), QRect(245, 102, 35, 8));
    QCOMPARE(w.find<QLabel>("VulEw1")->geometry(), QRect(280, 102, 35, 8));
    QCOMPARE(w.find<QLabel>("LblResNE")->x(), 25);
    QCOMPARE(grp->size(), QSize(265, 184 + 30));
    QVERIFY(!e.cell(0, 1)->isVisible());

    // Board 1 of the file: 6-5 -180, 4-2 -430, 7-3 50.
    QCOMPARE(e.ns(0)->text(), QString("6"));
    QCOMPARE(e.cell(0, 0)->text(), QString("-180"));
    QCOMPARE(e.ink(e.cell(0, 0)), kLime);
    QCOMPARE(e.ink(e.cell(2, 0)), kBlue);
    QCOMPARE(e.focusName(), QString("EdScore0_0"));
    QVERIFY(e.scoreTables().startsWith("    Bricka 1\n"));

    // Tab runs row by row: NS, EW, then the score cells that are shown.
    EntryDriver::go(e.ns(0));
    for (const char* next : {"EdEw0", "EdScore0_0", "EdNs1"}) {
        e.tab();
        QCOMPARE(e.focusName(), QString(next));
    }

    w.press(QKeySequence(Qt::Key_F7));
    QCOMPARE(grp->title(), QString(" Ge resultat per rond (F7)"));
    QCOMPARE(grp->width(), 170 + 2 * 75 + 70 + 25);
    QCOMPARE(w.find<QLabel>("LblGivarNummer")->text(), QString(" 1      2       3"));
    QVERIFY(e.cell(2, 2)->isVisible());
    EntryDriver::go(e.cell(0, 0));
    for (const char* next : {"EdScore0_1", "EdScore0_2", "EdNs1"}) {
        e.tab();
        QCOMPARE(e.focusName(), QString(next));
    }
    // Three boards a round: the standings stand under the grid; the score tables beside it.
    auto* total = w.find<QWidget>("UtTotal");
    QCOMPARE(total->x(), 8);
    QCOMPARE(total->y(), e.panel().panelGeometry().bottom() + 1 + 40);
    w.press(QKeySequence(Qt::Key_F5));
    QVERIFY(w.find<QWidget>("ScoreTables")->x() >= e.panel().panelGeometry().right() + 10);
}

void TestResultEntry::scoreShortcutsFollowTheVulnerability() {
    Window w;
    EntryDriver e{w};
    w.setUpContest(21, 7, 8, "8");
    const Contest& c = w.form->contest();
    w.press(QKeySequence(Qt::Key_F4));
    const auto slot = [&](int r) { return std::pair{e.ns(r)->text().toInt(), e.ew(r)->text().toInt()}; };
    const auto stored = [&](int board, int r) { return score(c, board, slot(r).first, slot(r).second); };

    // Board 1, nobody vulnerable. A comma in the first row is only a comma.
    QCOMPARE(e.focusName(), QString("EdScore0_0"));
    e.keys(",");
    QCOMPARE(e.cell(0, 0)->text(), QString(","));
    QCOMPARE(stored(1, 0), kNoScore);
    EntryDriver::go(e.cell(0, 0));
    e.keys("42");
    e.enter();
    QCOMPARE(e.cell(0, 0)->text(), QString("420"));
    QCOMPARE(stored(1, 0), 420);
    QCOMPARE(e.focusName(), QString("EdScore1_0"));
    e.keys(",");  // the score above
    QCOMPARE(stored(1, 1), 420);
    e.keys(".");  // the most frequent score of the board
    QCOMPARE(stored(1, 2), 420);
    QCOMPARE(e.focusName(), QString("EdScore0_0"));
    e.keys("'");  // turned round
    QCOMPARE(stored(1, 0), -420);
    QCOMPARE(e.cell(0, 0)->text(), QString("-420"));
    QCOMPARE(e.ink(e.cell(0, 0)), kLime);
    e.keys("+");  // a digit first: a minus sign in front
    QCOMPARE(stored(1, 1), -420);
    e.keys("p");  // no shortcut
    QCOMPARE(e.cell(2, 0)->text(), QString("p"));
    QCOMPARE(stored(1, 2), 420);
    e.enter();
    QCOMPARE(stored(1, 2), kNoScore);
    QCOMPARE(e.ink(e.cell(2, 0)), kLime);
    e.keys("\u00a7");
    QCOMPARE(stored(1, 0), 50);
    e.keys("\u00bd");
    QCOMPARE(stored(1, 1), -50);
    e.keys("M");
    QCOMPARE(stored(1, 2), -800);
    QCOMPARE(w.dialogs.messages.size(), 0);

    // "455" grows to 4550 as any typed number does; no contract gives it, so the cell is
    // questioned and the nearest possible scores named. The director decides: it is stored.
    const QColor warning(212, 208, 200);
    QCOMPARE(e.focusName(), QString("EdScore0_0"));
    e.keys("455");
    e.enter();
    QCOMPARE(stored(1, 0), 4550);
    QCOMPARE(e.cell(0, 0)->text(), QString("4550"));
    QCOMPARE(w.dialogs.messages,
             QStringList{"Inget kontrakt ger 4550. N\u00e4rmaste m\u00f6jliga resultat: 4000 och 4600"});
    QCOMPARE(e.background(e.cell(0, 0)), warning);
    // "abc" are three letter shortcuts, each a score some contract gives: not a word. The
    // third lands on the first row again and takes the doubtful score's place.
    QCOMPARE(e.focusName(), QString("EdScore1_0"));
    for (const char* key : {"a", "b", "c"}) e.keys(key);  // each to the cell the focus went to
    QCOMPARE(stored(1, 1), 400);
    QCOMPARE(stored(1, 2), 500);
    QCOMPARE(stored(1, 0), 300);
    QCOMPARE(e.background(e.cell(0, 0)), kWhite);
    EntryDriver::go(e.cell(2, 0));
    e.keys("455");
    e.keys("-");  // after the digits: a minus sign in front, and stored
    QCOMPARE(stored(1, 2), -4550);
    QCOMPARE(w.dialogs.lastMessage(),
             QString("Inget kontrakt ger -4550. N\u00e4rmaste m\u00f6jliga resultat: -4600 och -4000"));
    // Shown again later, the stored doubtful score keeps the light grey of doubt.
    e.key(Qt::Key_PageDown);
    e.key(Qt::Key_PageUp);
    QCOMPARE(e.background(e.cell(2, 0)), QColor(204, 204, 204));
    QCOMPARE(e.background(e.cell(1, 0)), kWhite);
    QCOMPARE(w.dialogs.messages.size(), 2);

    // Board 2, North-South vulnerable.
    e.key(Qt::Key_PageDown);
    QCOMPARE(e.panel().currentBoard(), 2);
    e.keys("a");
    QCOMPARE(stored(2, 0), 600);
    QCOMPARE(e.ink(e.cell(0, 0)), kBlue);
    e.keys("A");
    QCOMPARE(stored(2, 1), -400);
    e.keys("%+-");
    e.enter();
    QCOMPARE(stored(2, 2), 10064);
    QCOMPARE(e.cell(2, 0)->text(), QString("%+-"));
    QCOMPARE(e.ink(e.cell(2, 0)), kBlue);
    QCOMPARE(w.dialogs.messages.size(), 2);

    // Board 3, East-West vulnerable: 620 for North-South is questioned and stored all the same.
    e.key(Qt::Key_PageDown);
    e.keys("62");
    e.enter();
    QCOMPARE(w.dialogs.lastMessage(), QString("Troligen fel resultat i ozon"));
    QCOMPARE(stored(3, 0), 620);
    QCOMPARE(e.background(e.cell(0, 0)), warning);
    e.keys("65");
    e.enter();
    QCOMPARE(stored(3, 1), 650);
    QCOMPARE(w.dialogs.messages.size(), 3);
    QCOMPARE(e.background(e.cell(1, 0)), kWhite);
    // Filled again later, the doubtful score has the light grey background.
    e.key(Qt::Key_PageUp);
    e.key(Qt::Key_PageDown);
    QCOMPARE(e.background(e.cell(0, 0)), QColor(204, 204, 204));
    // An empty cell left with Enter takes the score away again.
    EntryDriver::go(e.cell(1, 0));
    e.key(Qt::Key_Delete);
    e.enter();
    QCOMPARE(stored(3, 1), kNoScore);
    QCOMPARE(findResult(c.boards[3], slot(0).first, slot(0).second)->nsPoints, 0.0f);
}

void TestResultEntry::arrowKeysAndPaging() {
    Window w;
    EntryDriver e{w};
    w.setUpContest(21, 7, 8, "8");
    w.press(QKeySequence(Qt::Key_F4));
    // Up from the first row and Down from the last row go nowhere.
    e.key(Qt::Key_Up);
    QCOMPARE(e.focusName(), QString("EdScore0_0"));
    e.key(Qt::Key_Down);
    e.key(Qt::Key_Down);
    e.key(Qt::Key_Down);
    QCOMPARE(e.focusName(), QString("EdScore2_0"));
    EntryDriver::go(e.ew(2));
    e.key(Qt::Key_Up);
    QCOMPARE(e.focusName(), QString("EdEw1"));
    e.key(Qt::Key_Down);
    QCOMPARE(e.focusName(), QString("EdEw2"));

    // Paging past the first and the last board changes nothing.
    e.key(Qt::Key_PageUp);
    QCOMPARE(e.panel().currentBoard(), 1);
    w.press(QKeySequence(Qt::Key_F7));
    for (int i = 0; i < 8; ++i) e.key(Qt::Key_PageDown);
    QCOMPARE(e.panel().currentBoard(), 19);
    QCOMPARE(w.find<QLabel>("LblGivNr")->text(), QString("19"));
    QVERIFY(w.dialogs.messages.isEmpty());

    // A row whose pairs the board does not hold keeps the director on the board.
    const QString ew = e.ew(0)->text();
    e.typeOver(e.ew(0), e.ew(1)->text());
    e.key(Qt::Key_PageUp);
    QCOMPARE(w.dialogs.lastMessage(), QString("Fel i parnummer p\u00e5 bricka 19. VG kolla data"));
    QCOMPARE(e.panel().currentBoard(), 19);
    e.typeOver(e.ew(0), ew);
    e.key(Qt::Key_PageUp);
    QCOMPARE(e.panel().currentBoard(), 16);
    QCOMPARE(w.dialogs.messages.size(), 1);
    // The buttons do the same.
    QTest::mouseClick(w.find<QPushButton>("BtnNext"), Qt::LeftButton);
    QCOMPARE(e.panel().currentBoard(), 19);
    QTest::mouseClick(w.find<QPushButton>("BtnPrev"), Qt::LeftButton);
    QCOMPARE(e.panel().currentBoard(), 16);
}

void TestResultEntry::otherSeatingAnsweredNo() {
    Window w;
    EntryDriver e{w};
    w.setUpContest(21, 7, 8, "8");
    const Contest& c = w.form->contest();
    w.press(QKeySequence(Qt::Key_F4));
    w.press(QKeySequence(Qt::Key_F7));
    const int ns = e.ns(1)->text().toInt();
    const int ew = e.ew(1)->text().toInt();
    w.dialogs.confirmAnswers << false;
    e.typeOver(e.ns(1), QString::number(ew));
    e.keys(QString::number(ns));
    e.enter();
    QCOMPARE(w.dialogs.questions, QStringList{"Byta parnr f\u00f6r hela ronden?"});
    QCOMPARE(w.dialogs.lastMessage(), QString("Anv\u00e4nd enbricksinmatning f\u00f6r denna rond"));
    QVERIFY(findResult(c.boards[1], ew, ns));
    QVERIFY(findResult(c.boards[2], ns, ew));
    QVERIFY(findResult(c.boards[3], ns, ew));

    // The row shows the pairs as on board 1, the swap box and where they sit otherwise.
    QCOMPARE(e.ns(1)->text(), QString::number(ew));
    QVERIFY(e.swapBox(1)->isVisible());
    QCOMPARE(e.swapBox(1)->text(), QString("%1-%2").arg(ns).arg(ew));
    QCOMPARE(e.background(e.ns(1)), kYellow);
    QCOMPARE(e.background(e.cell(1, 0)), kYellow);
    QCOMPARE(e.background(e.cell(1, 1)), kLime);
    QCOMPARE(e.background(e.ns(0)), kWhite);
    QVERIFY(!e.swapBox(0)->isVisible());

    // A score typed for board 2 belongs to the pair sitting North-South there.
    EntryDriver::go(e.cell(1, 1));
    e.keys("b");
    QCOMPARE(score(c, 2, ns, ew), 500);
    QCOMPARE(e.ink(e.cell(1, 1)), QColor(0, 0, 0));
    e.key(Qt::Key_PageDown);
    QCOMPARE(e.panel().currentBoard(), 4);
    QCOMPARE(w.dialogs.messages.size(), 1);
}

void TestResultEntry::mixedPairingsKeepOneBoard() {
    Window w;
    EntryDriver e{w};
    setUpWithoutGuideCard(w, 6, 2, 4);
    const Contest& c = w.form->contest();
    w.press(QKeySequence(Qt::Key_F4));
    typePairs(e, {{1, 2}, {3, 4}});
    QCOMPARE(c.boards[3].resultCount, 2);
    // Board 2 was played 1-3 and 2-4: only that board changes.
    e.key(Qt::Key_PageDown);
    e.typeOver(e.ew(0), "3");
    QCOMPARE(e.background(e.ns(1)), kLightRed);
    e.typeOver(e.ns(1), "2");
    QVERIFY(findResult(c.boards[2], 1, 3));
    QVERIFY(findResult(c.boards[2], 2, 4));
    QVERIFY(findResult(c.boards[3], 1, 2));
    w.press(QKeySequence(Qt::Key_F7));
    QCOMPARE(w.dialogs.lastMessage(), kMixed);
    QVERIFY(!e.panel().roundMode());

    // Round 2 side by side; paging back into round 1 turns to one board.
    e.key(Qt::Key_PageDown);
    e.key(Qt::Key_PageDown);
    QCOMPARE(e.panel().currentBoard(), 4);
    w.press(QKeySequence(Qt::Key_F7));
    QVERIFY(e.panel().roundMode());
    typePairs(e, {{1, 4}, {2, 3}});
    e.key(Qt::Key_PageUp);
    QCOMPARE(w.dialogs.lastMessage(), kMixed);
    QCOMPARE(w.dialogs.messages.count(kMixed), 2);
    QVERIFY(!e.panel().roundMode());
    QCOMPARE(e.panel().currentBoard(), 1);
    QCOMPARE(w.find<QGroupBox>("GrpRes")->title(), QString(" Ge resultat per bricka (F7)"));
}

QTEST_MAIN(TestResultEntry)
#include "test_result_entry.moc"
