// "Facitgivar" and "Exportera som PBN": the analysis runs behind a progress dialog that can
// be cancelled, is kept with the contest and printed as a hand-record sheet.
#include <QFile>

#include "pdf_words.h"
#include "window_fixture.h"

using namespace vindelkast;
using namespace vindelkast::test;

class TestFacit : public QObject {
    Q_OBJECT
private slots:
    void analysedOnceKeptPrintedAndExported();
    void cancelKeepsTheBoardsDone();
};

namespace {

// Six deals the solver settles at once: each seat holds one suit, turned round the table.
QByteArray sixDeals() {
    const QByteArray hands[4] = {"AKQJT98765432...", ".AKQJT98765432..", "..AKQJT98765432.",
                                 "...AKQJT98765432"};
    QByteArray pbn = "% PBN 2.1\r\n";
    for (int b = 0; b < 6; ++b) {
        pbn += "[Deal \"N:";
        for (int seat = 0; seat < 4; ++seat) pbn += (seat ? " " : "") + hands[(seat + b) % 4];
        pbn += "\"]\r\n";
    }
    return pbn;
}

void dealSix(Window& w) {
    w.setUpContest(6, 2, 4);
    w.writeFile("facit.pbn", sixDeals());
    w.dialogs.fileNames << w.path("facit.pbn");
    w.action("MnGivfil")->trigger();
    QCOMPARE(w.dialogs.lastMessage(), QString("L\u00e4ste 6 givar"));
}

}  // namespace

void TestFacit::analysedOnceKeptPrintedAndExported() {
    Window w;
    dealSix(w);
    w.dialogs.paperFolder = w.dir.path();
    w.action("MnFacitgiv")->trigger();
    QVERIFY(w.dialogs.progressTexts.contains("Analyserar giv 1 av 6"));
    QCOMPARE(w.dialogs.printJobs.size(), 1);
    // On paper every hand stays on its line, all thirteen cards of it, and nothing is drawn
    // over anything else or outside the page.
    const PdfText paper = readPdf(w.dialogs.paperFiles.value(0));
    QCOMPARE(paper.lines.join('\n').count("E K D Kn 10 9 8 7 6 5 4 3 2"), 6 * 4);
    QCOMPARE(paper.overlapping(), QStringList());
    QCOMPARE(paper.outside(40), QStringList());
    QCOMPARE(paper.pages.size(), 2);  // two rows of the widest hands to a page
    QCOMPARE(w.dialogs.printJobs[0].title, QString("Facitgivar"));
    const QString sheet = w.dialogs.printJobs[0].text;
    QVERIFY(sheet.contains("Giv 6"));
    QVERIFY(sheet.contains("Par: NS +1510 (7\u2660 NS)"));  // board 1, no one vulnerable

    // Again: nothing left to analyse, the kept analysis is printed as it is.
    const int texts = w.dialogs.progressTexts.size();
    w.action("MnFacitgiv")->trigger();
    QCOMPARE(w.dialogs.progressTexts.size(), texts);
    QCOMPARE(w.dialogs.printJobs.size(), 2);
    QCOMPARE(w.dialogs.printJobs[1].text, sheet);

    w.dialogs.fileNames << w.path("kv\u00e4ll");
    w.action("MnPBN")->trigger();
    const QByteArray pbn = w.readFile("kv\u00e4ll.pbn");
    QCOMPARE(pbn.count("[DoubleDummyTricks \""), 6);
    QVERIFY(pbn.contains("[ParContract \"NS 7S\"]"));

    w.dialogs.fileNames << w.path("kv\u00e4ll.sco");
    w.action("Sparasom1")->trigger();
    QCOMPARE(w.readFile("kv\u00e4ll.facit").count("\tN:"), 6);
}

void TestFacit::cancelKeepsTheBoardsDone() {
    Window w;
    dealSix(w);
    w.dialogs.cancelProgressAt = 0;
    w.action("MnFacitgiv")->trigger();
    QVERIFY(w.dialogs.printJobs.isEmpty());
    QVERIFY(w.dialogs.lastMessage().startsWith("Analysen avbr\u00f6ts efter "));
    QVERIFY(w.dialogs.lastMessage().endsWith(" av 6 givar; de analyserade sparas med t\u00e4vlingen"));
    // The next run does only what is left.
    w.dialogs.cancelProgressAt = -1;
    w.dialogs.progressTexts.clear();
    w.action("MnFacitgiv")->trigger();
    QVERIFY(!w.dialogs.progressTexts.isEmpty());
    QVERIFY(!w.dialogs.progressTexts.last().endsWith("av 6"));
    QCOMPARE(w.dialogs.printJobs.size(), 1);
}

QTEST_MAIN(TestFacit)
#include "test_facit.moc"
