// The view commands F5-F11 and Shift+F12, "Hjälp" and "Om Vindelkast".
#include <QFile>
#include <QLabel>
#include <QTextCursor>

#include "app/manual_path.h"
#include "app/start_options.h"
#include "app/text_pane.h"
#include "app/widget_colours.h"
#include "model/result_order.h"
#include "window_fixture.h"

using namespace vindelkast;
using namespace vindelkast::test;

class TestViews : public QObject {
    Q_OBJECT
private slots:
    void standingsAndRoundResultToggle();
    void scoreTablesFollowTheEntryMode();
    void orderSteps();
    void progressGridColours();
    void privateProtocol();
    void debugMarker();
    void helpAndAbout();
    void evenAfterNamesNothingLiesOverTheEntry();
    void textSizeScalesThePanesAndIsRemembered();
};

void TestViews::standingsAndRoundResultToggle() {
    Window w;
    w.openExample("kv\u00e4ll8.sco");
    auto* total = w.find<TextPane>("UtTotal");
    auto* round = w.find<TextPane>("UtRond");
    auto* totalLabel = w.find<QLabel>("LblTotal");
    QVERIFY(total->isVisible());
    // Seven pairs play; the bye pair 8 has no line.
    QCOMPARE(total->lineCount(), 8);
    QVERIFY(!total->plainLines().contains("fripar"));
    QVERIFY(!total->plainLines().contains("\n 8   8 "));
    QVERIFY(total->plainLines().contains("\n 1 "));
    w.press(QKeySequence(Qt::Key_F9));
    QVERIFY(!total->isVisible());
    QVERIFY(!totalLabel->isVisible());
    w.press(QKeySequence(Qt::Key_F9));
    QVERIFY(total->isVisible());

    w.press(QKeySequence(Qt::Key_F10));
    QVERIFY(round->isVisible());
    QVERIFY(!total->isVisible());
    QCOMPARE(w.find<QLabel>("LblRond")->text(), QString("Resultat rond 1"));
    QVERIFY(round->plainLines().startsWith("pl nr   namn                    po"));
    QCOMPARE(round->lineCount(), 1 + 7);
    QCOMPARE(round->geometry(), QRect(520, 272, 480, 450));
    w.press(QKeySequence(Qt::Key_F10));
    QVERIFY(!round->isVisible());
    // Standings again hide the round.
    w.press(QKeySequence(Qt::Key_F10));
    w.press(QKeySequence(Qt::Key_F9));
    QVERIFY(total->isVisible());
    QVERIFY(!round->isVisible());
}

void TestViews::scoreTablesFollowTheEntryMode() {
    Window w;
    w.openExample("kv\u00e4ll8.sco");
    auto* tables = w.find<TextPane>("ScoreTables");
    w.press(QKeySequence(Qt::Key_F5));
    QVERIFY(tables->isVisible());
    QVERIFY(!tables->isEnabled());
    // Round-wise entry at start: the three boards of round 1, each followed by an empty line.
    const QStringList lines = tables->plainLines().split('\n');
    QCOMPARE(lines.count("    Bricka 1") + lines.count("    Bricka 2") + lines.count("    Bricka 3"), 3);
    QCOMPARE(tables->lineCount(), 3 * (1 + 3 + 1));
    QVERIFY(tables->x() >= 8 + 609 + 10);
    // The first F7 opens result entry (one board) and turns it to the round; the next one
    // goes back to board-wise entry: board 1 alone.
    w.press(QKeySequence(Qt::Key_F7));
    QCOMPARE(tables->lineCount(), 3 * (1 + 3 + 1));
    w.press(QKeySequence(Qt::Key_F7));
    QCOMPARE(tables->lineCount(), 1 + 3);
    QVERIFY(tables->plainLines().startsWith("    Bricka 1\n"));
    QVERIFY(tables->height() < 200);
    w.press(QKeySequence(Qt::Key_F5));
    QVERIFY(!tables->isVisible());
    w.press(QKeySequence(Qt::Key_F5));
    w.press(QKeySequence(Qt::SHIFT | Qt::Key_F4));
    QVERIFY(!tables->isVisible());
}

void TestViews::orderSteps() {
    Window w;
    w.openExample("kv\u00e4ll8.sco");
    const int start = w.form->contest().resultOrder;
    QList<int> seen;
    for (int i = 0; i < 3; ++i) {
        w.press(QKeySequence(Qt::Key_F6));
        seen << w.form->contest().resultOrder;
    }
    QCOMPARE(seen.last(), start);
    QCOMPARE(QSet<int>(seen.begin(), seen.end()).size(), 3);
    if (start == TableOrder) QCOMPARE(seen, (QList<int>{PairOrder, ScoreOrder, TableOrder}));
}

void TestViews::progressGridColours() {
    Window w;
    w.openExample("halvkv\u00e4ll12.sco");
    const Contest& c = w.form->contest();
    auto* caption = w.find<QLabel>("ProgressCaption");
    w.press(QKeySequence(Qt::Key_F8));
    QVERIFY(caption->isVisible());
    QCOMPARE(caption->text(), QString(c.isBarometer ? "Inmatade par: (F8)" : "Beh. givar: (F8)"));
    const auto count = [](const Window& window, const QString& colour) {
        int n = 0;
        for (int b = 1; b <= window.form->contest().boardCount; ++b) {
            auto* cell = window.find<QLabel>(qPrintable(QString("ProgressCell%1").arg(b)));
            if (!cell->isVisible() || cell->text() != QString::asprintf("%3d", b)) return -1;
            if (backgroundOf(cell) != QColor(colour)) continue;
            // Black numbers on white, white ones on the coloured cells.
            const QColor ink = colour == "#ffffff" ? Qt::black : Qt::white;
            if (cell->palette().color(QPalette::WindowText) != ink) return -2;
            ++n;
        }
        return n;
    };
    // A half-entered evening: every board begun, none played by all tables yet.
    QCOMPARE(count(w, "#ff0000"), c.boardCount);
    QVERIFY(!w.find<QLabel>(qPrintable(QString("ProgressCell%1").arg(c.boardCount + 1)))->isVisible());
    w.press(QKeySequence(Qt::Key_F8));
    QVERIFY(!caption->isVisible());
    QVERIFY(!w.find<QLabel>("ProgressCell1")->isVisible());

    // Every table has played every board of the complete evening.
    Window full;
    full.openExample("kv\u00e4ll8.sco");
    full.press(QKeySequence(Qt::Key_F8));
    QCOMPARE(count(full, "#0000ff"), 21);
}

void TestViews::privateProtocol() {
    Window w;
    w.openExample("kv\u00e4ll8.sco");
    auto* total = w.find<TextPane>("UtTotal");
    w.dialogs.inputAnswers << QString("3");
    w.press(QKeySequence(Qt::Key_F11));
    QCOMPARE(w.dialogs.prompts.last(), QString("Privatprotokoll|F\u00f6r vilket par: |0"));
    QVERIFY(total->isVisible());
    QCOMPARE(total->lineCount(), 21 + 1);
    QVERIFY(total->plainLines().contains("frirond"));  // pair 3 sits out against the bye
    QVERIFY(total->plainLines().split('\n').last().startsWith("Summa som ns/ew"));
    w.dialogs.inputAnswers << QString("nio");
    w.press(QKeySequence(Qt::Key_F11));
    QVERIFY(total->isVisible());
    QCOMPARE(total->lineCount(), 0);
}

void TestViews::debugMarker() {
    Window w;
    auto* marker = w.find<QLabel>("DebugMarker");
    QVERIFY(!marker->isVisible());
    w.press(QKeySequence(Qt::SHIFT | Qt::Key_F12));
    QVERIFY(marker->isVisible());
    QCOMPARE(marker->text(), QString("."));
    w.press(QKeySequence(Qt::SHIFT | Qt::Key_F12));
    QVERIFY(!marker->isVisible());
    w.press(QKeySequence(Qt::SHIFT | Qt::Key_F12));
    w.press(QKeySequence("Ctrl+Alt+R"));  // a clear turns it off
    QVERIFY(!marker->isVisible());
}

void TestViews::helpAndAbout() {
    Window w;
    // Run from the build folder, the manual is found there (the test program stands in it).
    w.action("Hjlp1")->trigger();
    QCOMPARE(w.dialogs.opened.size(), 1);
    QFile manual(w.dialogs.opened[0]);
    QVERIFY2(manual.open(QIODevice::ReadOnly), qPrintable(manual.fileName()));
    const QString text = QString::fromUtf8(manual.readAll());
    for (const char* chapter : {"id=\"forsta-kvallen\"", "href=\"#forsta-kvallen\"", "id=\"skrivregler\"",
                                "id=\"medlem-txt\"", "id=\"last-mobil\""})
        QVERIFY2(text.contains(chapter), chapter);
    QVERIFY(startHelpText().contains("Handboken: " + w.dialogs.opened[0]));

    // Installed, it stands in share/doc beside the program's bin.
    QTemporaryDir prefix;
    QDir(prefix.path()).mkpath("usr/bin");
    QDir(prefix.path()).mkpath("usr/share/doc/vindelkast");
    QFile installed(prefix.filePath("usr/share/doc/vindelkast/manual.html"));
    QVERIFY(installed.open(QIODevice::WriteOnly));
    installed.close();
    QCOMPARE(findManual(prefix.filePath("usr/bin")), installed.fileName());

    // One in the working folder goes first.
    w.writeFile("manual.html", "<html></html>");
    w.action("Hjlp1")->trigger();
    QCOMPARE(w.dialogs.opened.last(), QFileInfo(w.path("manual.html")).absoluteFilePath());
    // F1 from the entry grid; without a browser the director is told where the manual is.
    w.openExample("kv\u00e4ll16.sco");
    w.press(QKeySequence(Qt::Key_F4));
    QVERIFY(QApplication::focusWidget()->objectName().startsWith("EdScore"));
    w.dialogs.openerFound = false;
    w.press(QKeySequence(Qt::Key_F1));
    QCOMPARE(w.dialogs.opened.size(), 3);
    QVERIFY2(w.dialogs.lastMessage().endsWith(QDir::toNativeSeparators(w.dialogs.opened.last())),
             qPrintable(w.dialogs.lastMessage()));
    w.action("OmVindelkast1")->trigger();
    QVERIFY(w.dialogs.lastMessage().contains("Version 3.23 2015-07-27"));
}

// A director who enters names after "Klar" and then results sees the entry, the score tables
// and the round result whole: the set-up panel is gone and the round result lies on top.
void TestViews::evenAfterNamesNothingLiesOverTheEntry() {
    Window w;
    w.setUpContest(21, 7, 8);
    auto* setUp = w.find<QWidget>("GrpBrickor");
    w.press(QKeySequence(Qt::Key_F3));
    w.press(QKeySequence(Qt::Key_F3));
    QVERIFY(setUp->isVisible());
    w.press(QKeySequence(Qt::Key_F4));
    QVERIFY(w.find<QWidget>("GrpRes")->isVisible());
    QVERIFY(!setUp->isVisible());

    // Three boards a round, entered round-wise, with their score tables beside the grid.
    w.press(QKeySequence(Qt::Key_F7));
    w.press(QKeySequence(Qt::Key_F5));
    auto* tables = w.find<TextPane>("ScoreTables");
    QVERIFY(tables->isVisible());
    tables->resize(tables->width(), 400);
    w.press(QKeySequence(Qt::Key_F10));
    auto* round = w.find<TextPane>("UtRond");
    auto* roundLabel = w.find<QLabel>("LblRond");
    QVERIFY(round->isVisible());
    QVERIFY(tables->geometry().intersects(round->geometry()));
    const QPoint corner = round->geometry().topLeft() + QPoint(4, 4);
    QWidget* atCorner = round->parentWidget()->childAt(corner);
    QVERIFY(atCorner == round || round->isAncestorOf(atCorner));
    QWidget* atLabel = roundLabel->parentWidget()->childAt(roundLabel->geometry().center());
    QVERIFY(atLabel == roundLabel);
}

void TestViews::textSizeScalesThePanesAndIsRemembered() {
    Window w;
    w.openExample("kv\u00e4ll8.sco");
    auto* standings = w.find<TextPane>("UtTotal");
    const int normal = standings->font().pixelSize();
    w.dialogs.inputAnswers << QString("150 %") << QString("1000") << std::nullopt;
    w.action("Textstorlek1")->trigger();
    // The lines on view grow too, in the same fixed-pitch font, so the columns stay aligned.
    QTextCursor first(standings->document());
    first.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
    QCOMPARE(first.charFormat().font().pixelSize(), normal * 3 / 2);
    QVERIFY(standings->font().fixedPitch());
    w.action("Textstorlek1")->trigger();  // out of range: told, nothing changes
    QCOMPARE(w.dialogs.lastMessage(), QString("Textstorleken ska vara ett tal 50-300"));
    w.action("Textstorlek1")->trigger();  // cancelled
    // The next run starts with the size chosen.
    w.form.reset();
    w.create();
    QCOMPARE(w.find<TextPane>("UtRond")->font().pixelSize(), normal * 3 / 2);
}

QTEST_MAIN(TestViews)
#include "test_views.moc"
