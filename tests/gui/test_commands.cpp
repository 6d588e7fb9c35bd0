// The guide-card, deal-file, register-import, add and level commands, and the exports.
#include <QCheckBox>
#include <QFile>
#include <QPushButton>

#include "app/text_pane.h"
#include "model/member_register.h"
#include "window_fixture.h"

using namespace vindelkast;
using namespace vindelkast::test;

class TestCommands : public QObject {
    Q_OBJECT
private slots:
    void builtInMovementNeedsNoCard();
    void guideCardChosenAndRefused();
    void dealFileImport();
    void registerImport();
    void addResultsFromAnotherFile();
    void levelBoards();
    void setUpTakenBackAndMadeAgain();
    void xmlExport();
    void htmlExports();
};

namespace {

QByteArray briFile(int records) {
    QByteArray data;
    for (int r = 0; r < records; ++r) {
        QByteArray record;
        // North 1..13, East 14..26, South 27..39 (West gets the rest), rotated per board.
        for (int i = 0; i < 39; ++i) record += QByteArray::number(100 + (i + r) % 52 + 1).right(2);
        record.resize(128, ' ');
        data += record;
    }
    return data;
}

// Keeps the result lines of boards up to `lastBoard` and drops the others.
QByteArray onlyBoards(const QByteArray& contestFile, int lastBoard) {
    QList<QByteArray> lines = contestFile.split('\n');
    QByteArray out;
    int n = 0;
    for (const QByteArray& line : lines) {
        ++n;
        const QList<QByteArray> words = line.simplified().split(' ');
        bool number = false;
        const int board = words.value(0).toInt(&number);
        if (n > 5 && number && board > lastBoard && !line.startsWith('#') && words.size() >= 6) continue;
        out += line + '\n';
    }
    out.chop(1);
    return out;
}

}  // namespace

void TestCommands::builtInMovementNeedsNoCard() {
    Window w;
    w.type("EdGivar", "21");
    w.type("EdRonder", "7");
    w.type("EdNrPar", "8");
    QTest::mouseClick(w.find<QPushButton>("BtnGuide"), Qt::LeftButton);
    QVERIFY(w.dialogs.fileFilters.isEmpty());
    QCOMPARE(w.form->contest().boards[1].resultCount, 4);
    QVERIFY(!w.find<QPushButton>("BtnGuide")->isEnabled());
    QVERIFY(!w.find<QCheckBox>("cBoxGuide")->isEnabled());
    QCOMPARE(QApplication::focusWidget(), w.find<QWidget>("BtnNamn"));
}

void TestCommands::guideCardChosenAndRefused() {
    Window w;
    w.writeFile("P4fel.gui", "4 4 2 2\r\n1 3 3 1\r\n");
    w.writeFile("P4.gui", "4 4 2 2\r\n1 1 2 1\r\n1 3 4 3\r\n0 0 0 0\r\n");
    w.type("EdGivar", "4");
    w.type("EdRonder", "2");
    w.type("EdNrPar", "3");
    QTest::mouseClick(w.find<QPushButton>("BtnGuide"), Qt::LeftButton);  // cancelled
    QCOMPARE(w.dialogs.fileFilters.last(), QString("Guidekortsfiler (*.gui)|P4*.GUI"));
    QCOMPARE(w.dialogs.lastMessage(), QString("Infilen ej OK|Kan inte l\u00e4sa filen"));
    QVERIFY(w.find<QPushButton>("BtnGuide")->isEnabled());

    w.dialogs.fileNames << w.path("P4fel.gui");
    w.action("Guidekort1")->trigger();
    QCOMPARE(w.dialogs.lastMessage(),
             QString("Infilen ej OK|Fel i guidefil. Par3f\u00f6rekommer flera g\u00e5nger, giv 1, rad 2"));
    QVERIFY(w.find<QPushButton>("BtnGuide")->isEnabled());

    w.dialogs.fileNames << w.path("P4.gui");
    QTest::mouseClick(w.find<QPushButton>("BtnGuide"), Qt::LeftButton);
    QVERIFY2(w.dialogs.messages.size() == 2, qPrintable(w.dialogs.messages.join(";")));
    QVERIFY(!w.find<QPushButton>("BtnGuide")->isEnabled());
    QCOMPARE(w.edit("EdNrPar")->text(), QString("4"));
    // Three pairs typed on a card for four: the fourth is nobody and sits out.
    QCOMPARE(w.edit("EdFripar")->text(), QString("4"));
    const Contest& c = w.form->contest();
    QVERIFY(w.form->windowTitle().contains("4 givar. 4 par."));
    QTest::mouseClick(w.find<QPushButton>("BtnKlar"), Qt::LeftButton);
    QVERIFY(c.setUpDone);
    QCOMPARE(c.byePair, 4);
    // The card's slots, no built-in movement on top, and none against the sit-out.
    QCOMPARE(c.boards[1].resultCount, 1);
    QCOMPARE(c.boards[1].results[0].nsPair, 1);
    QCOMPARE(c.boards[3].resultCount, 0);
}

void TestCommands::dealFileImport() {
    Window w;
    w.writeFile("givar.bri", briFile(24));
    w.writeFile("kort.BRI", briFile(16));
    w.dialogs.fileNames << w.path("givar.bri");
    w.action("MnGivfil")->trigger();
    QCOMPARE(w.dialogs.fileFilters.last(), QString("Giv-filer: |*.bri;*.cds;*.dup;*.dlm;*.pbn"));
    QCOMPARE(w.dialogs.lastMessage(), QString("L\u00e4ste 24 givar"));
    QCOMPARE(w.edit("EdGivar")->text(), QString("24"));
    QCOMPARE(w.form->contest().dealCount, 24);
    QVERIFY(!w.form->isSaved());
    w.action("MnGivfil")->trigger();
    QCOMPARE(w.dialogs.lastMessage(), QString("|Du har redan l\u00e4st in givar"));
    QVERIFY(!w.action("MnGivfil")->isEnabled());

    // A clear forgets the deals and lets a new file be read.
    w.dialogs.confirmAnswers << false;
    w.press(QKeySequence("Ctrl+Alt+R"));
    QVERIFY(w.action("MnGivfil")->isEnabled());
    w.type("EdGivar", "24");
    w.dialogs.fileNames << w.path("kort.BRI");
    w.action("MnGivfil")->trigger();
    QCOMPARE(w.dialogs.lastMessage(), QString("L\u00e4ste bara 16 givar"));
    // Cancelled: the count message still comes.
    Window x;
    x.action("MnGivfil")->trigger();
    QCOMPARE(x.dialogs.lastMessage(), QString("L\u00e4ste 0 givar"));
}

void TestCommands::registerImport() {
    Window w;
    w.writeFile("ny.txt",
                "# klubbens nya lista\r\nNilsson Nils 12 0\r\nOlsson Olga Maria 1234 3.5\r\nPers 7 0\r\n");
    w.writeFile("tom.txt", "# bara en kommentar\r\n  # och en till\r\n");
    w.dialogs.fileNames << w.path("ny");
    w.action("MnMedlemsregister")->trigger();
    QCOMPARE(w.dialogs.messages,
             (QStringList{"Du vill importera ett nytt medlemsregister.", "L\u00e4ste 3 personer."}));
    QCOMPARE(w.form->memberRegister().memberCount(), 4);
    const QByteArray written = w.readFile("medlem.txt");
    QVERIFY(written.contains("Olsson Olga Maria 1234 3.5"));
    QVERIFY(!written.contains("Andersson"));

    w.dialogs.fileNames << w.path("tom.txt");
    w.action("MnMedlemsregister")->trigger();
    QCOMPARE(w.dialogs.lastMessage(), QString("Detta \u00e4r inte ett medlemsregister"));
    QCOMPARE(w.readFile("medlem.txt"), written);
    w.action("MnMedlemsregister")->trigger();  // cancelled: nothing more
    QCOMPARE(w.dialogs.messages.size(), 5);
}

void TestCommands::addResultsFromAnotherFile() {
    Window w;
    w.copyExample("kv\u00e4ll8.sco", "hela.sco");
    QByteArray whole = w.readFile("hela.sco");
    w.writeFile("halva.sco", onlyBoards(whole, 10));
    w.dialogs.fileNames << w.path("halva.sco");
    w.action("MnOpen")->trigger();
    const Contest& c = w.form->contest();
    QCOMPARE(c.boards[11].resultCount, 0);
    QVERIFY(c.boards[10].resultCount > 0);

    // A name typed without its ending gets ".sco"; a file that is not there is told of.
    w.dialogs.fileNames << w.path("saknas");
    w.action("Adderaresultat1")->trigger();
    QCOMPARE(w.dialogs.messages.mid(w.dialogs.messages.size() - 2),
             (QStringList{"Filen finns inte: " + w.path("saknas.sco"), "Adderade inga resultat"}));
    // The other evening's closing line changes the size: the message says so.
    w.writeFile("hela.sco", whole.replace("\n-1 21 7", "\n-1 27 9"));
    w.dialogs.fileNames << w.path("hela");
    w.action("Adderaresultat1")->trigger();
    QCOMPARE(w.dialogs.lastMessage(),
             QString("Adderade 33  resultat. Antal givar \u00e4ndrat fr\u00e5n 21 till 27. "
                     "Antal ronder \u00e4ndrat fr\u00e5n 7 till 9."));  // boards 11-21
    QCOMPARE(c.boards[21].resultCount, 3);
    QVERIFY(w.find<QWidget>("ProgressCaption")->isVisible());
    QVERIFY(!w.form->isSaved());
    w.dialogs.fileNames << w.path("hela.sco");
    w.action("Adderaresultat1")->trigger();  // nothing left to add
    QCOMPARE(w.dialogs.lastMessage(), QString("Adderade inga resultat"));
    w.action("Adderaresultat1")->trigger();  // cancelled
    QCOMPARE(w.dialogs.lastMessage(), QString("Adderade inga resultat"));
}

void TestCommands::levelBoards() {
    Window w;
    w.openExample("halvkv\u00e4ll12.sco");
    const Contest& c = w.form->contest();
    // Board 1 has one scored result, boards 10-18 four: board 7 (three) is scaled by 3/2.
    float before = 0;
    for (int i = 0; i < c.boards[7].resultCount; ++i)
        before = std::max(before, c.boards[7].results[i].nsPoints);
    w.action("Nivelleragivar1")->trigger();
    float after = 0;
    for (int i = 0; i < c.boards[7].resultCount; ++i)
        after = std::max(after, c.boards[7].results[i].nsPoints);
    QCOMPARE(after, before * 1.5f);
    QVERIFY(!w.form->isSaved());
    QVERIFY(w.find<TextPane>("UtTotal")->isVisible());
    // Taken back, the boards have their points as played.
    QCOMPARE(w.action("undoAction")->text(), QString("\u00c5ngra: nivellerade givar"));
    w.press(QKeySequence("Ctrl+Z"));
    float undone = 0;
    for (int i = 0; i < c.boards[7].resultCount; ++i)
        undone = std::max(undone, c.boards[7].results[i].nsPoints);
    QCOMPARE(undone, before);
}

void TestCommands::setUpTakenBackAndMadeAgain() {
    Window w;
    w.setUpContest(21, 7, 8);
    // Taken back, the set-up is open again; made again, the evening is started.
    QCOMPARE(w.action("undoAction")->text(), QString("\u00c5ngra: uppstart"));
    w.press(QKeySequence("Ctrl+Z"));
    QVERIFY(!w.form->contest().setUpDone);
    QVERIFY(w.find<QWidget>("GrpBrickor")->isVisible());
    QVERIFY(!w.action("correction0")->isEnabled());
    w.press(QKeySequence("Ctrl+Y"));
    QVERIFY(w.form->contest().setUpDone);
    QCOMPARE(w.form->contest().boardCount, 21);
    QCOMPARE(w.form->session().journal().back().after, std::string("8 par, 21 brickor, 7 ronder"));
}

void TestCommands::xmlExport() {
    Window w;
    w.action("MnPrintXML")->trigger();
    QCOMPARE(w.dialogs.lastMessage(), QString("|Starta upp t\u00e4vlingen f\u00f6rst"));
    QVERIFY(w.dialogs.fileFilters.isEmpty());
    w.openExample("kv\u00e4ll8.sco");
    w.dialogs.fileNames << w.path("res");
    w.press(QKeySequence("Ctrl+X"));
    QCOMPARE(w.dialogs.fileFilters.last(), QString("XML-filer: |*.xml"));
    const QByteArray xml = w.readFile("res.xml");
    QVERIFY(xml.startsWith("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>"));
    QVERIFY(xml.contains("<bridgeData>"));
    QVERIFY(xml.contains("<pairN>7</pairN>"));
    // The contest file stays the one that was opened.
    QCOMPARE(w.form->currentFileName(), w.path("oppnad.sco").toStdString());
    w.press(QKeySequence("Ctrl+X"));  // cancelled
    QCOMPARE(w.dialogs.messages.size(), 1);
}

void TestCommands::htmlExports() {
    Window w;
    w.openExample("kv\u00e4ll8.sco");
    w.dialogs.fileNames << w.path("sida");
    w.dialogs.inputAnswers << QString("p");
    w.press(QKeySequence("Ctrl+H"));
    QCOMPARE(w.dialogs.prompts.last(),
             QString("Vilken sorteringsordning: |Resultat (R), Par (P), Spelordn (S)|R"));
    const QByteArray page = w.readFile("sida.html");
    QVERIFY(page.contains("<!-- sco-fil"));
    QVERIFY(page.contains("M&aring;ndagsbridge"));
    const int order = w.form->contest().resultOrder;

    w.dialogs.fileNames << w.path("gammal.HTM");
    w.dialogs.confirmAnswers << false;  // with identity numbers and "Dummy"
    w.press(QKeySequence("Ctrl+G"));
    QCOMPARE(w.dialogs.questions.last(), QString("Utan idnummer och \"Dummy?\""));
    const QByteArray old = w.readFile("gammal.HTM");
    QVERIFY(old.startsWith("<HTML>"));
    QVERIFY(old.contains("  Dummy"));
    QCOMPARE(w.form->contest().resultOrder, order);  // put back after writing

    w.dialogs.inputAnswers << QString("2");
    w.dialogs.fileNames << w.path("r");
    w.press(QKeySequence("Ctrl+R"));
    QCOMPARE(w.dialogs.prompts.last(), QString("Rond|F\u00f6r rond: |1"));
    QVERIFY(w.readFile("r.html").contains("Rondresultat rond 2"));
    QVERIFY(w.dialogs.messages.isEmpty());
}

QTEST_MAIN(TestCommands)
#include "test_commands.moc"
