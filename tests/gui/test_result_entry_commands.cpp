// The entry panel and the rest of the window: the result order, grids of every size,
// numbers that are no pairs, menu commands that store what was typed, hiding and the
// compute mark.
#include <QFocusEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>

#include "app/widget_colours.h"
#include "test_result_entry_driver.h"

using namespace vindelkast;
using namespace vindelkast::test;

class TestResultEntryCommands : public QObject {
    Q_OBJECT
private slots:
    void resultOrderRefillsTheGrid();
    void gridFitsEveryContest();
    void numbersThatAreNoPairs();
    void commandsStoreWhatWasTyped();
    void hideReopenAndTheComputeMark();
};

void TestResultEntryCommands::resultOrderRefillsTheGrid() {
    Window w;
    EntryDriver e{w};
    w.openExample("kv\u00e4ll8.sco");
    w.press(QKeySequence(Qt::Key_F4));
    auto* caption = w.find<QLabel>("LblResorder");
    QCOMPARE(caption->text(), QString("Bords/spelordning (F6)"));
    QCOMPARE(caption->y(), w.find<QWidget>("GrpRes")->height() - 22);
    w.press(QKeySequence(Qt::Key_F6));
    QCOMPARE(caption->text(), QString("Parnr-ordning NS (F6)"));
    QVERIFY(e.ns(0)->text().toInt() < e.ns(1)->text().toInt());
    QVERIFY(e.ns(1)->text().toInt() < e.ns(2)->text().toInt());
    w.press(QKeySequence(Qt::Key_F6));
    QCOMPARE(caption->text(), QString("Resultatordning (F6)"));
    QVERIFY(e.cell(0, 0)->text().toInt() >= e.cell(1, 0)->text().toInt());
    QVERIFY(e.cell(1, 0)->text().toInt() >= e.cell(2, 0)->text().toInt());
    w.press(QKeySequence(Qt::Key_F6));
    QCOMPARE(caption->text(), QString("Bords/spelordning (F6)"));
    QCOMPARE(e.ns(0)->text(), QString("6"));

    // A barometer contest is entered in pair-number order; F6 opens entry the first time.
    Window b;
    b.press(QKeySequence(Qt::Key_F2));
    QTest::mouseClick(b.find<QCheckBox>("ChkBarometer"), Qt::LeftButton);
    b.setUpContest(21, 7, 8, "8");
    b.press(QKeySequence(Qt::Key_F6));
    QVERIFY(b.find<QWidget>("GrpRes")->isVisible());
    QCOMPARE(b.form->contest().resultOrder, 2);  // opened in pair order, then stepped once
    QCOMPARE(b.find<QLabel>("LblResorder")->text(), QString("Resultatordning (F6)"));
}

void TestResultEntryCommands::gridFitsEveryContest() {
    Window w;
    EntryDriver e{w};
    w.setUpContest(21, 7, 8, "8");
    w.press(QKeySequence(Qt::Key_F4));
    QCOMPARE(e.panel().rowCount(), 3);
    // More tables in play (as after a drawn round): the grid is built again when refilled.
    w.form->session().choose([](Contest& c) { c.playingTableCount = 4; });
    w.press(QKeySequence(Qt::Key_F6));
    QCOMPARE(e.panel().rowCount(), 4);
    QVERIFY(e.ns(3)->isVisible());

    // A larger contest after a clear gets its own grid, opened on one board.
    w.press(QKeySequence("Ctrl+Alt+R"));
    setUpWithoutGuideCard(w, 24, 8, 72);
    w.press(QKeySequence(Qt::Key_F4));
    QCOMPARE(e.panel().rowCount(), 36);
    QVERIFY(!e.panel().roundMode());
    QCOMPARE(e.focusName(), QString("EdNs0"));
    // The last table is within reach: the panel scrolls to it.
    e.typeOver(e.ns(35), "71");
    e.typeOver(e.ew(35), "72");
    QVERIFY(findResult(w.form->contest().boards[3], 71, 72));
    QCOMPARE(e.focusName(), QString("EdScore35_0"));
    QVERIFY(w.find<QScrollArea>("GrpResFrame")->verticalScrollBar()->value() > 0);

    // Nine boards a round: one board at a time, and paging steps one board.
    w.press(QKeySequence("Ctrl+Alt+R"));  // "save first?" answered no
    setUpWithoutGuideCard(w, 18, 2, 8);
    w.press(QKeySequence(Qt::Key_F4));
    w.press(QKeySequence(Qt::Key_F7));
    QVERIFY(!e.panel().roundMode());
    QVERIFY(w.dialogs.lastMessage().startsWith("Ronden har fler \u00e4n 8 brickor"));
    typePairs(e, {{1, 2}, {3, 4}, {5, 6}, {7, 8}});
    e.key(Qt::Key_PageDown);
    QCOMPARE(e.panel().currentBoard(), 2);
    QCOMPARE(e.ns(3)->text(), QString("7"));  // copied over the round of nine
    QVERIFY(findResult(w.form->contest().boards[9], 7, 8));
    QVERIFY(!findResult(w.form->contest().boards[10], 7, 8));
}

void TestResultEntryCommands::numbersThatAreNoPairs() {
    Window w;
    EntryDriver e{w};
    setUpWithoutGuideCard(w, 6, 2, 8);
    const Contest& c = w.form->contest();
    w.press(QKeySequence(Qt::Key_F4));
    // Rows in any order, numbers beyond the contest and the arrays, texts, zero.
    e.typeOver(e.ns(3), "7");
    e.typeOver(e.ew(3), "8");
    e.typeOver(e.ns(0), "99");
    QCOMPARE(e.ns(0)->text(), QString());
    e.typeOver(e.ns(0), "80000000000");
    QCOMPARE(e.background(e.ns(0)), kLightRed);
    e.typeOver(e.ns(0), "x");
    QCOMPARE(e.background(e.ns(0)), kLightRed);
    e.typeOver(e.ns(0), "0");
    QCOMPARE(e.background(e.ns(0)), kLightRed);
    e.typeOver(e.ns(0), "1");
    QCOMPARE(e.background(e.ns(0)), kWhite);
    e.typeOver(e.ew(0), "2");
    QCOMPARE(c.boards[1].resultCount, 2);
    QVERIFY(findResult(c.boards[2], 7, 8));
    // Scores only go where a row has a slot.
    EntryDriver::go(e.cell(1, 0));
    e.keys("42");
    e.enter();
    QCOMPARE(countScored(c.boards[1]), 0);
    EntryDriver::go(e.cell(3, 0));
    e.keys("4a");  // a letter after digits is still a shortcut
    QCOMPARE(score(c, 1, 7, 8), 400);
    // Four digits grow beyond the bridge scores: not stored, and the cell does not pretend.
    EntryDriver::go(e.cell(3, 0));
    e.keys("1234");
    e.enter();
    QCOMPARE(score(c, 1, 7, 8), kNoScore);
    QCOMPARE(e.cell(3, 0)->text(), QString());
    QCOMPARE(w.dialogs.lastMessage(), QString("Ogiltigt resultat: 12340"));

    // Emptying a number takes the row's slot off the board (off the round in round mode).
    e.typeOver(e.ew(3), "");
    QVERIFY(!findResult(c.boards[1], 7, 8));
    QCOMPARE(c.boards[1].resultCount, 1);
    QVERIFY(findResult(c.boards[2], 7, 8));
    w.press(QKeySequence(Qt::Key_F7));
    e.typeOver(e.ew(0), "");
    for (int b = 1; b <= 3; ++b) QVERIFY(!findResult(c.boards[b], 1, 2));
    QVERIFY(w.form->windowTitle().endsWith(" *"));
}

void TestResultEntryCommands::commandsStoreWhatWasTyped() {
    Window w;
    EntryDriver e{w};
    w.setUpContest(21, 7, 8, "8");
    const Contest& c = w.form->contest();
    w.press(QKeySequence(Qt::Key_F4));
    const int ns = e.ns(0)->text().toInt();
    const int ew = e.ew(0)->text().toInt();
    e.keys("42");
    w.press(QKeySequence(Qt::Key_F9));  // the standings must count it
    QCOMPARE(score(c, 1, ns, ew), 420);
    QVERIFY(w.find<TextPane>("UtTotal")->isVisible());
    EntryDriver::go(e.cell(1, 0));
    e.keys("5");
    w.press(QKeySequence(Qt::Key_F7));
    QCOMPARE(score(c, 1, e.ns(1)->text().toInt(), e.ew(1)->text().toInt()), 50);
    QCOMPARE(e.cell(1, 0)->text(), QString("50"));

    // Another window (or a message) in between does not count as leaving the cell.
    EntryDriver::go(e.cell(2, 0));
    e.keys("11");
    QFocusEvent away(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(e.cell(2, 0), &away);
    QFocusEvent back(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(e.cell(2, 0), &back);
    const int ns2 = e.ns(2)->text().toInt();
    const int ew2 = e.ew(2)->text().toInt();
    QCOMPARE(score(c, 1, ns2, ew2), kNoScore);
    e.key(Qt::Key_Up);  // leaving it now stores it
    QCOMPARE(score(c, 1, ns2, ew2), 110);
    EntryDriver::go(e.cell(2, 0));
    e.key(Qt::Key_Delete);
    e.enter();

    // The progress grid colours board 1 red, then blue when every table has a score.
    auto* cell1 = w.find<QLabel>("ProgressCell1");
    QCOMPARE(backgroundOf(cell1), viewColour(Colour::Red));
    EntryDriver::go(e.cell(2, 0));
    e.keys("j");
    QCOMPARE(backgroundOf(cell1), viewColour(Colour::Blue));

    // The window's print keys win in the grid, over a score typed but not yet stored, and
    // the grid keeps its own keys.
    EntryDriver::go(e.cell(2, 0));
    e.keys("45");
    const int prompts = w.dialogs.prompts.size();
    e.key(Qt::Key_P, Qt::ControlModifier | Qt::AltModifier);
    QCOMPARE(w.dialogs.prompts.mid(prompts),
             QStringList{"Utskrift slutresultat|Hur m\u00e5nga utskrifter: |"});
    QCOMPARE(score(c, 1, ns2, ew2), 450);
    EntryDriver::go(e.cell(2, 0));
    e.keys("'");
    QCOMPARE(score(c, 1, ns2, ew2), -450);
}

void TestResultEntryCommands::hideReopenAndTheComputeMark() {
    Window w;
    EntryDriver e{w};
    w.setUpContest(21, 7, 8, "8");
    w.press(QKeySequence(Qt::Key_F4));
    w.press(QKeySequence(Qt::Key_F5));
    w.press(QKeySequence(Qt::SHIFT | Qt::Key_F12));
    auto* marker = w.find<QLabel>("DebugMarker");
    QCOMPARE(marker->text(), QString("."));
    e.keys("x");
    QCOMPARE(marker->text(), QString(". CALC"));
    QVERIFY(!w.find<QPushButton>("BtnCalc")->isVisible());
    w.find<QPushButton>("BtnCalc")->click();  // no score cell: only the mark
    QCOMPARE(marker->text(), QString(". CALC CALC"));
    QCOMPARE(countScored(w.form->contest().boards[1]), 1);
    // Hidden, the mark stays as it was: it does not grow with every score of the evening.
    w.press(QKeySequence(Qt::SHIFT | Qt::Key_F12));
    QVERIFY(!marker->isVisible());
    w.find<QPushButton>("BtnCalc")->click();
    QCOMPARE(marker->text(), QString("."));

    w.press(QKeySequence(Qt::SHIFT | Qt::Key_F4));
    QVERIFY(!w.find<QWidget>("GrpRes")->isVisible());
    QVERIFY(!w.find<QWidget>("ScoreTables")->isVisible());
    // Opened again: the board after the last one with scores is proposed; cancel keeps board 1.
    w.press(QKeySequence(Qt::Key_F4));
    QCOMPARE(w.dialogs.prompts.last(), QString("Ge resultat p\u00e5 giv|Giv nr: |2"));
    QVERIFY(w.find<QWidget>("GrpRes")->isVisible());
    QCOMPARE(e.panel().currentBoard(), 1);
    w.dialogs.inputAnswers << QString("72");
    w.press(QKeySequence(Qt::Key_F4));
    QCOMPARE(e.panel().currentBoard(), 1);
    w.dialogs.inputAnswers << QString("14");
    w.press(QKeySequence(Qt::Key_F4));
    QCOMPARE(e.panel().currentBoard(), 14);
    QCOMPARE(w.find<QLabel>("LblGivNr")->text(), QString("14"));
    // F10 shows the round of the board in the panel.
    w.press(QKeySequence(Qt::Key_F10));
    QCOMPARE(w.find<QLabel>("LblRond")->text(), QString("Resultat rond 5"));
}

QTEST_MAIN(TestResultEntryCommands)
#include "test_result_entry_commands.moc"
