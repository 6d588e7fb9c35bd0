// Printing the round result and the standings, and the PDF offer without a printer.
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTextCursor>
#include <QTextDocument>

#include "app/pane_printer.h"
#include "app/text_pane.h"
#include "pdf_words.h"
#include "qt/fonts.h"
#include "window_fixture.h"

using namespace vindelkast;
using namespace vindelkast::test;

class TestPrinting : public QObject {
    Q_OBJECT
private slots:
    void printsWhatThePanesHoldAtScreenSize();
    void withoutPrinterOffersPdf();
    void longTextTakesPagesWithoutCuttingLines();
    void sectionListsKeepTogetherUnderTheContestsName();
};

namespace {

// A fixed-pitch character is 0.6 of the font's size wide: 7.2 pt at 12 pt, 0.6 at 1 pt.
double pointSize(const PdfText& pdf) {
    double widest = 0;
    for (const PdfWord& word : pdf.words)
        if (word.text.size() >= 4) widest = std::max(widest, word.box.width() / word.text.size() / 0.6);
    return widest;
}

// Every line of the text is a whole line of the PDF: none cut, none wrapped.
QStringList linesNotOnPaper(const QString& text, const PdfText& pdf) {
    QStringList missing;
    for (const QString& line : text.split('\n'))
        if (!line.trimmed().isEmpty() && !pdf.hasLine(line)) missing << line;
    return missing;
}

constexpr double kMargin = 15 / 25.4 * 72 - 1;  // 15 mm in points, less a rounding

}  // namespace

// The final result in as many copies as asked, then the round, whose pane is hidden again but
// keeps its text: on paper each as its pane holds it, at the pane's 96-dpi size, within the margins.
void TestPrinting::printsWhatThePanesHoldAtScreenSize() {
    Window w;
    w.openExample("kv\u00e4ll16.sco");
    w.dialogs.paperFolder = w.dir.path();
    // The title takes the fields as they stand, even edited after the set-up.
    w.edit("EdContName")->setText("Avslutning");
    w.edit("EdDate")->setText("2024-12-31");
    w.dialogs.inputAnswers << QString("2");
    w.press(QKeySequence("Ctrl+Alt+P"));
    QCOMPARE(w.dialogs.prompts.last(), QString("Utskrift slutresultat|Hur m\u00e5nga utskrifter: |"));
    w.press(QKeySequence(Qt::Key_F10));
    const QString round = w.find<TextPane>("UtRond")->plainLines();
    w.press(QKeySequence(Qt::Key_F10));
    QVERIFY(!w.find<TextPane>("UtRond")->isVisible());
    w.press(QKeySequence("Ctrl+P"));
    const QString total = w.find<TextPane>("UtTotal")->plainLines();
    QVERIFY(total.startsWith("pl  nr    namn"));
    QVERIFY(round.contains("pl nr"));
    const QString titles[] = {"Slutresultat Avslutning: 2024-12-31", "Slutresultat Avslutning: 2024-12-31",
                              "Resultat rond 1"};
    const QString panes[] = {total, total, round};
    QCOMPARE(w.dialogs.printJobs.size(), 3);
    QCOMPARE(w.dialogs.paperFiles.size(), 3);
    for (int job = 0; job < 3; ++job) {
        QCOMPARE(w.dialogs.printJobs[job].title, titles[job]);
        QCOMPARE(w.dialogs.printJobs[job].text, panes[job]);
        const PdfText pdf = readPdf(w.dialogs.paperFiles[job]);
        QVERIFY2(!pdf.words.isEmpty(), qPrintable(w.dialogs.paperFiles[job]));
        // The pane's 16 px are 12 pt on paper, as on a 96-dpi screen.
        QVERIFY2(qAbs(pointSize(pdf) - 12) < 0.3, qPrintable(QString::number(pointSize(pdf))));
        QCOMPARE(pdf.outside(kMargin), QStringList());
        QCOMPARE(linesNotOnPaper(panes[job], pdf), QStringList());
        QVERIFY2(
            pdf.lines.value(0).startsWith("Avslutning \u00b7 2024-12-31 \u00b7 " +
                                          QString(job < 2 ? "St\u00e4llning totalt" : "Resultat rond 1")),
            qPrintable(pdf.lines.value(0)));
    }

    // From one to ten copies; anything else asks nothing of the printer, nor does a cancel.
    w.dialogs.paperFolder.clear();
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

    // With the journal in the standings' place, the journal goes on paper, a correction in it.
    w.dialogs.inputAnswers << QString("3 2");
    w.action("correction0")->trigger();
    w.action("journalAction")->trigger();
    QVERIFY2(w.find<TextPane>("UtTotal")->textCursor().atEnd(), "the newest edits in view");
    w.dialogs.paperFolder = w.dir.path();
    w.dialogs.inputAnswers << QString("1");
    w.press(QKeySequence("Ctrl+Alt+P"));
    QCOMPARE(w.dialogs.printJobs.last().title, QString("\u00c4ndringslogg Avslutning: 2024-12-31"));
    const PdfText journal = readPdf(w.dialogs.paperFiles.last());
    QVERIFY2(journal.lines.value(0).startsWith("Avslutning \u00b7 2024-12-31 \u00b7 \u00c4ndringslogg"),
             qPrintable(journal.lines.value(0)));
    QVERIFY(journal.lines.join(" ").contains("NS/\u00d6V omv\u00e4nda bord 3, rond 2"));

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

void TestPrinting::longTextTakesPagesWithoutCuttingLines() {
    QTextDocument document;
    QTextOption whole = document.defaultTextOption();  // a pane's lines, never wrapped
    whole.setWrapMode(QTextOption::NoWrap);
    document.setDefaultTextOption(whole);
    QTextCursor cursor(&document);
    QTextCharFormat format;
    format.setFont(paneFont(16, true));
    QStringList lines;
    for (int i = 1; i <= 150; ++i) {
        lines << QString("%1  Rad %2 av en l\u00e5ng lista").arg(i, 3).arg(i) +
                     QString(" .").repeated(i % 30);
        if (i > 1) cursor.insertBlock();
        cursor.insertText(lines.last(), format);
    }
    QTemporaryDir dir;
    dir.setAutoRemove(qEnvironmentVariableIsEmpty("VK_KEEP_PDF"));
    QCOMPARE(writePdf(document, "Lista", dir.filePath("lista.pdf")), QString());
    const PdfText pdf = readPdf(dir.filePath("lista.pdf"));
    // The widest line (87 characters) needs an A4 page on its side, which holds some forty
    // lines of 12 pt; every page carries some of them, the last one the last line.
    QVERIFY2(pdf.pages.size() >= 4 && pdf.pages.size() <= 5, qPrintable(QString::number(pdf.pages.size())));
    QVERIFY(pdf.pages[0].width() > pdf.pages[0].height());
    QSet<int> pagesUsed;
    for (const PdfWord& word : pdf.words) pagesUsed << word.page;
    QCOMPARE(pagesUsed.size(), pdf.pages.size());
    QCOMPARE(pdf.words.last().page, pdf.pages.size() - 1);
    QVERIFY2(qAbs(pointSize(pdf) - 12) < 0.3, qPrintable(QString::number(pointSize(pdf))));
    QVERIFY2(pdf.outside(kMargin).isEmpty(), qPrintable(pdf.outside(kMargin).mid(0, 6).join(" | ")));
    QCOMPARE(linesNotOnPaper(lines.join('\n'), pdf), QStringList());
}

// Six sections of twelve: each section's list whole on the page of its caption, the list of
// all 72 pairs over three pages with its heading atop each, the contest atop every page.
void TestPrinting::sectionListsKeepTogetherUnderTheContestsName() {
    Window w;
    w.press(QKeySequence(Qt::Key_F2));
    for (const auto& [field, text] : {std::pair{"EdGivar", "27"},
                                      {"EdRonder", "9"},
                                      {"EdSektioner", "12,12,12,12,12,12"},
                                      {"EdContName", "Klubbkamp"}})
        w.type(field, text);
    QTest::mouseClick(w.find<QPushButton>("BtnKlar"), Qt::LeftButton);
    w.press(QKeySequence(Qt::Key_F9));
    w.dialogs.paperFolder = w.dir.path();
    w.dialogs.inputAnswers << QString("1");
    w.press(QKeySequence("Ctrl+Alt+P"));
    const QString file = w.dialogs.paperFiles.value(0),
                  all = "Alla sektioner (matchpo\u00e4ng \u00f6ver f\u00e4ltet)";
    const int pages = readPdf(file).pages.size();
    int allStarts = pages;
    static const QRegularExpression row("\\d+ [A-F]\\d+ -- 0.0 0.0");
    for (int p = 1; p <= pages; ++p) {
        const QString number = QString::number(p);
        const QString page =
            pdfTool({"pdftotext", "-layout", "-f", number, "-l", number, file, "-"}).simplified();
        QVERIFY(page.startsWith("Klubbkamp \u00b7 " + w.edit("EdDate")->text()));
        QVERIFY(page.contains(QString("Sida %1 av %2").arg(p).arg(pages)));
        // A list split at the page's end leaves fewer than its twelve rows after its caption.
        for (int at = page.indexOf("Sektion "); at >= 0; at = page.indexOf("Sektion ", at + 1))
            QVERIFY2(page.mid(at).count(row) >= 12, qPrintable(page.mid(at, 20)));
        if (p > allStarts) QVERIFY2(page.contains(all + ", forts. pl nr namn po % "), qPrintable(page));
        if (page.contains(all + " pl")) allStarts = p;
    }
    QVERIFY(allStarts + 2 == pages);
}

QTEST_MAIN(TestPrinting)
#include "test_printing.moc"
