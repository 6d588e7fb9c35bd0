// The window's command line: `vindelkast [--bord [PORT]] [TÄVLING.sco]`, --help, --version,
// and a contest opened at start as a double-click on it opens it.
#include <QFile>

#include "app/start_options.h"
#include "files/recovery_file.h"
#include "model/board_results.h"
#include "model/board_scoring.h"
#include "window_fixture.h"

using namespace vindelkast;
using namespace vindelkast::test;

class TestStart : public QObject {
    Q_OBJECT
private slots:
    void commandLineIsReadAsTheManPageSays();
    void aContestNamedAtStartOpensWithItsNameInTheCaption();
    void anUnreadableFileIsSaidAndTheWindowGoesOn();
    void aRestoredContestIsOfferedToBeSavedFirst();
};

void TestStart::commandLineIsReadAsTheManPageSays() {
    const auto read = [](const QStringList& words) {
        return readStartOptions(QStringList{"vindelkast"} + words);
    };
    StartOptions plain = read({});
    QCOMPARE(plain.contestFile, QString());
    QCOMPARE(plain.tablePort, quint16(0));
    QVERIFY(plain.askAboutRecovery && plain.error.isEmpty() && !plain.help && !plain.version);

    // "--bord" takes a port only when a number follows it.
    StartOptions bare = read({"--bord", "kv\u00e4ll8.sco"});
    QCOMPARE(bare.tablePort, quint16(8080));
    QCOMPARE(bare.contestFile, QString("kv\u00e4ll8.sco"));
    StartOptions port = read({"kv\u00e4ll8.sco", "--bord", "8081"});
    QCOMPARE(port.tablePort, quint16(8081));
    QCOMPARE(port.contestFile, QString("kv\u00e4ll8.sco"));
    QCOMPARE(read({"--bord"}).tablePort, quint16(8080));
    QCOMPARE(read({"--bord=9000"}).tablePort, quint16(9000));
    QVERIFY(!read({"--bord", "70000"}).error.isEmpty());

    QVERIFY(read({"--help"}).help);
    QVERIFY(read({"-h"}).help);
    QVERIFY(read({"--version"}).version);
    QVERIFY(!read({"--aterstall-utan-fraga"}).askAboutRecovery);
    QCOMPARE(read({"--spara"}).error, QString("Ok\u00e4nd flagga: --spara"));
    QVERIFY(!read({"a.sco", "b.sco"}).error.isEmpty());

    // The texts themselves: Swedish, with every option the parser takes.
    for (const char* option : {"--bord [PORT]", "--help", "--version", "T\u00c4VLING.sco"})
        QVERIFY2(startHelpText().contains(QString::fromUtf8(option)), option);
    QCOMPARE(startVersionText(), QString("Vindelkast 3.23 2015-07-27\n"));
}

void TestStart::aContestNamedAtStartOpensWithItsNameInTheCaption() {
    Window w;
    w.copyExample("kv\u00e4ll8.sco");
    w.form->offerRecovery();
    w.form->openAtStart(w.path("kv\u00e4ll8.sco"));
    QVERIFY2(w.dialogs.messages.isEmpty(), qPrintable(w.dialogs.lastMessage()));
    QVERIFY(w.dialogs.questions.isEmpty());
    QVERIFY(w.form->contest().setUpDone);
    QCOMPARE(w.form->contest().boardCount, 21);
    QVERIFY2(w.form->windowTitle().endsWith("[kv\u00e4ll8.sco]"), qPrintable(w.form->windowTitle()));
    // Opened as "Öppna" opens: the standings are on screen and "Spara" writes this file.
    QVERIFY(w.form->isSaved());
    QCOMPARE(w.form->currentFileName(), w.path("kv\u00e4ll8.sco").toStdString());
}

void TestStart::anUnreadableFileIsSaidAndTheWindowGoesOn() {
    Window w;
    w.form->openAtStart(w.path("saknas.sco"));
    QCOMPARE(w.dialogs.lastMessage(), QString("Indata ej OK: Kan inte l\u00e4sa filen"));
    QVERIFY(!w.form->contest().setUpDone);
    w.writeFile("medlem.sco", "Berg 17 0\r\n");
    w.form->openAtStart(w.path("medlem.sco"));
    QVERIFY(w.dialogs.lastMessage().endsWith("medlem.sco \u00e4r inte en %SCO2-fil"));
    QVERIFY(w.form->currentFileName().empty());

    // Still usable: the menu's own open command opens a contest after both.
    w.copyExample("halvkv\u00e4ll12.sco");
    w.dialogs.fileNames << w.path("halvkv\u00e4ll12.sco");
    w.action("MnOpen")->trigger();
    QVERIFY(w.form->contest().setUpDone);
    QVERIFY(w.form->windowTitle().endsWith("[halvkv\u00e4ll12.sco]"));
}

void TestStart::aRestoredContestIsOfferedToBeSavedFirst() {
    Window w;
    w.copyExample("kv\u00e4ll8.sco");
    w.setUpContest(21, 7, 8);
    w.form->session().edit({"resultat"}, ContestChange::results(1), [](Contest& c) {
        setScore(c.boards[1].results[0], 420);
        c.boardHasScores[1] = true;
        scoreBoard(c.boards[1], ScoringRule{});
    });
    w.form.reset();  // the program crashed with the contest unsaved
    w.create();
    w.dialogs.confirmAnswers << true;  // bring it back
    w.form->offerRecovery();
    QCOMPARE(w.form->contest().boards[1].results[0].nsScore, 420);

    // Avbryt: the restored contest and its recovery file stay.
    w.dialogs.askAnswers << Dialogs::Answer::Cancel;
    w.form->openAtStart(w.path("kv\u00e4ll8.sco"));
    QCOMPARE(w.dialogs.questions.last(),
             QString("\u00d6ppna kv\u00e4ll8.sco - vill du spara t\u00e4vlingen f\u00f6rst?"));
    QCOMPARE(w.form->contest().boards[1].results[0].nsScore, 420);
    QVERIFY(w.form->currentFileName().empty());
    QVERIFY(QFile::exists(w.path(kRecoveryFileName)));

    // Nej: the restored contest goes, the named one opens.
    w.dialogs.askAnswers << Dialogs::Answer::No;
    w.form->openAtStart(w.path("kv\u00e4ll8.sco"));
    QCOMPARE(w.form->currentFileName(), w.path("kv\u00e4ll8.sco").toStdString());
    QVERIFY(w.form->isSaved());
    QVERIFY(w.form->windowTitle().endsWith("[kv\u00e4ll8.sco]"));
}

QTEST_MAIN(TestStart)
#include "test_start.moc"
