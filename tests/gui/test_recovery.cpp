// The recovery file: written on every change, removed by save, exit and clear, and offered
// after a run that did not end normally.
#include <QCheckBox>
#include <QFile>

#include "app/recovery_file.h"
#include "app/set_up_panel.h"
#include "model/board_results.h"
#include "model/board_scoring.h"
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
};

namespace {

void enterScore(TForm1& form, int board, int nsScore) {
    form.session().edit(ContestChange::results(board), [board, nsScore](Contest& c) {
        setScore(c.boards[board].results[0], nsScore);
        c.boardHasScores[board] = true;
        scoreBoard(c.boards[board]);
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
    QCOMPARE(c.boards[5].results[0].nsScore, -100);
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

QTEST_MAIN(TestRecovery)
#include "test_recovery.moc"
