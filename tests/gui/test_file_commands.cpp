// Open, save, save as, clear and exit, with the fixes for foreign files and failed saves.
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>

#include <stdexcept>

#include "app/guarded_application.h"
#include "app/set_up_panel.h"
#include "app/text_pane.h"
#include "model/board_results.h"
#include "window_fixture.h"

using namespace vindelkast;
using namespace vindelkast::test;

class TestFileCommands : public QObject {
    Q_OBJECT
private slots:
    void openShowsStandings();
    void openIsRefusedWhileSetUp();
    void openMissingOrCancelled();
    void openForeignFileNeverBecomesCurrent();
    void openIndividualKeepsItsName();
    void openPartlyRefusedFileIsUnsaved();
    void saveAsNameRules();
    void failedSaveStaysUnsaved();
    void clearKeepsTextsAndAsksFirst();
    void exitAsksAndStaysWhenSaveFails();
    void anEscapingExceptionIsShown();
};

void TestFileCommands::openShowsStandings() {
    Window w;
    w.copyExample("kv\u00e4ll8.sco", "kvall8.sco");
    w.dialogs.fileNames << w.path("kvall8");
    w.press(QKeySequence("Ctrl+O"));
    QCOMPARE(w.dialogs.fileFilters, QStringList{"Score-filer (*.sco)|*.SCO"});
    QVERIFY2(w.dialogs.messages.isEmpty(), qPrintable(w.dialogs.messages.join(";")));
    const Contest& c = w.form->contest();
    QVERIFY(c.setUpDone);
    QCOMPARE(w.form->currentFileName(), w.path("kvall8.sco").toStdString());
    QVERIFY(w.form->isSaved());
    QVERIFY(!w.find<QWidget>("GrpBrickor")->isVisible());
    auto* total = w.find<TextPane>("UtTotal");
    QVERIFY(total->isVisible());
    QVERIFY(total->plainLines().startsWith("pl  nr    namn"));
    QCOMPARE(total->lineCount(), 1 + 8 - (c.byePair ? 1 : 0));
    QVERIFY(w.find<QLabel>("LblTotal")->text().startsWith("St\u00e4llning totalt, medel "));
    QCOMPARE(w.edit("EdGivar")->text(), QString::number(c.boardCount));
    QCOMPARE(w.edit("EdContName")->text(), QString("M\u00e5ndagsbridge"));
    QVERIFY(w.form->windowTitle().startsWith(" M\u00e5ndagsbridge   2024-03-11. "));
    QVERIFY(w.form->windowTitle().endsWith(" par.  [kvall8.sco]"));
}

void TestFileCommands::openIsRefusedWhileSetUp() {
    Window w;
    w.setUpContest(21, 7, 8);
    w.dialogs.fileNames << w.path("x.sco");
    w.press(QKeySequence("Ctrl+O"));
    QCOMPARE(w.dialogs.lastMessage(),
             QString("Kan bara ha en \u00f6ppnad t\u00e4vling. Du m\u00e5ste avsluta och b\u00f6rja om"));
    QVERIFY(w.dialogs.fileFilters.isEmpty());  // refused before any dialog
}

void TestFileCommands::openMissingOrCancelled() {
    Window w;
    w.press(QKeySequence("Ctrl+O"));  // cancelled
    QCOMPARE(w.dialogs.lastMessage(), QString("Indata ej OK: Kan inte l\u00e4sa filen"));
    w.dialogs.fileNames << w.path("saknas.sco");
    w.press(QKeySequence("Ctrl+O"));
    QCOMPARE(w.dialogs.messages.size(), 2);
    QCOMPARE(w.dialogs.lastMessage(), QString("Indata ej OK: Kan inte l\u00e4sa filen"));
    QVERIFY(!w.form->contest().setUpDone);
    QVERIFY(w.find<QWidget>("GrpBrickor")->isVisible());
}

void TestFileCommands::openForeignFileNeverBecomesCurrent() {
    Window w;
    w.writeFile("inkop.sco", "Mj\xf6lk\r\nSm\xf6r\r\n");
    w.dialogs.fileNames << w.path("inkop.sco");
    w.press(QKeySequence("Ctrl+O"));
    QCOMPARE(w.dialogs.lastMessage(), w.path("inkop.sco") + " \u00e4r inte en %SCO2-fil");
    QVERIFY(w.form->currentFileName().empty());
    // Saving now asks for a name instead of writing over the foreign file.
    w.press(QKeySequence("Ctrl+S"));
    QCOMPARE(w.dialogs.fileFilters.last(), QString("Score-filer: |*.SCO"));
    QCOMPARE(w.readFile("inkop.sco"), QByteArray("Mj\xf6lk\r\nSm\xf6r\r\n"));
}

void TestFileCommands::openIndividualKeepsItsName() {
    Window w;
    w.copyExample("individuell8.sco");
    w.dialogs.fileNames << w.path("individuell8.sco");
    w.action("MnOpen")->trigger();
    const Contest& c = w.form->contest();
    QVERIFY(c.isIndividual);
    QCOMPARE(w.edit("EdContName")->text(), QString("Individuell t\u00e4vling"));
    QVERIFY(w.find<QCheckBox>("ChkIndividuellt")->isChecked());
    QVERIFY(!w.find<QCheckBox>("ChkIndividuellt")->isEnabled());
    QVERIFY(!w.action("mnPrivatprotokoll1")->isEnabled());
    QVERIFY(w.form->windowTitle().contains(" personer."));
}

void TestFileCommands::openPartlyRefusedFileIsUnsaved() {
    Window w;
    w.copyExample("kv\u00e4ll8.sco", "kvall8.sco");
    QByteArray bytes = w.readFile("kvall8.sco");
    qsizetype afterTexts = 0;
    for (int line = 0; line < 5; ++line) afterTexts = bytes.indexOf("\r\n", afterTexts) + 2;
    bytes.insert(afterTexts, " 1  0  4   100     1     1\r\n");
    w.writeFile("kvall8.sco", bytes);
    w.dialogs.fileNames << w.path("kvall8.sco");
    w.press(QKeySequence("Ctrl+O"));
    QCOMPARE(
        w.dialogs.lastMessage(),
        QString("Indata ej OK: Parnummer utanf\u00f6r 1..72 p\u00e5 raden:  1  0  4   100     1     1 \n\n"
                "1 rad l\u00e4stes inte. Det som inte kunde l\u00e4sas kommer inte med om t\u00e4vlingen "
                "sparas."));
    // The contest differs from the file: leaving asks, and saving writes it without the line.
    QVERIFY(!w.form->isSaved());
    QVERIFY(w.form->windowTitle().endsWith(" *"));
    w.press(QKeySequence("Ctrl+S"));
    QVERIFY(w.form->isSaved());
    QVERIFY(!w.readFile("kvall8.sco").contains(" 1  0  4 "));
}

void TestFileCommands::saveAsNameRules() {
    Window w;
    w.setUpContest(21, 7, 8);
    const struct {
        QString typed;
        QString saved;
    } cases[] = {{"kv", "kv.sco"}, {"tisdag.SCO", "tisdag.SCO"}, {"tisdag.txt", "tisdag.txt.sco"}};
    for (const auto& one : cases) {
        w.dialogs.fileNames << w.path(one.typed);
        w.press(QKeySequence("Ctrl+Alt+S"));
        QVERIFY2(QFile::exists(w.path(one.saved)), qPrintable(one.saved));
        QCOMPARE(w.form->currentFileName(), w.path(one.saved).toStdString());
        QVERIFY(w.form->windowTitle().endsWith("[" + one.saved + "]"));
        QVERIFY(w.readFile(one.saved).startsWith("%SCO2"));
    }
    // A cancelled dialog changes nothing.
    w.form->session().markUnsaved(ContestChange::everything());
    w.press(QKeySequence("Ctrl+Alt+S"));
    QCOMPARE(w.form->currentFileName(), w.path("tisdag.txt.sco").toStdString());
    QVERIFY(!w.form->isSaved());
    // Save writes to the current file without asking.
    const int asked = w.dialogs.fileFilters.size();
    w.edit("EdContName")->setText("Onsdag");
    w.press(QKeySequence("Ctrl+S"));
    QCOMPARE(w.dialogs.fileFilters.size(), asked);
    QVERIFY(w.form->isSaved());
    QVERIFY(w.readFile("tisdag.txt.sco").contains("\r\nOnsdag\r\n"));
    QVERIFY(w.dialogs.messages.isEmpty());
}

void TestFileCommands::failedSaveStaysUnsaved() {
    Window w;
    w.setUpContest(21, 7, 8);
    w.form->session().markUnsaved(ContestChange::everything());
    w.dialogs.fileNames << w.path("saknad-mapp/kvall");
    w.press(QKeySequence("Ctrl+Alt+S"));
    QVERIFY(w.dialogs.lastMessage().startsWith("Kunde inte skriva filen"));
    QVERIFY(!w.form->isSaved());
    QVERIFY(w.form->windowTitle().endsWith(" *"));
}

void TestFileCommands::clearKeepsTextsAndAsksFirst() {
    Window w;
    w.dialogs.inputAnswers << QString("Norr") << QString("S\u00f6der");
    w.action("Lagmatch1")->trigger();
    w.type("EdContName", "Klubbkamp");
    w.setUpContest(21, 7, 8);
    w.form->session().edit({"test"}, ContestChange::everything(), [](Contest& c) {
        c.boards[1].deal[North][0] = Card{0, 14, 1};
        c.dealCount = 1;
        setScore(c.boards[1].results[0], 420);
    });
    const Contest& c = w.form->contest();

    // With unsaved changes Clear asks first; a cancelled save keeps everything.
    w.dialogs.confirmAnswers << true;
    w.press(QKeySequence("Ctrl+Alt+R"));
    QCOMPARE(w.dialogs.questions.last(), QString("Rensa - vill du spara t\u00e4vlingen f\u00f6rst?"));
    QVERIFY(c.setUpDone);
    QCOMPARE(c.boards[1].results[0].nsScore, 420);

    // No: cleared without saving.
    w.dialogs.confirmAnswers << false;
    w.press(QKeySequence("Ctrl+Alt+R"));
    QVERIFY(!c.setUpDone);
    QCOMPARE(c.boards[1].resultCount, 0);
    QVERIFY(!c.boards[1].hasDeal());
    QCOMPARE(c.dealCount, 0);
    QVERIFY(w.form->isSaved());
    QVERIFY(w.form->currentFileName().empty());
    QCOMPARE(w.edit("EdContName")->text(), QString("Klubbkamp"));
    QVERIFY(w.edit("EdGivar")->text().isEmpty());
    QVERIFY(w.find<QWidget>("GrpBrickor")->isVisible());
    QVERIFY(!w.find<QWidget>("UtTotal")->isVisible());
    QCOMPARE(w.form->windowTitle(), QString("Vindelkast"));
    // The team names stay; the ticked box makes the next contest a team match again.
    QVERIFY(w.find<QCheckBox>("cbTeamContest")->isChecked());
    w.setUpContest(21, 7, 8);
    QVERIFY(c.isTeamContest);
    QCOMPARE(c.teamName2, cp("S\u00f6der"));
    w.action("Lagmatch1")->trigger();
    QCOMPARE(w.dialogs.prompts.size(), 2);
    // A contest without changes is cleared without a question.
    const int questions = w.dialogs.questions.size();
    w.press(QKeySequence("Ctrl+Alt+R"));
    QCOMPARE(w.dialogs.questions.size(), questions);
}

void TestFileCommands::exitAsksAndStaysWhenSaveFails() {
    Window w;
    w.setUpContest(21, 7, 8);
    QVERIFY(w.form->close());  // nothing changed: no question
    QVERIFY(w.dialogs.questions.isEmpty());

    Window x;
    x.setUpContest(21, 7, 8);
    x.form->session().markUnsaved(ContestChange::everything());
    x.dialogs.confirmAnswers << true;  // Yes, but the save-as dialog is cancelled
    QVERIFY(!x.form->close());
    QCOMPARE(x.dialogs.questions, QStringList{"Avsluta - vill du spara t\u00e4vlingen f\u00f6rst?"});
    x.dialogs.confirmAnswers << true;
    x.dialogs.fileNames << x.path("slut");
    QVERIFY(x.form->close());
    QVERIFY(QFile::exists(x.path("slut.sco")));

    Window y;
    y.setUpContest(21, 7, 8);
    y.form->session().markUnsaved(ContestChange::everything());
    y.dialogs.confirmAnswers << false;  // No: ends without saving
    QVERIFY(y.form->close());
}

void TestFileCommands::anEscapingExceptionIsShown() {
    FakeDialogs dialogs;
    QVERIFY(!runGuarded(&dialogs, [] { throw std::runtime_error("trasig fil"); }));
    QCOMPARE(dialogs.messages.size(), 1);
    QVERIFY(dialogs.messages[0].startsWith("Vindelkast|Ett fel intr\u00e4ffade: trasig fil"));
    QVERIFY(runGuarded(&dialogs, [] {}));
    QCOMPARE(dialogs.messages.size(), 1);
}

QTEST_MAIN(TestFileCommands)
#include "test_file_commands.moc"
