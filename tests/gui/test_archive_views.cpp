// What the window shows from the club's archive: the season ranking ("Visa →
// Säsongsställning…"), saved as a page and for a spreadsheet, and a player's evenings from
// the name panel.
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>

#include "app/archive_desk.h"
#include "app/text_pane.h"
#include "archive/archive_place.h"
#include "archive/archive_reports.h"
#include "qt/qt_text.h"
#include "test_name_entry_driver.h"

using namespace vindelkast;
using namespace vindelkast::test;

namespace {

// Two evenings of March 2024 kept through the menu, as a club would over two weeks.
void keepTwoEvenings(Window& w) {
    for (const char* example : {"kv\u00e4ll8.sco", "halvkv\u00e4ll12.sco"}) {
        w.form->Rensabrjaom1Click();
        w.openExample(QString::fromUtf8(example));
        w.press(QKeySequence("Ctrl+K"));
    }
    w.dialogs.messages.clear();
    w.dialogs.fileFilters.clear();
}

// Types into a field of the desk as the director would: select what is there, type over it.
void typeOver(QLineEdit* field, const QString& text) {
    field->setFocus();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        QTest::keyClick(field, Qt::Key_Delete);
    else
        QTest::keyClicks(field, text);
}

// The season as the core ranks it from the archive in the working folder.
QString coreSeason(const SeasonRange& range) {
    std::vector<SeasonPlace> places;
    if (!seasonRankingAt(kDefaultArchivePlace, range, places).empty()) qFatal("no season");
    QStringList lines;
    for (const std::string& line : seasonLines(range, places)) lines << toQt(line);
    return lines.join('\n');
}

}  // namespace

class TestArchiveViews : public QObject {
    Q_OBJECT
private slots:
    void seasonDeskRanksWhatIsTyped();
    void seasonIsSavedAsPageAndForSpreadsheet();
    void playerHistoryFromTheNamePanel();
};

void TestArchiveViews::seasonDeskRanksWhatIsTyped() {
    Window w;
    keepTwoEvenings(w);
    ArchiveDesk& desk = w.form->archiveDesk();
    QVERIFY(!desk.isVisible());
    w.action("seasonAction")->trigger();
    QVERIFY(desk.isVisible());
    QCOMPARE(desk.windowTitle(), QString("S\u00e4songsst\u00e4llning"));
    QCOMPARE(desk.archivePlaceLabel->text(), "Klubbarkivet: klubbarkiv.db");
    QVERIFY(!desk.saveSeasonCsvButton->isEnabled());

    // The whole month, everybody counted: Enter in a field shows it.
    typeOver(desk.seasonFromEdit, "1.3.2024");
    typeOver(desk.seasonToEdit, "2024-03-31");
    typeOver(desk.seasonBestEdit, "");
    typeOver(desk.seasonMinimumEdit, "1");
    QTest::keyClick(desk.seasonMinimumEdit, Qt::Key_Return);
    QVERIFY2(w.dialogs.messages.isEmpty(), qPrintable(w.dialogs.messages.join(";")));
    const QString month = desk.archivePane->plainLines();
    QCOMPARE(month, coreSeason({"2024-03-01", "2024-03-31", {0, 1}}));
    QVERIFY(month.startsWith("S\u00e4songsst\u00e4llning 2024-03-01 till 2024-03-31, alla kv\u00e4llar\n"));
    // Seven pairs one evening, eleven the other (the bye pairs play none): every player once at least.
    const int monthLines = desk.archivePane->lineCount();
    QVERIFY(monthLines > 2 + 14);

    // The first week only: the players of that evening, two to a pair.
    typeOver(desk.seasonToEdit, "2024-03-15");
    QTest::mouseClick(desk.showSeasonButton, Qt::LeftButton);
    QCOMPARE(desk.archivePane->lineCount(), 2 + 14);

    // Both evenings, the better one counted, and only players who came twice.
    typeOver(desk.seasonToEdit, "2024-03-31");
    typeOver(desk.seasonBestEdit, "1");
    typeOver(desk.seasonMinimumEdit, "2");
    QTest::keyClick(desk.seasonMinimumEdit, Qt::Key_Return);
    QCOMPARE(desk.archivePane->plainLines(), coreSeason({"2024-03-01", "2024-03-31", {1, 2}}));
    QVERIFY(desk.archivePane->lineCount() < monthLines);
    QVERIFY(desk.archivePane->plainLines().contains(", b\u00e4sta 1 kv\u00e4ll, minst 2 kv\u00e4llar"));

    // A range that ends before it begins is refused; the ranking shown stays.
    const QString shown = desk.archivePane->plainLines();
    typeOver(desk.seasonFromEdit, "2024-04-01");
    QTest::keyClick(desk.seasonFromEdit, Qt::Key_Return);
    QCOMPARE(w.dialogs.lastMessage(), "Perioden slutar 2024-03-31, f\u00f6re den b\u00f6rjar 2024-04-01.");
    QCOMPARE(desk.archivePane->plainLines(), shown);

    // Esc puts the desk away; the evening's window is as it was.
    QTest::keyClick(desk.seasonFromEdit, Qt::Key_Escape);
    QVERIFY(!desk.isVisible());
    QVERIFY(w.form->contest().setUpDone);
}

void TestArchiveViews::seasonIsSavedAsPageAndForSpreadsheet() {
    Window w;
    keepTwoEvenings(w);
    ArchiveDesk& desk = w.form->archiveDesk();
    w.action("seasonAction")->trigger();
    typeOver(desk.seasonFromEdit, "2024-03-01");
    typeOver(desk.seasonToEdit, "2024-03-15");
    QTest::keyClick(desk.seasonToEdit, Qt::Key_Return);

    w.dialogs.fileNames << w.path("s\u00e4song");
    QTest::mouseClick(desk.saveSeasonCsvButton, Qt::LeftButton);
    const QStringList csv = QString::fromUtf8(w.readFile("s\u00e4song.csv")).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(csv.size(), 1 + 14);
    // A Swedish spreadsheet opens it right: a byte-order mark, semicolons, decimal commas.
    QCOMPARE(csv[0], QString("\ufeffplats;medlemsnr;namn;kv\u00e4llar;procent"));
    QVERIFY2(csv[1].startsWith("1;"), qPrintable(csv[1]));
    QVERIFY2(QRegularExpression("^\\d+,\\d\\d$").match(csv[1].section(';', 4, 4)).hasMatch(),
             qPrintable(csv[1]));
    // The pane and the file give the same first place: the same name and figure.
    const QString first = desk.archivePane->plainLines().split('\n')[2];
    QVERIFY2(first.contains(csv[1].section(';', 2, 2)), qPrintable(first + " / " + csv[1]));
    QVERIFY2(first.endsWith(csv[1].section(';', 4, 4)), qPrintable(first + " / " + csv[1]));

    w.dialogs.fileNames << w.path("s\u00e4song.html");
    QTest::mouseClick(desk.saveSeasonPageButton, Qt::LeftButton);
    const QString page = QString::fromUtf8(w.readFile("s\u00e4song.html"));
    QVERIFY(
        page.contains("<h1>S\u00e4songsst\u00e4llning 2024-03-01 till 2024-03-15, alla kv\u00e4llar</h1>"));
    // The page shows the spreadsheet's figure.
    QVERIFY(page.contains("<td class=\"n\">" + csv[1].section(';', 4, 4) + "</td>"));
    // The one evening of the range is listed; the window knows of no published pages to link.
    QVERIFY2(page.contains(
                 "<li>2024-03-11 M\u00e5ndagsbridge <span class=\"meta\">Bridgeklubben Vindeln</span></li>"),
             qPrintable(page));
    QCOMPARE(page.count("<li>"), 1);
    QVERIFY(w.dialogs.messages.isEmpty());
    QCOMPARE(w.dialogs.fileFilters, QStringList({"Kalkylblad (CSV) |*.csv", "Webbsidor |*.html;*.htm"}));
}

void TestArchiveViews::playerHistoryFromTheNamePanel() {
    // Strand is nobody in this club's register: a guest, known by name alone.
    Window w(Window::Register::Example, false);
    QByteArray members = w.readFile("medlem.txt");
    members.replace("Strand 170 2\r\n", "");
    w.writeFile("medlem.txt", members);
    w.create();
    keepTwoEvenings(w);
    w.form->Rensabrjaom1Click();
    w.openExample("kv\u00e4ll8.sco");
    w.press(QKeySequence(Qt::Key_F3));
    Names names(w);
    QVERIFY(names.panel.isVisible());

    // Row 2: Åberg Karin, member 100231, with Åkesson Lars.
    QTest::mouseClick(names.field(2, 0), Qt::LeftButton);
    QTest::keyClick(names.field(2, 0), Qt::Key_F12);
    ArchiveDesk& desk = w.form->archiveDesk();
    QVERIFY(desk.isVisible());
    QCOMPARE(desk.windowTitle(), QString("Spelarens kv\u00e4llar"));
    QVERIFY(!desk.seasonChoices->isVisible());
    const QStringList lines = desk.archivePane->plainLines().split('\n');
    QVERIFY2(lines[0].startsWith("Kv\u00e4llar f\u00f6r \u00c5berg Karin (100231), "), qPrintable(lines[0]));
    QVERIFY(lines.size() >= 3);
    const QStringList march11 = lines.filter("2024-03-11  M\u00e5ndagsbridge");
    QCOMPARE(march11.size(), 1);
    QVERIFY2(march11[0].contains("\u00c5kesson Lars (100457)"), qPrintable(march11[0]));
    // The percent as a player reads it, with a decimal comma.
    QVERIFY2(QRegularExpression(" \\d+,\\d  ").match(march11[0]).hasMatch(), qPrintable(march11[0]));
    QVERIFY(w.dialogs.messages.isEmpty());

    // The button asks for the same person; a guest and an empty place have no evenings to show.
    desk.hide();
    QTest::mouseClick(names.field(5, 1), Qt::LeftButton);
    QTest::mouseClick(names.button("playerHistoryButton"), Qt::LeftButton);
    QCOMPARE(w.dialogs.lastMessage(),
             "Strand har inget medlemsnummer; klubbarkivet visar bara medlemmars kv\u00e4llar.");
    QVERIFY(!desk.isVisible());
    QTest::mouseClick(names.field(9, 0), Qt::LeftButton);
    QTest::keyClick(names.field(9, 0), Qt::Key_F12);
    QCOMPARE(w.dialogs.lastMessage(),
             "St\u00e4ll mark\u00f6ren i namnrutan f\u00f6r en spelare i startlistan.");
    QTest::mouseClick(names.field(2, 1), Qt::LeftButton);
    QTest::mouseClick(names.button("playerHistoryButton"), Qt::LeftButton);
    QVERIFY(desk.isVisible());
    QVERIFY(desk.archivePane->plainLines().startsWith("Kv\u00e4llar f\u00f6r \u00c5kesson Lars (100457), "));
}

QTEST_MAIN(TestArchiveViews)
#include "test_archive_views.moc"
