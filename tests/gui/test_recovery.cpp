// The recovery file: written on every change, removed by save, exit and clear, and offered
// after a run that did not end normally.
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>

#include "app/set_up_panel.h"
#include "app/text_pane.h"
#include "files/edit_journal.h"
#include "files/recovery_file.h"
#include "model/board_results.h"
#include "model/board_scoring.h"
#include "output/progress_view.h"
#include "window_fixture.h"

using namespace vindelkast;
using namespace vindelkast::test;

class TestRecovery : public QObject {
    Q_OBJECT
private slots:
    void crashedRunIsBroughtBack();
    void declinedOfferKeepsTheFile();
    void saveExitAndClearRemoveIt();
    void foreignRecoveryTextIsRejected();
    void individualContestComesBackWithItsLook();
    void escapeOnExitOrClearKeepsEverything();
    void aChangeThroughTheSessionReachesEveryView();
    void sideFilesFollowSaveOpenAndRecovery();
    void unreadSideFilesAreKeptUntilTheDirectorSays();
};

namespace {

void enterScore(TForm1& form, int board, int nsScore) {
    form.session().edit({}, ContestChange::results(board), [board, nsScore](Contest& c) {
        setScore(c.boards[board].results[0], nsScore);
        c.boardHasScores[board] = true;
        scoreBoard(c.boards[board], ScoringRule{});
    });
}

}  // namespace

void TestRecovery::crashedRunIsBroughtBack() {
    Window w;
    w.dialogs.inputAnswers << QString("Hemma") << QString("Borta");
    w.action("Lagmatch1")->trigger();
    w.action("Handicap1")->trigger();
    w.setUpContest(21, 7, 8);
    w.dialogs.fileNames << w.path("kvall");
    w.press(QKeySequence("Ctrl+Alt+S"));
    QVERIFY(!QFile::exists(w.path(kRecoveryFileName)));
    enterScore(*w.form, 4, 620);
    w.form->session().choose([](Contest& c) { c.nameFrozen[3] = true; });
    enterScore(*w.form, 5, -100);
    QVERIFY(QFile::exists(w.path(kRecoveryFileName)));
    const int ns4 = w.form->contest().boards[4].results[0].nsPair;
    // Board 5 taken back, made again and taken back once more, from the keyboard.
    QVERIFY(w.action("undoAction")->text().startsWith("\u00c5ngra: resultat giv 5"));
    w.press(QKeySequence("Ctrl+Z"));
    QVERIFY(!hasScore(w.form->contest().boards[5].results[0].nsScore));
    QVERIFY(w.form->contest().nameFrozen[3]);
    w.press(QKeySequence("Ctrl+Y"));
    QCOMPARE(w.form->contest().boards[5].results[0].nsScore, -100);
    w.press(QKeySequence("Ctrl+Z"));
    const std::vector<JournalEntry> journal = w.form->session().journal();
    QVERIFY(journal.size() >= 5);
    QCOMPARE(journal.back().what, "\xc5ngrat: " + journal[journal.size() - 4].what);
    QCOMPARE(journal.back().before,
             std::string("NS ") + std::to_string(w.form->contest().boards[5].results[0].nsPair) +
                 " \x96 \xd6V " + std::to_string(w.form->contest().boards[5].results[0].ewPair) + ": -100");

    // The power goes: the window is gone without closing; a new run starts in the folder.
    w.form.reset();
    w.create();
    w.dialogs.confirmAnswers << true;
    w.form->offerRecovery();
    QVERIFY(w.dialogs.questions.last().contains("avslutades inte normalt"));
    const Contest& c = w.form->contest();
    QVERIFY(c.setUpDone);
    QCOMPARE(c.boardCount, 21);
    QCOMPARE(c.boards[4].results[0].nsPair, ns4);
    QCOMPARE(c.boards[4].results[0].nsScore, 620);
    QVERIFY(!hasScore(c.boards[5].results[0].nsScore));
    QVERIFY(w.form->session().journal() == journal);
    QVERIFY(!w.action("undoAction")->isEnabled());
    QVERIFY(c.hasHandicap);
    QVERIFY(c.isTeamContest);
    QCOMPARE(c.teamName1, std::string("Hemma"));
    QVERIFY(c.nameFrozen[3]);
    QVERIFY(w.find<QCheckBox>("CBHandicap")->isChecked());
    QCOMPARE(w.form->currentFileName(), w.path("kvall.sco").toStdString());
    // Brought back, but not yet saved: the caption says so and leaving asks.
    QVERIFY(!w.form->isSaved());
    QVERIFY(w.form->windowTitle().endsWith(" *"));
    w.dialogs.confirmAnswers << true;
    QVERIFY(w.form->close());
    QVERIFY(w.readFile("kvall.sco").contains(" 4 "));
    QVERIFY(!QFile::exists(w.path(kRecoveryFileName)));
    std::vector<JournalEntry> kept;
    QCOMPARE(readJournal(kept, w.readFile("kvall.logg").toStdString()), std::string());
    QVERIFY(kept == journal);
}

void TestRecovery::declinedOfferKeepsTheFile() {
    Window w;
    w.setUpContest(21, 7, 8);
    enterScore(*w.form, 1, 50);
    w.form.reset();
    w.create();
    w.form->offerRecovery();  // No
    QVERIFY(!w.form->contest().setUpDone);
    QVERIFY(QFile::exists(w.path(kRecoveryFileName)));
    // No recovery file: no question at all.
    Window fresh;
    fresh.form->offerRecovery();
    QVERIFY(fresh.dialogs.questions.isEmpty());
}

void TestRecovery::saveExitAndClearRemoveIt() {
    Window w;
    w.setUpContest(21, 7, 8);
    enterScore(*w.form, 1, 50);
    QVERIFY(QFile::exists(w.path(kRecoveryFileName)));
    w.press(QKeySequence("Ctrl+Alt+R"));  // asks; No
    QVERIFY(!QFile::exists(w.path(kRecoveryFileName)));

    w.setUpContest(21, 7, 8);
    enterScore(*w.form, 1, 50);
    w.dialogs.fileNames << w.path("a.sco");
    w.press(QKeySequence("Ctrl+S"));
    QVERIFY(!QFile::exists(w.path(kRecoveryFileName)));
    enterScore(*w.form, 2, 50);
    QVERIFY(QFile::exists(w.path(kRecoveryFileName)));
    w.dialogs.confirmAnswers << false;
    QVERIFY(w.form->close());
    QVERIFY(!QFile::exists(w.path(kRecoveryFileName)));

    // A recovery file that cannot be removed would be offered at the next start as if the
    // evening were lost: the save says so and the contest stays unsaved.
    Window blocked;
    blocked.setUpContest(21, 7, 8);
    QVERIFY(QFile::remove(blocked.path(kRecoveryFileName)));
    QVERIFY(QDir(blocked.path("")).mkpath(QString(kRecoveryFileName) + "/inne"));
    enterScore(*blocked.form, 1, 50);
    blocked.form->session().setFileName(blocked.path("b.sco").toStdString());
    QCOMPARE(blocked.form->session().save(), std::string("Kan inte ta bort vindelkast-aterstall.txt"));
    QVERIFY(!blocked.form->session().isSaved());
    QVERIFY(QFile::exists(blocked.path("b.sco")));

    // While the file cannot be written the director hears of it once, not at every change; once
    // it could be written again, a new failure is told anew.
    const auto toldOfRecovery = [&blocked] {
        QCoreApplication::processEvents();
        return blocked.dialogs.messages.filter("terst\u00e4llningsfilen kunde inte skrivas").size();
    };
    const int toldBefore = toldOfRecovery();
    QVERIFY(toldBefore >= 1);
    enterScore(*blocked.form, 2, 110);
    QCOMPARE(toldOfRecovery(), toldBefore);
    QVERIFY(QDir(blocked.path(kRecoveryFileName)).removeRecursively());
    enterScore(*blocked.form, 3, 420);
    QVERIFY(QFile::exists(blocked.path(kRecoveryFileName)));
    QVERIFY(QFile::remove(blocked.path(kRecoveryFileName)));
    QVERIFY(QDir(blocked.path("")).mkpath(QString(kRecoveryFileName) + "/inne"));
    enterScore(*blocked.form, 4, 620);
    QCOMPARE(toldOfRecovery(), toldBefore + 1);
}

void TestRecovery::foreignRecoveryTextIsRejected() {
    RecoverySettings settings;
    std::string contestText;
    QVERIFY(!parseRecoveryText("%SCO2\r\nx\r\n", settings, contestText).empty());
    QVERIFY(!parseRecoveryText("%VINDELKAST-ATERSTALL 1\r\nfil a\r\n", settings, contestText).empty());
    QVERIFY(parseRecoveryText("%VINDELKAST-ATERSTALL 1\r\nfrysta 2 99 x 72\r\n%TAVLINGSFIL\r\n%SCO2\r\n",
                              settings, contestText)
                .empty());
    QVERIFY(settings.nameFrozen[2] && settings.nameFrozen[72]);
    QCOMPARE(contestText, std::string("%SCO2\r\n"));

    Window w;
    w.writeFile(kRecoveryFileName, "skr\xe4p\r\n");
    w.dialogs.confirmAnswers << true;
    w.form->offerRecovery();
    QVERIFY(w.dialogs.lastMessage().contains("kunde inte l\u00e4sas"));
    QVERIFY(!w.form->contest().setUpDone);
}

void TestRecovery::individualContestComesBackWithItsLook() {
    Window w;
    w.openExample("individuell8.sco");
    w.form->session().markUnsaved(ContestChange::everything());
    w.form.reset();
    w.create();
    w.dialogs.confirmAnswers << true;
    w.form->offerRecovery();
    QVERIFY(w.form->contest().isIndividual);
    QVERIFY(w.find<QCheckBox>("ChkIndividuellt")->isChecked());
    QVERIFY(!w.find<QCheckBox>("ChkIndividuellt")->isEnabled());
    QCOMPARE(w.edit("EdContName")->text(), QString("Individuell t\u00e4vling"));
    QVERIFY(w.form->windowTitle().contains(" personer. *"));
}

void TestRecovery::escapeOnExitOrClearKeepsEverything() {
    Window w;
    w.setUpContest(21, 7, 8);
    enterScore(*w.form, 1, 50);
    w.dialogs.askAnswers << Dialogs::Answer::Cancel;
    QVERIFY(!w.form->close());
    QCOMPARE(w.dialogs.questions.last(), QString("Avsluta - vill du spara t\u00e4vlingen f\u00f6rst?"));
    w.dialogs.askAnswers << Dialogs::Answer::Cancel;
    w.press(QKeySequence("Ctrl+Alt+R"));
    QCOMPARE(w.dialogs.questions.last(), QString("Rensa - vill du spara t\u00e4vlingen f\u00f6rst?"));
    QVERIFY(w.form->contest().setUpDone);
    QCOMPARE(w.form->contest().boards[1].results[0].nsScore, 50);
    QVERIFY(!w.form->isSaved());
    QVERIFY(w.form->windowTitle().endsWith(" *"));
    QVERIFY(QFile::exists(w.path(kRecoveryFileName)));
    QVERIFY(w.dialogs.fileFilters.isEmpty());
}

// A score stored on the session, as a table's phone would store it, reaches the standings,
// the score tables, the progress grid, the caption and the recovery file; no panel is asked.
void TestRecovery::aChangeThroughTheSessionReachesEveryView() {
    Window w;
    w.setUpContest(21, 7, 8);
    w.press(QKeySequence(Qt::Key_F4));
    w.action("Visascoretavlor1")->trigger();
    w.action("Total1")->trigger();
    auto* standings = w.find<TextPane>("UtTotal");
    auto* tables = w.find<TextPane>("ScoreTables");
    QVERIFY(standings->isVisible() && tables->isVisible());
    const QString standingsBefore = standings->plainLines();
    const Contest& c = w.form->contest();
    const BoardResult& slot = c.boards[1].results[0];
    EntryRow row;
    row.ns = slot.nsPair;
    row.ew = slot.ewPair;
    QVERIFY(!tables->plainLines().contains("450"));

    QVERIFY(w.form->session().storeScore(1, row, "45").written);
    QVERIFY(tables->plainLines().contains("450"));
    QVERIFY(standings->plainLines() != standingsBefore);
    const auto cells = progressCells(c, {});
    QCOMPARE(w.find<QLabel>("ProgressCell1")->palette().color(QPalette::Window), viewColour(cells[0].colour));
    QVERIFY(w.form->windowTitle().endsWith(" *"));

    w.form.reset();
    w.create();
    w.dialogs.confirmAnswers << true;
    w.form->offerRecovery();
    const BoardResult* back = findResult(w.form->contest().boards[1], row.ns, row.ew);
    QVERIFY(back);
    QCOMPARE(back->nsScore, 450);
}

// A side file beside the contest file: written by every save, read on opening, carried in
// the recovery file after the contest, and no section at all without side files.
void TestRecovery::sideFilesFollowSaveOpenAndRecovery() {
    std::string kept = "Bord 1: 3NT\r\n";
    std::string read;
    const auto addSide = [&](ContestSession& session) {
        session.addSideFile({".prov", [&kept](const Contest&) { return kept; },
                             [&read](Contest&, const std::string& text) {
                                 read = text;
                                 return std::string();
                             }});
    };
    Window w;
    addSide(w.form->session());
    w.setUpContest(21, 7, 8);
    w.dialogs.fileNames << w.path("kvall");
    w.press(QKeySequence("Ctrl+Alt+S"));
    QCOMPARE(w.readFile("kvall.prov"), QByteArray("Bord 1: 3NT\r\n"));

    kept = "Bord 2: 4S\r\n";
    enterScore(*w.form, 1, 50);
    const QByteArray recovery = w.readFile(kRecoveryFileName);
    QVERIFY(recovery.contains("%SIDOFIL .prov 12\r\nBord 2: 4S\r\n%SIDOFIL .logg "));
    w.form.reset();
    w.create();
    addSide(w.form->session());
    w.dialogs.confirmAnswers << true;
    w.form->offerRecovery();
    QCOMPARE(read, std::string("Bord 2: 4S\r\n"));
    QCOMPARE(w.form->contest().boards[1].results[0].nsScore, 50);

    Window opened;
    addSide(opened.form->session());
    opened.copyExample("kv\u00e4ll8.sco", "tisdag.sco");
    opened.writeFile("tisdag.prov", "Bord 3: 2H\r\n");
    opened.dialogs.fileNames << opened.path("tisdag");
    opened.press(QKeySequence("Ctrl+O"));
    QCOMPARE(read, std::string("Bord 3: 2H\r\n"));

    // A contest whose file keeps it whole (its rounds are the slots' places) has no side file
    // but the journal of its edits.
    Window plain;
    plain.copyExample("kv\u00e4ll8.sco", "plain.sco");
    plain.dialogs.fileNames << plain.path("plain");
    plain.press(QKeySequence("Ctrl+O"));
    enterScore(*plain.form, 1, 50);
    const QByteArray recovered = plain.readFile(kRecoveryFileName);
    QVERIFY(recovered.count("%SIDOFIL") == 1 && recovered.contains("%SIDOFIL .logg "));
}

// Sections that cannot be read keep the evening closed, as the command-line program does:
// opened as one field every board would be scored another way. Other side files that cannot
// be read are told by name and reason, and kept through a crash and every save until the
// director says to write over them.
void TestRecovery::unreadSideFilesAreKeptUntilTheDirectorSays() {
    Window w;
    w.copyExample("kv\u00e4ll8.sco", "kvall8.sco");
    const QByteArray rounds("%RONDER 1\r\nS 1 4 13 1\r\n");
    const QByteArray sections("%SEKTIONER 1\r\nOVER-FALTET\r\nA 1 3\r\nB 4 5\r\n");
    w.writeFile("kvall8.ronder", rounds);
    w.writeFile("kvall8.sektion", sections);
    // An evening not recovered yet stays in its recovery file.
    const QByteArray unsaved("%TAVLINGSFIL\r\n%SCO2 \r\n");
    w.writeFile(kRecoveryFileName, unsaved);
    w.dialogs.fileNames << w.path("kvall8");
    w.press(QKeySequence("Ctrl+O"));
    QCOMPARE(w.readFile(kRecoveryFileName), unsaved);
    QVERIFY2(
        w.dialogs.lastMessage().startsWith(
            "Indata ej OK: kvall8.sektion kunde inte l\u00e4sas: Sektionerna passar inte t\u00e4vlingen: "
            "par 6-8 ing\u00e5r inte i n\u00e5gon sektion\n\nT\u00e4vlingen \u00f6ppnas inte"),
        qPrintable(w.dialogs.lastMessage()));
    QVERIFY(!w.form->contest().setUpDone);
    QVERIFY(w.form->session().fileName().empty());
    QCOMPARE(w.readFile("kvall8.sektion"), sections);

    QFile::remove(w.path("kvall8.sektion"));
    w.dialogs.fileNames << w.path("kvall8");
    w.press(QKeySequence("Ctrl+O"));
    QVERIFY(w.dialogs.lastMessage().contains(
        "Kunde inte l\u00e4sa kvall8.ronder: Fel i rondfilen, rad 2: par 4-13 spelar inte giv 1"));
    QVERIFY(w.form->contest().setUpDone);

    // The recovery file carries it as it was found: a recovered evening knows it too.
    enterScore(*w.form, 1, 50);
    w.form.reset();
    w.create();
    w.dialogs.confirmAnswers << true;
    w.form->offerRecovery();
    QVERIFY2(w.dialogs.lastMessage().contains("kvall8.ronder: Fel i rondfilen"),
             qPrintable(w.dialogs.lastMessage()));

    w.dialogs.askAnswers << Dialogs::Answer::Cancel << Dialogs::Answer::No;
    w.press(QKeySequence("Ctrl+S"));
    QVERIFY(w.dialogs.questions.last().startsWith("kvall8.ronder kunde inte l\u00e4sas"));
    QVERIFY(!w.form->isSaved());
    w.press(QKeySequence("Ctrl+S"));
    QVERIFY(w.form->isSaved());
    QCOMPARE(w.readFile("kvall8.ronder"), rounds);
    // Yes: the contest's own state replaces it (rounds in the file's order: no file), and
    // nothing is asked again.
    w.dialogs.askAnswers << Dialogs::Answer::Yes;
    w.press(QKeySequence("Ctrl+S"));
    QVERIFY(!QFile::exists(w.path("kvall8.ronder")));
    w.press(QKeySequence("Ctrl+S"));
    QCOMPARE(w.dialogs.questions.size(), 4);
}

QTEST_MAIN(TestRecovery)
#include "test_recovery.moc"
