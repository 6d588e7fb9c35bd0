// The name panel's places: rows growing into a second column, paging by 25, the bye pair
// added on closing, one field per row in an individual contest, and the edges of swapping,
// deleting and typing over the bye entry.
#include "model/member_register.h"
#include "test_name_entry_driver.h"

using namespace vindelkast;
using namespace vindelkast::test;

class TestNamePlaces : public QObject {
    Q_OBJECT
private slots:
    void rowsGrowIntoASecondColumnAndPageBy25();
    void closingAddsTheByePairToAnOddField();
    void individualContestHasOneFieldPerRow();
    void swapAndDeleteEdgeCases();
    void latePairTypedOverTheByeEntry();
    void pagingToTheLastPageKeepsTheFocusOnAField();
};

void TestNamePlaces::rowsGrowIntoASecondColumnAndPageBy25() {
    Window w;
    w.setUpContest(24, 12, 22);
    Names n(w);
    w.press(QKeySequence(Qt::Key_F3));
    QCOMPARE(n.panel.rowCount(), 24);
    QVERIFY(!n.button("Btn25Forward")->isEnabled());
    const QRect panelBefore = n.panel.geometry();
    const QPoint listBefore = n.list()->pos();

    // Seating number 23 asks for rows up to 26: the paging buttons become usable.
    const Contest& c = n.contest();
    MemberRegister& reg = w.form->memberRegister();
    n.type(23, 0, "fal");
    QCOMPARE(n.person(23), QString("Falk Viola"));
    QCOMPARE(c.maxPairNumber, 23);
    QCOMPARE(w.edit("EdNrPar")->text(), QString("23"));
    QCOMPARE(n.panel.rowCount(), 26);
    QVERIFY(n.button("Btn25Forward")->isEnabled() && n.button("Btn25Back")->isEnabled());
    QCOMPARE(n.panel.geometry(), panelBefore);

    // Number 28 asks for row 31, the first of the second column.
    n.type(26, 0, "hamm");
    n.type(28, 0, "eng");
    QCOMPARE(n.panel.rowCount(), 31);
    QCOMPARE(n.panel.geometry(), panelBefore.adjusted(-340, 0, 0, 0));
    QCOMPARE(n.list()->pos(), listBefore + QPoint(340, 0));
    QCOMPARE(n.field(31, 0)->x(), n.field(1, 0)->x() + 340);
    QCOMPARE(n.field(31, 0)->y(), n.field(1, 0)->y());

    // Paged to 51..: numbers beyond 72 cannot be filled or marked; no page past it.
    w.form->session().choose([&reg](Contest& k) { k.participants[72].first = reg.entry(3); });
    n.click("Btn25Forward");
    n.click("Btn25Forward");
    QCOMPARE(n.panel.pageOffset(), 50);
    QCOMPARE(n.field(22, 0)->text(), QString("Almqvist Birgitta"));
    QVERIFY(n.field(22, 0)->isEnabled());
    QVERIFY(!n.field(23, 0)->isEnabled() && !n.markBox(23)->isEnabled());
    n.click("Btn25Forward");
    QCOMPARE(n.panel.pageOffset(), 50);
    n.type(5, 1, "zet");
    QCOMPARE(n.person(55, 1), QString("Zetterlund Hj\u00f6rdis"));
    QCOMPARE(c.participantCount, 55);
    n.click("Btn25Back");
    QCOMPARE(n.panel.pageOffset(), 25);
    QCOMPARE(n.field(3, 0)->text(), QString("Engstr\u00f6m Tage"));
}

void TestNamePlaces::closingAddsTheByePairToAnOddField() {
    Window w;
    w.setUpContest(21, 7, 0);
    Names n(w);
    w.press(QKeySequence(Qt::Key_F3));
    QVERIFY(n.panel.isVisible());
    const QStringList starts = {"al", "bl", "da", "er", "fo", "gu", "h\u00e4"};
    for (int p = 1; p <= 7; ++p) n.type(p, 0, starts[p - 1]);
    QCOMPARE(n.contest().maxPairNumber, 7);
    QCOMPARE(n.contest().byePair, 0);
    QTest::mouseClick(n.button("BtnNameClose"), Qt::LeftButton);
    QVERIFY(!n.panel.isVisible());
    QCOMPARE(n.contest().maxPairNumber, 8);
    QCOMPARE(n.contest().byePair, 8);
    QCOMPARE(n.person(8), QString("fripar"));
    QCOMPARE(w.edit("EdNrPar")->text(), QString("8"));
    QCOMPARE(w.edit("EdFripar")->text(), QString("8"));
    QVERIFY(w.find<QWidget>("GrpBrickor")->isVisible());

    // Opened from the set-up panel's button, closed again: an even field stays as it is.
    QTest::mouseClick(w.find<QPushButton>("BtnNamn"), Qt::LeftButton);
    QVERIFY(n.panel.isVisible());
    QVERIFY(!w.find<QWidget>("GrpBrickor")->isVisible());
    QCOMPARE(n.panel.rowCount(), 10);
    w.press(QKeySequence(Qt::Key_F3));
    QCOMPARE(n.contest().maxPairNumber, 8);

    // Clearing the contest closes the panel and forgets the page and the fields.
    w.form->Rensabrjaom1Click();
    QVERIFY(!n.panel.isVisible());
    QCOMPARE(n.panel.pageOffset(), 0);
    QCOMPARE(n.panel.listModel().count(), 0);
}

void TestNamePlaces::individualContestHasOneFieldPerRow() {
    Window w;
    w.press(QKeySequence(Qt::Key_F2));
    QTest::mouseClick(w.find<QCheckBox>("ChkIndividuellt"), Qt::LeftButton);
    Names n(w);
    w.press(QKeySequence(Qt::Key_F3));
    QCOMPARE(n.nameField(1, 1), nullptr);
    for (int p = 1; p <= 5; ++p) n.type(p, 0, QStringList{"ma", "no", "ny", "ol", "pe"}[p - 1]);
    QCOMPARE(n.person(5), QString("Persson Yngve"));
    QCOMPARE(n.focus(), n.field(6, 0));
    n.mark(2);
    n.click("btTaBortNamn");
    QCOMPARE(n.person(2), QString("Nystr\u00f6m Bo"));
    QCOMPARE(n.contest().participantCount, 4);
    // An individual field of odd size gets no bye pair.
    n.type(5, 0, "sv");
    w.press(QKeySequence(Qt::Key_F3));
    QCOMPARE(n.contest().maxPairNumber, 5);
    QCOMPARE(n.contest().byePair, 0);
    QCOMPARE(w.edit("EdFripar")->text(), QString());
}

void TestNamePlaces::swapAndDeleteEdgeCases() {
    Window w;
    w.setUpContest(24, 12, 10);
    Names n(w);
    w.press(QKeySequence(Qt::Key_F3));
    const QStringList starts = {"ab", "ak", "alm", "bj", "bl", "da", "ek g", "eks", "eri", "fo"};
    for (int p = 1; p <= 10; ++p) n.type(p, 0, starts[p - 1]);
    QCOMPARE(n.person(10), QString("Forsberg Ulf"));
    const auto typed = startList(n);

    // Three marks: no swap; the first two marks were walked past and cleared.
    n.mark(2);
    n.mark(4);
    n.mark(7);
    n.mark(9);
    n.click("btByt");
    QCOMPARE(w.dialogs.lastMessage(), QString("Bytfel|Mer \u00e4n tv\u00e5 par markerade!"));
    QCOMPARE(startList(n), typed);
    QVERIFY(!n.markBox(2)->isChecked() && !n.markBox(4)->isChecked());
    QVERIFY(n.markBox(7)->isChecked() && n.markBox(9)->isChecked());
    // One mark: nothing swapped, the mark cleared.
    n.mark(9);
    n.click("btByt");
    QCOMPARE(startList(n), typed);
    QVERIFY(!n.markBox(7)->isChecked());

    // Several marks delete the persons marked.
    n.mark(3);
    n.mark(4);
    n.mark(8);
    n.click("btTaBortNamn");
    QCOMPARE(n.contest().participantCount, 7);
    const QStringList left = {typed.at(1), typed.at(2), typed.at(5), typed.at(6),
                              typed.at(7), typed.at(9), typed.at(10)};
    for (int p = 1; p <= 7; ++p) QCOMPARE(startList(n).at(p), left[p - 1]);
    QCOMPARE(n.field(8, 0)->text(), QString());
    QCOMPARE(w.edit("EdNrPar")->text(), QString("7"));
    // Ta Bort without marks changes nothing.
    n.click("btTaBortNamn");
    QCOMPARE(n.contest().maxPairNumber, 7);
}

void TestNamePlaces::latePairTypedOverTheByeEntry() {
    // Seven pairs: closing the panel adds bye pair 8; then a late pair comes.
    Window w;
    w.press(QKeySequence(Qt::Key_F2));
    w.type("EdGivar", "21");
    w.type("EdRonder", "7");
    Names n(w);
    w.press(QKeySequence(Qt::Key_F3));
    const QStringList starts = {"al", "bl", "da", "er", "fo", "gu", "h\u00e4"};
    for (int p = 1; p <= 7; ++p) n.type(p, 0, starts[p - 1]);
    w.press(QKeySequence(Qt::Key_F3));
    QCOMPARE(w.edit("EdFripar")->text(), QString("8"));
    w.press(QKeySequence(Qt::Key_F3));
    n.type(8, 0, "ka");  // typed over "fripar"
    QCOMPARE(w.edit("EdFripar")->text(), QString());
    QCOMPARE(n.field(8, 1)->text(), QString());
    n.type(8, 1, "kj");
    w.press(QKeySequence(Qt::Key_F3));
    QCOMPARE(w.edit("EdNrPar")->text(), QString("8"));
    QCOMPARE(w.edit("EdFripar")->text(), QString());
    // "Klar", reached with Tab and pressed with Enter, keeps the late pair's names.
    auto* klar = w.find<QPushButton>("BtnKlar");
    klar->setFocus(Qt::TabFocusReason);
    QTest::keyClick(klar, Qt::Key_Return);
    QVERIFY(n.contest().setUpDone);
    QCOMPARE(n.person(8, 0), QString("Karlsson Maj-Britt"));
    QCOMPARE(n.person(8, 1), QString("Kjellberg Rune"));
    QCOMPARE(n.contest().byePair, 0);
    QCOMPARE(n.contest().playingTableCount, 4);
}

void TestNamePlaces::pagingToTheLastPageKeepsTheFocusOnAField() {
    Window w;
    w.setUpContest(24, 12, 70);
    Names n(w);
    w.press(QKeySequence(Qt::Key_F3));
    QCOMPARE(n.panel.rowCount(), NamePanel::kMaxRows);
    QTest::mouseClick(n.field(40, 0), Qt::LeftButton);
    QTest::keyClick(n.focus(), Qt::Key_PageDown);
    QTest::keyClick(n.focus(), Qt::Key_PageDown);
    QCOMPARE(n.panel.pageOffset(), 50);
    // Rows 23.. stand for numbers beyond 72: the focus is on the last field that can be filled.
    QCOMPARE(n.focus(), n.field(22, 1));
    QTest::keyClick(n.focus(), Qt::Key_PageUp);
    QCOMPARE(n.panel.pageOffset(), 25);
}

QTEST_MAIN(TestNamePlaces)
#include "test_name_places.moc"
