// "Skapa guidekort...": a movement made for the night's pairs, used at once, its cards
// saved as PDF and printed; a relay's shared board groups through save, open and recovery.
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QSet>

#include <fstream>

#include "files/contest_file.h"
#include "model/board_results.h"
#include "model/contest_scoring.h"
#include "model/member_register.h"
#include "output/standings_view.h"
#include "pdf_words.h"
#include "session/contest_session.h"
#include "support/test_text.h"
#include "window_fixture.h"

using namespace vindelkast;
using namespace vindelkast::test;

class TestMovementCards : public QObject {
    Q_OBJECT
private slots:
    void elevenPairsGetAMitchellWithABypair();
    void nothingIsMadeWithoutPairsOrWhenCancelled();
    void shortenedHowellCardsShareFewPages();
    void relayComesBackFromSaveOpenAndRecovery();
    void neubergOptionLevelsByTheFormula();
    void neubergStaysWithTheContest();
};

namespace {

void create(Window& w, const QString& pairs, Dialogs::MovementChoice choice, bool print) {
    w.press(QKeySequence(Qt::Key_F2));
    w.type("EdNrPar", pairs);
    w.dialogs.movementChoices << choice;
    w.dialogs.confirmAnswers << print;
    QTest::mouseClick(w.find<QPushButton>("createGuideCardButton"), Qt::LeftButton);
}

std::vector<std::tuple<int, int, int, int>> laidSlots(const Contest& c) {
    std::vector<std::tuple<int, int, int, int>> all;
    for (int b = 1; b <= kMaxBoard; ++b)
        for (int i = 0; i < c.boards[b].resultCount; ++i)
            all.emplace_back(b, c.boards[b].results[i].round, c.boards[b].results[i].nsPair,
                             c.boards[b].results[i].ewPair);
    std::sort(all.begin(), all.end());
    return all;
}

}  // namespace

void TestMovementCards::elevenPairsGetAMitchellWithABypair() {
    Window w;
    create(w, "11", {false, 0, 0, false}, true);
    QCOMPARE(w.dialogs.movementPairs, QList<int>{11});
    const QString summary = w.dialogs.messages.at(0);
    QVERIFY2(
        summary.startsWith("Skapa guidekort|Guidekortet P11_mitchell_5x5.gui anv\u00e4nds nu.\n\n"
                           "Mitchell med hopp f\u00f6r 11 par: 6 bord, 5 ronder, 5 givar per rond, 30 givar\n"
                           "Fripar 12:\n  rond 1: par 6 st\u00e5r \u00f6ver"),
        qPrintable(summary));
    QCOMPARE(w.edit("EdFripar")->text(), QString("12"));
    QCOMPARE(w.edit("EdGivar")->text(), QString("30"));
    QCOMPARE(w.edit("EdRonder")->text(), QString("5"));
    QVERIFY(!w.find<QPushButton>("BtnGuide")->isEnabled());
    QVERIFY(!w.find<QPushButton>("createGuideCardButton")->isEnabled());
    for (const char* file :
         {"P11_mitchell_5x5.gui", "P11_mitchell_5x5-bordskort.pdf", "P11_mitchell_5x5-parkort.pdf"})
        QVERIFY2(QFile::exists(w.path(file)), file);
    QCOMPARE(w.readFile("P11_mitchell_5x5-parkort.pdf").left(5), QByteArray("%PDF-"));
    QCOMPARE(w.dialogs.printJobs.size(), 2);
    QCOMPARE(w.dialogs.printJobs[0].title, QString("Bordskort"));
    QVERIFY(w.dialogs.printJobs[0].text.contains("Bord 6"));
    QCOMPARE(w.dialogs.printJobs[1].title, QString("Parkort"));
    // Pair 6 meets the bye pair in round 1: it sits out then.
    QVERIFY(w.dialogs.printJobs[1].text.contains("   1  -                  st\u00e5r \u00f6ver"));
    QVERIFY(!w.dialogs.printJobs[1].text.contains("Par 12"));

    QTest::mouseClick(w.find<QPushButton>("BtnKlar"), Qt::LeftButton);
    const Contest& c = w.form->contest();
    QVERIFY(c.setUpDone);
    QCOMPARE(c.byePair, 12);
    QCOMPARE(c.boardCount, 30);
    for (const auto& [board, round, ns, ew] : laidSlots(c)) QVERIFY(ns != 12 && ew != 12);
    QCOMPARE(static_cast<int>(laidSlots(c).size()), 30 * 5 - 5 * 5);  // 6 tables less the resting one
}

void TestMovementCards::nothingIsMadeWithoutPairsOrWhenCancelled() {
    Window w;
    w.press(QKeySequence(Qt::Key_F2));
    QTest::mouseClick(w.find<QPushButton>("createGuideCardButton"), Qt::LeftButton);
    QCOMPARE(w.dialogs.lastMessage(),
             QString("Skapa guidekort|Fyll i kv\u00e4llens antal par i Max parnr f\u00f6rst"));
    QVERIFY(w.dialogs.movementPairs.isEmpty());

    w.type("EdNrPar", "9");
    QTest::mouseClick(w.find<QPushButton>("createGuideCardButton"), Qt::LeftButton);  // cancelled
    QCOMPARE(w.dialogs.movementPairs, QList<int>{9});
    QCOMPARE(w.form->contest().boards[1].resultCount, 0);
    QVERIFY(w.find<QPushButton>("createGuideCardButton")->isEnabled());

    // A relay needs an even number of tables: refused with the reason, nothing laid.
    w.dialogs.movementChoices << Dialogs::MovementChoice{false, 0, 0, true};
    QTest::mouseClick(w.find<QPushButton>("createGuideCardButton"), Qt::LeftButton);
    QCOMPARE(w.dialogs.lastMessage(),
             QString("Skapa guidekort|Rel\u00e4 beh\u00f6vs bara med j\u00e4mnt antal bord"));
    QCOMPARE(w.form->contest().boards[1].resultCount, 0);
}

// The cards of a PDF, each from its heading word ("Bord", "Par") to the next: the pages its
// words lie on, and the size of its heading in points (a fixed-pitch letter is 0.6 of it).
struct PrintedCardPages {
    QSet<int> pages;
    double headingSize = 0;
};
QList<PrintedCardPages> cardsOn(const PdfText& pdf, const QString& heading) {
    QList<PrintedCardPages> cards;
    for (const PdfWord& word : pdf.words) {
        if (word.text == heading) cards.append({{}, word.box.width() / word.text.size() / 0.6});
        if (!cards.isEmpty()) cards.last().pages << word.page;
    }
    return cards;
}

void TestMovementCards::shortenedHowellCardsShareFewPages() {
    Window w;
    w.dialogs.paperFolder = w.dir.path();
    create(w, "12", {true, 7, 0, false}, true);
    const QStringList saved = QDir(w.dir.path()).entryList({"*-bordskort.pdf", "*-parkort.pdf"}, QDir::Files);
    QCOMPARE(saved.size(), 2);
    QCOMPARE(w.dialogs.paperFiles.size(), 2);
    // The saved files and the printed jobs alike: six table cards on two pages at most, twelve
    // pair cards on three; none split, each headed in large type.
    struct Expected {
        QString file, heading;
        int cards, pages;
    };
    for (const Expected& e :
         {Expected{w.path(saved[0]), "Bord", 6, 2}, Expected{w.path(saved[1]), "Par", 12, 3},
          Expected{w.dialogs.paperFiles[0], "Bord", 6, 2}, Expected{w.dialogs.paperFiles[1], "Par", 12, 3}}) {
        const PdfText pdf = readPdf(e.file);
        QVERIFY2(pdf.pages.size() <= e.pages, qPrintable(e.file + ": " + QString::number(pdf.pages.size())));
        const QList<PrintedCardPages> cards = cardsOn(pdf, e.heading);
        QCOMPARE(cards.size(), e.cards);
        for (const PrintedCardPages& card : cards) {
            QCOMPARE(card.pages.size(), 1);
            QVERIFY2(card.headingSize > 18, qPrintable(QString::number(card.headingSize)));
        }
        QCOMPARE(pdf.outside(40), QStringList());
    }
}

void TestMovementCards::relayComesBackFromSaveOpenAndRecovery() {
    Window w;
    create(w, "16", {false, 0, 0, true}, false);
    QTest::mouseClick(w.find<QPushButton>("BtnKlar"), Qt::LeftButton);
    const auto laid = laidSlots(w.form->contest());
    QCOMPARE(static_cast<int>(laid.size()), 8 * 8 * 3);
    const std::string recovery = w.form->session().recoveryFileText();
    QVERIFY(recovery.find("%SIDOFIL .ronder") != std::string::npos);

    w.form->session().setFileName(w.path("relay.sco").toStdString());
    QCOMPARE(w.form->session().save(), std::string());
    QVERIFY(QFile::exists(w.path("relay.ronder")));

    Window opened;
    opened.form->session().open(w.path("relay.sco").toStdString());
    QCOMPARE(laidSlots(opened.form->contest()), laid);

    Window restored;
    std::string message;
    QVERIFY(restored.form->session().restore(recovery, message));
    QCOMPARE(message, std::string());
    QCOMPARE(laidSlots(restored.form->contest()), laid);
}

void TestMovementCards::neubergOptionLevelsByTheFormula() {
    // The same evening levelled in the core with Neuberg's formula and through the window.
    MemberRegister reg;
    reg.startWithByeMember();
    Contest expected;
    expected.reset(reg);
    std::ifstream in(std::string(VK_SOURCE_DIR) + "/examples/halvkv\xc3\xa4ll12.sco", std::ios::binary);
    readContestFile(expected, in);
    expected.scoringRule.neuberg = true;
    QVERIFY(levelBoards(expected) > 0);

    Window w;
    w.copyExample("halvkv\u00e4ll12.sco", "halv.sco");
    w.dialogs.fileNames << w.path("halv.sco");
    w.press(QKeySequence("Ctrl+O"));
    QVERIFY(!w.action("Neuberg1")->isChecked());
    w.action("Neuberg1")->trigger();
    QVERIFY(w.form->contest().scoringRule.neuberg);
    w.action("Nivelleragivar1")->trigger();
    const Contest& c = w.form->contest();
    for (int b = 1; b <= c.boardCount; ++b)
        for (int i = 0; i < c.boards[b].resultCount; ++i) {
            const BoardResult& r = c.boards[b].results[i];
            const BoardResult* e = findResult(expected.boards[b], r.nsPair, r.ewPair);
            QVERIFY(e);
            QCOMPARE(r.nsPoints, e->nsPoints);
            QCOMPARE(r.ewPoints, e->ewPoints);
        }
}

void TestMovementCards::neubergStaysWithTheContest() {
    Window w;
    w.copyExample("halvkv\u00e4ll12.sco", "halv.sco");
    w.dialogs.fileNames << w.path("halv.sco");
    w.press(QKeySequence("Ctrl+O"));
    w.action("Neuberg1")->trigger();
    QVERIFY(!w.form->session().isSaved());
    w.action("Nivelleragivar1")->trigger();
    const std::vector<ViewLine> levelled = standingsLines(w.form->contest());
    const std::string recovery = w.form->session().recoveryFileText();
    QVERIFY(recovery.find("%SIDOFIL .regler") != std::string::npos);
    w.press(QKeySequence("Ctrl+S"));
    QCOMPARE(w.readFile("halv.regler"), QByteArray("%REGLER 1\r\nNEUBERG\r\n"));

    // A cleared window starts linear; opening the contest again brings its rule back.
    w.press(QKeySequence("Ctrl+Alt+R"));
    QVERIFY(!w.form->contest().scoringRule.neuberg);
    QVERIFY(!w.action("Neuberg1")->isChecked());
    w.dialogs.fileNames << w.path("halv.sco");
    w.press(QKeySequence("Ctrl+O"));
    QVERIFY(w.form->contest().scoringRule.neuberg);
    QVERIFY(w.action("Neuberg1")->isChecked());
    QCOMPARE(standingsLines(w.form->contest()), levelled);

    // Back to the linear rule: the saved contest leaves no rules file behind to bring Neuberg back.
    w.action("Neuberg1")->trigger();
    w.press(QKeySequence("Ctrl+S"));
    QVERIFY(!QFile::exists(w.path("halv.regler")));
    Window opened;
    opened.form->session().open(w.path("halv.sco").toStdString());
    QVERIFY(!opened.form->contest().scoringRule.neuberg);

    // The recovery file taken while Neuberg was chosen restores it. (Last: a second window
    // takes the keyboard from the first.)
    Window restored;
    std::string message;
    QVERIFY(restored.form->session().restore(recovery, message));
    QVERIFY(restored.form->contest().scoringRule.neuberg);
    QVERIFY(restored.action("Neuberg1")->isChecked());
    QCOMPARE(standingsLines(restored.form->contest()), levelled);
}

QTEST_MAIN(TestMovementCards)
#include "test_movement_cards.moc"
