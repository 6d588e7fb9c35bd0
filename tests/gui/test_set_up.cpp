// Start-up, "Starta upp", "Klar", the set-up fields and the window caption.
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>

#include "app/set_up_panel.h"
#include "app/text_pane.h"
#include "app/widget_colours.h"
#include "model/member_register.h"
#include "movement/movement_generator.h"
#include "support/test_text.h"
#include "window_fixture.h"

using namespace vindelkast;
using namespace vindelkast::test;

class TestSetUp : public QObject {
    Q_OBJECT
private slots:
    void startUpLoadsRegisterAndProposesToday();
    void startUpWithoutRegisterAsksForAnotherFile();
    void klarAccepts71BoardsAndRefuses72();
    void klarRefusesImpossibleCounts();
    void smallerHighestPairNumberIsIgnored();
    void byePairRulesAtKlar();
    void numberFieldsTurnRedOnText();
    void captionShowsKindHandicapAndState();
    void startingTwiceIsRefused();
    void teamMatchAsksNamesOnce();
    void unrepresentableTextIsRefused();
    void impPairsAreChosenAtSetUpAndKeptBesideTheContest();
    void sectionsAreSetUpAndComparedEitherWay();
    void sectionsOfThirteenPlayTheCardMadeForThirteen();
    void mixedSectionsTakeBuiltInMovementsAndAChosenCard();
};

void TestSetUp::startUpLoadsRegisterAndProposesToday() {
    Window w;
    QCOMPARE(w.form->windowTitle(), QString("Vindelkast"));
    QVERIFY(w.dialogs.messages.isEmpty());
    // The example register holds many members; entry 0 is the bye person.
    QVERIFY(w.form->memberRegister().memberCount() > 20);
    QCOMPARE(w.form->memberRegister().entry(0)->surname, std::string("fripar"));
    QCOMPARE(w.edit("EdDate")->text(), QDate::currentDate().toString("yyyy-MM-dd"));
    QCOMPARE(w.edit("EdContName")->text(), QString("Part\u00e4vling"));
    QVERIFY(w.find<QWidget>("GrpBrickor")->isVisible());
    QVERIFY(!w.find<QWidget>("UtTotal")->isVisible());
    QVERIFY(w.find<QPushButton>("BtnGuide")->isEnabled());
    QVERIFY(w.form->isSaved());
}

void TestSetUp::startUpWithoutRegisterAsksForAnotherFile() {
    Window w(Window::Register::None, false);
    w.copyExample("medlem.txt", "klubben.txt");
    w.dialogs.fileNames << w.path("klubben");  // typed without its extension
    w.create();
    QCOMPARE(w.dialogs.messages, QStringList{"Hittade inte persondatabasen medlem.txt!"});
    QCOMPARE(w.dialogs.fileFilters, QStringList{"Textfiler (*.txt)|*.txt"});
    QVERIFY(w.form->memberRegister().memberCount() > 20);

    // Cancelled: the register stays empty and the program still starts.
    Window none(Window::Register::None);
    QCOMPARE(none.form->memberRegister().memberCount(), 0);
    QCOMPARE(none.dialogs.messages.size(), 1);
}

void TestSetUp::klarAccepts71BoardsAndRefuses72() {
    Window w;
    w.setUpContest(72, 8, 14);
    QCOMPARE(w.dialogs.lastMessage(), QString("Indata ej OK|Fyll i givar och ronder"));
    QVERIFY(!w.form->contest().setUpDone);
    QVERIFY(w.find<QWidget>("GrpBrickor")->isVisible());
    QVERIFY(!w.form->statusBar()->isVisible());

    w.type("EdGivar", "71");
    QTest::mouseClick(w.find<QPushButton>("BtnKlar"), Qt::LeftButton);
    QVERIFY(w.form->contest().setUpDone);
    QCOMPARE(w.form->contest().boardCount, 71);
    QCOMPARE(w.form->contest().boardsPerRound, 8);
    QCOMPARE(w.form->contest().tableCount, 7);
    QVERIFY(!w.find<QWidget>("GrpBrickor")->isVisible());
    QCOMPARE(w.action("MnParnr")->text(), QString("&Inmatade givar"));
    // The window is no empty field after "Klar": the status line says what comes next.
    QVERIFY(w.form->statusBar()->isVisible());
    const QString next = w.find<QLabel>("LblBordStatus")->text();
    for (const char* step : {"F3 namn", "F4 ge resultat", "Registrering vid borden"})
        QVERIFY2(next.contains(step), qPrintable(next));
}

void TestSetUp::klarRefusesImpossibleCounts() {
    Window w;
    w.setUpContest(10, 12, 14);  // more rounds than boards
    QCOMPARE(w.dialogs.lastMessage(), QString("Indata ej OK|Fyll i givar och ronder"));
    QVERIFY(!w.form->contest().setUpDone);

    w.type("EdRonder", "5");
    w.type("EdNrPar", "80");  // past the start list's 72 places
    QTest::mouseClick(w.find<QPushButton>("BtnKlar"), Qt::LeftButton);
    QCOMPARE(w.dialogs.lastMessage(), QString("Indata ej OK|Max parnr f\u00e5r vara h\u00f6gst 72"));
    QVERIFY(!w.form->contest().setUpDone);
    QVERIFY(w.form->contest().maxPairNumber <= 72);

    w.type("EdNrPar", "14");
    QTest::mouseClick(w.find<QPushButton>("BtnKlar"), Qt::LeftButton);
    QVERIFY(w.form->contest().setUpDone);
    QCOMPARE(w.form->contest().boardsPerRound, 2);
}

void TestSetUp::smallerHighestPairNumberIsIgnored() {
    Window w;
    w.setUpContest(0, 7, 14);  // refused, but the highest pair number 14 is kept
    QCOMPARE(w.form->contest().maxPairNumber, 14);
    w.type("EdGivar", "21");
    w.type("EdNrPar", "10");
    QTest::mouseClick(w.find<QPushButton>("BtnKlar"), Qt::LeftButton);
    QVERIFY(w.form->contest().setUpDone);
    QCOMPARE(w.form->contest().maxPairNumber, 14);
}

void TestSetUp::byePairRulesAtKlar() {
    {  // An odd highest pair number: the next one becomes the bye pair... of the odd number
        Window w;
        w.setUpContest(21, 7, 7);
        const Contest& c = w.form->contest();
        QCOMPARE(c.byePair, 7);
        QCOMPARE(c.maxPairNumber, 8);
        QCOMPARE(c.participants[7].first, c.byeMember);
    }
    {  // A typed bye pair: the built-in 8-pair movement loses every slot of pair 8.
        Window w;
        w.setUpContest(21, 7, 8, "8");
        const Contest& c = w.form->contest();
        QCOMPARE(c.byePair, 8);
        QCOMPARE(c.playingTableCount, 3);
        for (int b = 1; b <= 21; ++b) {
            QCOMPARE(c.boards[b].resultCount, 3);
            for (int i = 0; i < c.boards[b].resultCount; ++i) {
                QVERIFY(c.boards[b].results[i].nsPair != 8);
                QVERIFY(c.boards[b].results[i].ewPair != 8);
            }
        }
    }
    {  // "fripar" already in the start list under number 5 of 6.
        Window w;
        const Contest& c = w.form->contest();
        w.form->session().choose([](Contest& k) {
            k.participants[5].first = k.participants[5].second = k.byeMember;
            k.participantCount = 6;
        });
        w.setUpContest(12, 6, 6);
        QCOMPARE(c.byePair, 5);
        QCOMPARE(c.maxPairNumber, 6);
    }
    {  // A bye pair number outside the start list is refused, not used as an index.
        Window w;
        w.setUpContest(12, 6, 8, "99");
        QCOMPARE(w.dialogs.lastMessage(), QString("Indata ej OK|Nr fripar ska vara ett parnummer 1-72"));
        QVERIFY(!w.form->contest().setUpDone);
    }
}

void TestSetUp::numberFieldsTurnRedOnText() {
    Window w;
    w.type("EdGivar", "tjugo");
    QCOMPARE(w.dialogs.lastMessage(), QString("Inte ett giltigt tal!"));
    QCOMPARE(backgroundOf(w.edit("EdGivar")), QColor(255, 51, 51));
    w.type("EdRonder", "-1");
    QCOMPARE(w.dialogs.messages.size(), 2);
    QCOMPARE(backgroundOf(w.edit("EdRonder")), QColor(255, 51, 51));
    w.type("EdGivar", "24");
    QCOMPARE(backgroundOf(w.edit("EdGivar")), QColor(Qt::white));
    QCOMPARE(w.dialogs.messages.size(), 2);
    // Enter moves on to the next field, as Tab does.
    w.edit("EdNrPar")->setFocus();
    QTest::keyClick(w.edit("EdNrPar"), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), w.edit("EdFripar"));
}

void TestSetUp::captionShowsKindHandicapAndState() {
    Window w;
    QTest::mouseClick(w.find<QCheckBox>("ChkIndividuellt"), Qt::LeftButton);
    QCOMPARE(w.edit("EdContName")->text(), QString("Individuellt"));
    QVERIFY(!w.find<QCheckBox>("ChkIndividuellt")->isEnabled());
    QVERIFY(!w.action("mnPrivatprotokoll1")->isEnabled());
    w.press(QKeySequence(Qt::Key_F2));
    w.type("EdDate", "2015-07-27");
    w.action("Handicap1")->trigger();
    QVERIFY(w.find<QCheckBox>("CBHandicap")->isChecked());
    w.setUpContest(20, 5, 20);
    QVERIFY(w.form->contest().isIndividual);
    QCOMPARE(w.form->contest().tableCount, 5);
    QCOMPARE(w.form->windowTitle(), QString(" Individuellt    med hcp   2015-07-27. 20 givar. 20 personer."));
    w.form->session().markUnsaved(ContestChange::everything());
    QCOMPARE(w.form->windowTitle(),
             QString(" Individuellt    med hcp   2015-07-27. 20 givar. 20 personer. *"));

    Window b;
    QTest::mouseClick(b.find<QCheckBox>("ChkGrHiss"), Qt::LeftButton);
    QVERIFY(b.find<QWidget>("rbGHmax1")->isVisible());
    QVERIFY(b.find<QCheckBox>("ChkBarometer")->isChecked());
    QVERIFY(b.action("MnLottaRond")->isEnabled());
    QTest::mouseClick(b.find<QWidget>("rbGHmany"), Qt::LeftButton);
    b.type("EdDate", "2015-07-27");
    b.setUpContest(16, 8, 16);
    QCOMPARE(b.form->contest().ghVariant, 9999);
    QCOMPARE(b.action("MnParnr")->text(), QString("&Parnummer"));
    QCOMPARE(b.form->windowTitle(),
             QString(" Part\u00e4vling   2015-07-27. 16 givar. 16 par. Gr\u00f6na Hissen."));
    // Switched off again by the director: a plain barometer.
    Window c;
    QTest::mouseClick(c.find<QCheckBox>("ChkGrHiss"), Qt::LeftButton);
    QTest::mouseClick(c.find<QCheckBox>("ChkGrHiss"), Qt::LeftButton);
    QVERIFY(!c.find<QWidget>("rbGHmax1")->isVisible());
    QVERIFY(!c.action("MnLottaRond")->isEnabled());
    c.type("EdDate", "2015-07-27");
    c.setUpContest(16, 8, 16);
    QVERIFY(c.form->windowTitle().endsWith(" Barometer."));
}

void TestSetUp::startingTwiceIsRefused() {
    Window w;
    w.setUpContest(21, 7, 8);
    w.press(QKeySequence(Qt::Key_F2));
    QCOMPARE(w.dialogs.lastMessage(), QString("T\u00e4vlingen \u00e4r redan startad"));
    QVERIFY(!w.find<QWidget>("GrpBrickor")->isVisible());
}

void TestSetUp::teamMatchAsksNamesOnce() {
    Window w;
    w.dialogs.inputAnswers << QString("V\u00e4st") << QString("\u00d6st");
    w.action("Lagmatch1")->trigger();
    QCOMPARE(w.dialogs.prompts,
             (QStringList{"Lagnamn|Ge namn p\u00e5 lag 1: |", "Lagnamn|Ge namn p\u00e5 lag 2: |"}));
    QCOMPARE(w.form->contest().teamName1, cp("V\u00e4st"));
    QVERIFY(w.form->contest().isTeamContest);
    QVERIFY(!w.find<QCheckBox>("cbTeamContest")->isEnabled());
    w.action("Lagmatch1")->trigger();
    QCOMPARE(w.dialogs.prompts.size(), 2);
}

void TestSetUp::unrepresentableTextIsRefused() {
    Window w;
    QLineEdit* name = w.edit("EdContName");
    name->setFocus();
    name->selectAll();
    QTest::keyClicks(name, "Kvall");
    // Ł has no Windows-1252 form; it is typed as a key with that text.
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString::fromUtf8("\u0141"));
    QApplication::sendEvent(name, &press);
    QCOMPARE(name->text(), QString("Kvall"));
    QVERIFY(w.dialogs.lastMessage().contains("Windows-1252"));
}

void TestSetUp::impPairsAreChosenAtSetUpAndKeptBesideTheContest() {
    Window w;
    w.press(QKeySequence(Qt::Key_F2));
    w.type("EdGivar", "21");
    w.type("EdRonder", "7");
    w.type("EdNrPar", "8");
    auto* scoring = w.find<QComboBox>("scoringChoice");
    QCOMPARE(scoring->currentText(), QString("Matchpo\u00e4ng"));
    scoring->setFocus();
    QTest::keyClick(scoring, Qt::Key_Down);
    QTest::keyClick(scoring, Qt::Key_Down);
    QCOMPARE(w.form->contest().scoringRule.method, ScoringMethod::Butler);
    QTest::keyClick(scoring, Qt::Key_Up);
    QCOMPARE(scoring->currentText(), QString("Korsimp"));
    QTest::mouseClick(w.find<QPushButton>("BtnKlar"), Qt::LeftButton);
    QVERIFY(w.form->contest().setUpDone);
    QCOMPARE(w.form->contest().scoringRule.method, ScoringMethod::CrossImps);

    // Board 1 at four tables: 420, 450, -50 and 420 NS.
    const Contest& c = w.form->contest();
    const char* typed[] = {"42", "45", "-5", "42"};
    for (int i = 0; i < 4; ++i) {
        EntryRow row;
        row.ns = c.boards[1].results[i].nsPair;
        row.ew = c.boards[1].results[i].ewPair;
        QVERIFY(w.form->session().storeScore(1, row, typed[i]).written);
    }
    auto* standings = w.find<TextPane>("UtTotal");
    if (!standings->isVisible()) w.press(QKeySequence(Qt::Key_F9));
    QVERIFY(standings->isVisible());
    QCOMPARE(w.find<QLabel>("LblTotal")->text(), QString("St\u00e4llning totalt, IMP (korsvis)"));
    const QStringList lines = standings->plainLines().split('\n');
    QVERIFY(lines[0].endsWith("IMP IMP/giv"));
    // EW against -50 win 31 IMPs over 3 comparisons; 450 wins 13, each 420 wins 9; equal IMPs
    // share a place.
    QVERIFY2(lines[1].startsWith(QString(" 1 %1 ").arg(c.boards[1].results[2].ewPair, 3)),
             qPrintable(lines[1]));
    QVERIFY(lines[1].endsWith("  10,33   10,33"));
    QVERIFY(lines[2].endsWith("   4,33    4,33"));
    QVERIFY(lines[3].startsWith(" 3 ") && lines[4].startsWith(" 3 ") && lines[4].endsWith("   3,00    3,00"));
    QVERIFY(lines[5].startsWith(" 5 ") && lines[6].startsWith(" 5 ") && lines[7].startsWith(" 7 "));
    QVERIFY2(lines[8].endsWith(" -10,33  -10,33"), qPrintable(lines[8]));

    w.dialogs.fileNames << w.path("imp.sco");
    w.press(QKeySequence("Ctrl+S"));
    QVERIFY(w.form->isSaved());
    QVERIFY(w.readFile("imp.regler").contains("KORSIMP\r\n"));
    Window opened;
    opened.dialogs.fileNames << w.path("imp.sco");
    opened.press(QKeySequence("Ctrl+O"));
    QCOMPARE(opened.form->contest().scoringRule.method, ScoringMethod::CrossImps);
    QCOMPARE(opened.find<QComboBox>("scoringChoice")->currentText(), QString("Korsimp"));
    QCOMPARE(opened.find<TextPane>("UtTotal")->plainLines().split('\n')[1], lines[1]);
}

// Two sections of their own movements, typed as pairs per section: per section at "Klar",
// across the field from the menu, kept beside the contest and shown again when it is opened.
void TestSetUp::sectionsAreSetUpAndComparedEitherWay() {
    Window w;
    w.press(QKeySequence(Qt::Key_F2));
    w.type("EdGivar", "18");
    w.type("EdRonder", "9");
    w.type("EdSektioner", "10,x");
    QTest::mouseClick(w.find<QPushButton>("BtnKlar"), Qt::LeftButton);
    QCOMPARE(w.dialogs.lastMessage(),
             QString("Indata ej OK|Par/sektion ska vara 2-8 antal par med komma emellan, t.ex. 16,18"));
    QVERIFY(!w.form->contest().setUpDone);
    w.type("EdSektioner", "10, 9");
    auto* field = w.find<QComboBox>("fieldChoice");
    field->setFocus();
    QTest::keyClick(field, Qt::Key_Down);
    QCOMPARE(field->currentText(), QString("Per sektion"));
    QTest::mouseClick(w.find<QPushButton>("BtnKlar"), Qt::LeftButton);
    const Contest& c = w.form->contest();
    QVERIFY(c.setUpDone);
    QCOMPARE(c.maxPairNumber, 20);
    QCOMPARE(c.sections.list.size(), std::size_t{2});
    QVERIFY(!c.sections.acrossField);
    QCOMPARE(w.find<QLineEdit>("EdNrPar")->text(), QString("20"));

    // Board 1 in each section: the same scores score alike per section, unlike across the field.
    const char* typed[] = {"42", "45", "-5", "42", "42", "45", "50", "-20", "42"};
    for (int i = 0; i < c.boards[1].resultCount && i < 9; ++i) {
        EntryRow row;
        row.ns = c.boards[1].results[i].nsPair;
        row.ew = c.boards[1].results[i].ewPair;
        QVERIFY(w.form->session().storeScore(1, row, typed[i]).written);
    }
    QVERIFY(!w.form->isSaved());
    auto* standings = w.find<TextPane>("UtTotal");
    if (!standings->isVisible()) w.press(QKeySequence(Qt::Key_F9));
    const QString perSection = standings->plainLines();
    QVERIFY2(perSection.contains("Sektion B, medel"), qPrintable(perSection));
    QVERIFY2(perSection.contains(" B1 ") && perSection.contains("Alla sektioner (efter procent)"),
             qPrintable(perSection));
    QAction* across = w.action("acrossFieldItem");
    QVERIFY(across->isEnabled() && !across->isChecked());
    across->trigger();
    QVERIFY(c.sections.acrossField);
    const QString acrossField = standings->plainLines();
    QVERIFY2(acrossField.contains("Alla sektioner (matchpo\u00e4ng \u00f6ver f\u00e4ltet)"),
             qPrintable(acrossField));
    QVERIFY(acrossField != perSection);

    w.dialogs.fileNames << w.path("sekt.sco");
    w.press(QKeySequence("Ctrl+S"));
    QVERIFY(w.form->isSaved());
    QVERIFY(w.readFile("sekt.sektion").contains("OVER-FALTET\r\nA 1 10\r\nB 11 20\r\n"));
    Window opened;
    opened.dialogs.fileNames << w.path("sekt.sco");
    opened.press(QKeySequence("Ctrl+O"));
    QVERIFY(opened.action("acrossFieldItem")->isChecked());
    // Section B's sit-out number (B9, the odd number itself) seats no pair: the pairs are shown as typed.
    QCOMPARE(opened.find<QLineEdit>("EdSektioner")->text(), QString("10,9"));
    QCOMPARE(opened.find<TextPane>("UtTotal")->plainLines(), acrossField);
}

// Two sections of 13 pairs, which no built-in movement plays: "Klar" asks once for the card
// both play and, cancelled, sets nothing up; "Skapa guidekort" makes that card for "Klar".
void TestSetUp::sectionsOfThirteenPlayTheCardMadeForThirteen() {
    Window w;
    w.press(QKeySequence(Qt::Key_F2));
    w.type("EdGivar", "21");
    w.type("EdRonder", "7");
    w.type("EdSektioner", "13,13");
    QTest::mouseClick(w.find<QPushButton>("BtnKlar"), Qt::LeftButton);
    QCOMPARE(w.dialogs.fileTitles, QStringList{"Guidekort f\u00f6r sektionerna A och B (13 par)"});
    // The cards that seat 13 pairs and their sit-out, and the cards made for 13.
    QCOMPARE(w.dialogs.fileFilters, QStringList{"Guidekortsfiler (*.gui)|P14*.GUI;P13*.GUI"});
    QVERIFY(!w.form->contest().setUpDone && w.dialogs.messages.isEmpty());
    QVERIFY(w.find<QWidget>("GrpBrickor")->isVisible());

    QTest::mouseClick(w.find<QPushButton>("createGuideCardButton"), Qt::LeftButton);
    // Seven tables play a Mitchell: seven rounds of three boards.
    QVERIFY(w.readFile("P13_mitchell_7x3.gui").startsWith("14 21 7 3\r\n"));
    QVERIFY2(
        w.dialogs.lastMessage().startsWith(
            "Skapa guidekort|Guidekortet P13_mitchell_7x3.gui anv\u00e4nds f\u00f6r sektionerna A och B."),
        qPrintable(w.dialogs.lastMessage()));
    QVERIFY(w.find<QPushButton>("BtnGuide")->isEnabled() && w.edit("EdNrPar")->text().isEmpty());
    QTest::mouseClick(w.find<QPushButton>("BtnKlar"), Qt::LeftButton);
    QCOMPARE(w.dialogs.fileTitles.size(), 1);
    const Contest& c = w.form->contest();
    QVERIFY(c.setUpDone);
    QCOMPARE(w.edit("EdNrPar")->text(), QString("28"));
    QCOMPARE(c.sections.list[1].firstPair, 15);
    QCOMPARE(c.sections.list[1].sitOut, 28);
    // Each section plays every board at the six tables without its sit-out.
    for (int b = 1; b <= 21; ++b) QCOMPARE(c.boards[b].resultCount, 12);

    w.dialogs.fileNames << w.path("tretton.sco");
    w.press(QKeySequence("Ctrl+S"));
    Window opened;
    opened.dialogs.fileNames << w.path("tretton.sco");
    opened.press(QKeySequence("Ctrl+O"));
    QCOMPARE(opened.edit("EdSektioner")->text(), QString("13,13"));
    QCOMPARE(opened.edit("EdNrPar")->text(), QString("28"));
}

// 10, 9 and 12 pairs on 18 boards: the built-in Howells play 9 and 10 pairs, section C alone
// needs a card. A card for 14 pairs is refused with the panel left usable; "Klar" asks again.
void TestSetUp::mixedSectionsTakeBuiltInMovementsAndAChosenCard() {
    Window w;
    w.copyExample("P14_mitchell.gui");
    const GeneratedMovement twelve = generateMovement({MovementKind::Howell, 12, 9, 2, false});
    w.writeFile("P12_howell.gui", QByteArray::fromStdString(guideCardText(twelve)));
    w.press(QKeySequence(Qt::Key_F2));
    w.type("EdGivar", "18");
    w.type("EdRonder", "9");
    w.type("EdSektioner", "10,9,12");
    w.dialogs.fileNames << w.path("P14_mitchell.gui");
    QTest::mouseClick(w.find<QPushButton>("BtnGuide"), Qt::LeftButton);
    QCOMPARE(w.dialogs.fileTitles, QStringList{"Guidekort f\u00f6r sektion C (12 par)"});
    QCOMPARE(w.dialogs.fileFilters, QStringList{"Guidekortsfiler (*.gui)|P12*.GUI"});
    QCOMPARE(w.dialogs.lastMessage(),
             QString("Indata ej OK|Sektion C: guidekortet \u00e4r f\u00f6r 14 par, sektionen har 12"));
    QVERIFY(w.find<QPushButton>("BtnGuide")->isEnabled() && w.edit("EdNrPar")->text().isEmpty());

    w.dialogs.fileNames << w.path("P12_howell.gui");
    QTest::mouseClick(w.find<QPushButton>("BtnKlar"), Qt::LeftButton);
    QCOMPARE(w.dialogs.fileTitles.size(), 2);
    const Contest& c = w.form->contest();
    QVERIFY(c.setUpDone);
    QCOMPARE(c.maxPairNumber, 32);
    QVERIFY(c.sections.list[1].sitOut > 0 && c.sections.list[2].sitOut == 0);
    QCOMPARE(c.sections.list[2].firstPair, 21);
    // Every board is played alike: the tables that play times 9 rounds over 9 board groups.
    for (int b = 1; b <= 18; ++b) QCOMPARE(c.boards[b].resultCount, 15);
}

QTEST_MAIN(TestSetUp)
#include "test_set_up.moc"
