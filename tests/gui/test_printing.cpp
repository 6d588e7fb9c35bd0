// Printing the round result and the standings, and the PDF offer without a printer.
#include <QFile>

#include "app/text_pane.h"
#include "window_fixture.h"

using namespace vindelkast;
using namespace vindelkast::test;

class TestPrinting : public QObject {
    Q_OBJECT
private slots:
    void resultPrintCopies();
    void roundPrintUsesWhatThePaneHolds();
    void withoutPrinterOffersPdf();
};

void TestPrinting::resultPrintCopies() {
    Window w;
    w.openExample("kv\u00e4ll8.sco");
    // The title takes the fields as they stand, even edited after the set-up.
    w.edit("EdContName")->setText("Avslutning");
    w.edit("EdDate")->setText("2024-12-31");
    w.dialogs.inputAnswers << QString("3");
    w.press(QKeySequence("Ctrl+Alt+P"));
    QCOMPARE(w.dialogs.prompts.last(), QString("Utskrift slutresultat|Hur m\u00e5nga utskrifter: |"));
    QCOMPARE(w.dialogs.printJobs.size(), 3);
    for (const auto& job : w.dialogs.printJobs) {
        QCOMPARE(job.title, QString("Slutresultat Avslutning: 2024-12-31"));
        QCOMPARE(job.text, w.find<TextPane>("UtTotal")->plainLines());
        QVERIFY(job.text.startsWith("pl  nr    namn"));
    }
    for (const char* refused : {"11", "0", "-2", "tre", ""}) {
        w.dialogs.inputAnswers << QString(refused);
        w.press(QKeySequence("Ctrl+Alt+P"));
    }
    w.press(QKeySequence("Ctrl+Alt+P"));  // cancelled
    QCOMPARE(w.dialogs.printJobs.size(), 3);
    w.dialogs.inputAnswers << QString("10");
    w.press(QKeySequence("Ctrl+Alt+P"));
    QCOMPARE(w.dialogs.printJobs.size(), 13);
    QVERIFY(w.dialogs.messages.isEmpty());
}

void TestPrinting::roundPrintUsesWhatThePaneHolds() {
    Window w;
    w.openExample("kv\u00e4ll8.sco");
    w.press(QKeySequence(Qt::Key_F10));
    const QString roundText = w.find<TextPane>("UtRond")->plainLines();
    w.press(QKeySequence(Qt::Key_F10));  // hidden again; the text stays
    QVERIFY(!w.find<TextPane>("UtRond")->isVisible());
    w.press(QKeySequence("Ctrl+P"));
    QCOMPARE(w.dialogs.printJobs.size(), 1);
    QCOMPARE(w.dialogs.printJobs[0].title, QString("Resultat rond 1"));
    QCOMPARE(w.dialogs.printJobs[0].text, roundText);
    QVERIFY(roundText.contains("pl nr"));

    // Before any contest the round is 0 and the pane is empty.
    Window fresh;
    fresh.press(QKeySequence("Ctrl+P"));
    QCOMPARE(fresh.dialogs.printJobs[0].title, QString("Resultat rond 0"));
    QVERIFY(fresh.dialogs.printJobs[0].text.isEmpty());
}

void TestPrinting::withoutPrinterOffersPdf() {
    Window w;
    w.openExample("kv\u00e4ll8.sco");
    w.dialogs.printerInstalled = false;
    w.dialogs.inputAnswers << QString("2");
    w.dialogs.confirmAnswers << true;
    w.dialogs.fileNames << w.path("resultat");
    w.press(QKeySequence("Ctrl+Alt+P"));
    QVERIFY(w.dialogs.questions.last().contains("som PDF-fil"));
    QVERIFY(w.dialogs.printJobs.isEmpty());
    QVERIFY(w.readFile("resultat.pdf").startsWith("%PDF"));
    QCOMPARE(w.dialogs.lastMessage(), "Utskriften sparades som " + w.path("resultat.pdf"));

    // Declined: nothing written, nothing printed.
    w.dialogs.confirmAnswers << false;
    w.press(QKeySequence("Ctrl+P"));
    QCOMPARE(w.dialogs.questions.size(), 2);
    QVERIFY(w.dialogs.printJobs.isEmpty());

    // A folder that cannot be written is reported.
    w.dialogs.confirmAnswers << true;
    w.dialogs.fileNames << w.path("saknas/rond.pdf");
    w.press(QKeySequence("Ctrl+P"));
    QVERIFY(w.dialogs.lastMessage().startsWith("Kunde inte skriva filen"));
}

QTEST_MAIN(TestPrinting)
#include "test_printing.moc"
