// Keeping the evening in the club's archive from the window: the menu command, the option to
// keep it at every save, a failing archive that never costs the contest file, and the question
// for a date the contest's own text does not give.
#include <QFile>
#include <QSettings>

#include "archive/archive_place.h"
#include "archive/sqlite_connection.h"
#include "window_fixture.h"

using namespace vindelkast;
using namespace vindelkast::test;

namespace {

// What the archive in the working folder holds, read through the core as vindelkast-cli would.
struct Kept {
    int evenings = -1;
    std::vector<std::string> dates;  // the days of the evenings kept, in order
};

Kept keptIn(const Window& w) {
    Kept kept;
    OpenedArchive opened = openArchive(w.path("klubbarkiv.db").toStdString());
    if (!opened.archive) qFatal("archive: %s", opened.message.c_str());
    if (!opened.archive->eveningCount(kept.evenings).empty()) qFatal("no count");
    std::vector<SeasonEntry> entries;
    if (!opened.archive->seasonEntries("1900-01-01", "2999-12-31", entries).empty()) qFatal("no entries");
    for (const SeasonEntry& e : entries)
        if (kept.dates.empty() || kept.dates.back() != e.date) kept.dates.push_back(e.date);
    return kept;
}

// The example evening saved under a name of the test's choosing, its date line replaced.
void writeEveningWithDate(Window& w, const QString& name, const QByteArray& date) {
    w.copyExample("kv\u00e4ll8.sco", name);
    QByteArray bytes = w.readFile(name);
    bytes.replace("\r\n2024-03-11\r\n", "\r\n" + date + "\r\n");
    w.writeFile(name, bytes);
}

const QString kKept = "Kv\u00e4llen \u00e4r sparad i klubbarkivet.";

}  // namespace

class TestArchiveKeeping : public QObject {
    Q_OBJECT
private slots:
    void menuKeepsTheEveningOnce();
    void everySaveKeepsItUntilSwitchedOff();
    void aCorrectedNameReplacesTheEveningKept();
    void aFailingArchiveNeverCostsTheContestFile();
    void anUnreadableDateIsAskedFor();
    void anEveningWithoutResultsIsNotKept();
};

void TestArchiveKeeping::menuKeepsTheEveningOnce() {
    Window w;
    w.openExample("kv\u00e4ll8.sco");
    QVERIFY(!QFile::exists(w.path("klubbarkiv.db")));
    w.press(QKeySequence("Ctrl+K"));
    QCOMPARE(w.dialogs.lastMessage(), kKept);
    QVERIFY(w.form->isSaved());  // keeping it in the archive is no change of the contest
    Kept kept = keptIn(w);
    QCOMPARE(kept.evenings, 1);
    QCOMPARE(kept.dates, std::vector<std::string>{"2024-03-11"});

    Evening evening;
    bool found = false;
    OpenedArchive opened = openArchive(w.path("klubbarkiv.db").toStdString());
    QCOMPARE(opened.archive->evening(cp("M\u00e5ndagsbridge"), "2024-03-11", cp("Bridgeklubben Vindeln"),
                                     evening, found),
             std::string());
    QVERIFY(found);
    QCOMPARE(evening.entries.size(), std::size_t(7));  // eight pairs less the bye pair
    QCOMPARE(evening.entries[0].place, 1);

    w.press(QKeySequence("Ctrl+K"));
    QCOMPARE(keptIn(w).evenings, 1);
}

void TestArchiveKeeping::everySaveKeepsItUntilSwitchedOff() {
    Window w;
    QAction* onSave = w.action("keepOnSaveAction");
    QVERIFY(onSave->isCheckable());
    QVERIFY(onSave->isChecked());
    w.openExample("kv\u00e4ll8.sco");
    w.press(QKeySequence("Ctrl+S"));
    QVERIFY(w.dialogs.messages.isEmpty());  // kept without a word
    QCOMPARE(keptIn(w).evenings, 1);

    onSave->trigger();
    QVERIFY(!onSave->isChecked());
    // The choice outlives the window.
    w.form.reset();
    w.create();
    QVERIFY(!w.action("keepOnSaveAction")->isChecked());
    QFile::remove(w.path("klubbarkiv.db"));
    w.openExample("kv\u00e4ll8.sco");
    w.press(QKeySequence("Ctrl+S"));
    QVERIFY(w.form->isSaved());
    QVERIFY(!QFile::exists(w.path("klubbarkiv.db")));

    w.action("keepOnSaveAction")->trigger();
    QVERIFY(QSettings("Vindelkast", "Vindelkast").value("Klubbarkiv/VidVarjeSparning").toBool());
}

void TestArchiveKeeping::aCorrectedNameReplacesTheEveningKept() {
    Window w;
    w.openExample("kv\u00e4ll8.sco");
    w.press(QKeySequence("Ctrl+S"));
    // The names panel opened and closed gives the set-up back, where the name is corrected.
    w.press(QKeySequence(Qt::Key_F3));
    w.press(QKeySequence(Qt::Key_F3));
    w.type("EdContName", "Tisdagsbridge");
    w.type("EdDate", "12.3.2024");
    w.press(QKeySequence("Ctrl+S"));
    QVERIFY2(w.dialogs.messages.isEmpty(), qPrintable(w.dialogs.messages.join(";")));
    QCOMPARE(keptIn(w).dates, std::vector<std::string>{"2024-03-12"});
    QCOMPARE(keptIn(w).evenings, 1);

    // Another contest is another evening: nothing it replaces.
    w.form->Rensabrjaom1Click();
    w.openExample("kv\u00e4ll8.sco");
    w.press(QKeySequence("Ctrl+K"));
    QCOMPARE(keptIn(w).dates, (std::vector<std::string>{"2024-03-11", "2024-03-12"}));
}

void TestArchiveKeeping::aFailingArchiveNeverCostsTheContestFile() {
    Window w;
    {
        // An archive a newer program has written.
        std::string message;
        auto db = openSqliteConnection(w.path("klubbarkiv.db").toStdString(), true, message);
        QCOMPARE(db->run("CREATE TABLE archive_schema (version INTEGER NOT NULL)"), std::string());
        QCOMPARE(db->run("INSERT INTO archive_schema (version) VALUES (9)"), std::string());
    }
    const QByteArray before = w.readFile("klubbarkiv.db");
    w.openExample("kv\u00e4ll8.sco");
    w.press(QKeySequence(Qt::Key_F3));
    w.press(QKeySequence(Qt::Key_F3));
    w.type("EdContName", "Tisdagsbridge");
    w.press(QKeySequence("Ctrl+S"));
    QVERIFY(w.form->isSaved());
    QVERIFY(w.readFile("oppnad.sco").contains("\r\nTisdagsbridge\r\n"));
    QCOMPARE(w.dialogs.lastMessage(),
             "Klubbarkivet \u00e4r skrivet av en nyare version av programmet (schema 9; det h\u00e4r "
             "programmet kan schema 2). Arkivet l\u00e4mnas or\u00f6rt: uppdatera programmet f\u00f6r att "
             "anv\u00e4nda det.\nT\u00e4vlingen \u00e4r sparad i sin fil men inte i klubbarkivet.");
    QCOMPARE(w.readFile("klubbarkiv.db"), before);

    // A district's server that is not there: the place is chosen in the menu and remembered.
    w.dialogs.inputAnswers << QString(" postgresql:///klubb?host=%1 ").arg(w.path("ingen-server"));
    w.action("archivePlaceAction")->trigger();
    QCOMPARE(w.dialogs.prompts.last().section('|', 2), QString("klubbarkiv.db"));
    w.press(QKeySequence("Ctrl+K"));
    QVERIFY2(w.dialogs.lastMessage().startsWith("Kan inte ansluta till klubbarkivet: "),
             qPrintable(w.dialogs.lastMessage()));
    w.dialogs.inputAnswers << QString();  // empty: back to the file in the working folder
    w.action("archivePlaceAction")->trigger();
    QVERIFY(w.dialogs.prompts.last().endsWith("|postgresql:///klubb?host=" + w.path("ingen-server")));
    QFile::remove(w.path("klubbarkiv.db"));
    w.press(QKeySequence("Ctrl+K"));
    QCOMPARE(w.dialogs.lastMessage(), kKept);
}

void TestArchiveKeeping::anUnreadableDateIsAskedFor() {
    Window w;
    writeEveningWithDate(w, "kvall.sco", "m\xe5ndag kv\xe4ll");
    w.dialogs.fileNames << w.path("kvall.sco");
    w.press(QKeySequence("Ctrl+O"));
    w.dialogs.inputAnswers << QString("ig\u00e5r") << QString("11/3 2024");
    w.press(QKeySequence("Ctrl+K"));
    const QString asked =
        "Kan inte l\u00e4sa datumet \"m\u00e5ndag kv\u00e4ll\" f\u00f6r kv\u00e4llen "
        "\"M\u00e5ndagsbridge\" (Bridgeklubben Vindeln). Ange datumet som \u00c5\u00c5\u00c5\u00c5-MM-DD.";
    QCOMPARE(w.dialogs.prompts,
             QStringList({"Klubbarkivet|" + asked + "|",
                          "Klubbarkivet|\"ig\u00e5r\" \u00e4r inget datum. " + asked + "|"}));
    QCOMPARE(w.dialogs.lastMessage(), kKept);
    QCOMPARE(keptIn(w).dates, std::vector<std::string>{"2024-03-11"});
    // The date given holds for the rest of the evening: saving asks no more.
    w.press(QKeySequence("Ctrl+S"));
    QCOMPARE(w.dialogs.prompts.size(), 2);
    QCOMPARE(keptIn(w).evenings, 1);

    // The next contest is asked anew; no answer keeps nothing, but the file is saved.
    w.form->Rensabrjaom1Click();
    writeEveningWithDate(w, "annan.sco", "tisdag");
    w.dialogs.fileNames << w.path("annan.sco");
    w.press(QKeySequence("Ctrl+O"));
    w.press(QKeySequence(Qt::Key_F3));
    w.press(QKeySequence(Qt::Key_F3));
    w.type("EdContName", "Tisdagsbridge");
    w.press(QKeySequence("Ctrl+S"));
    QCOMPARE(w.dialogs.prompts.size(), 3);
    QCOMPARE(w.dialogs.lastMessage(),
             QString("Kv\u00e4llen sparades inte i klubbarkivet: den beh\u00f6ver ett datum."));
    QVERIFY(w.form->isSaved());
    QVERIFY(w.readFile("annan.sco").contains("\r\nTisdagsbridge\r\n"));
    QCOMPARE(keptIn(w).evenings, 1);
}

void TestArchiveKeeping::anEveningWithoutResultsIsNotKept() {
    Window w;
    w.setUpContest(21, 7, 8);
    w.dialogs.fileNames << w.path("ny.sco");
    w.press(QKeySequence("Ctrl+S"));
    QVERIFY(w.form->isSaved());
    QVERIFY(w.dialogs.messages.isEmpty());  // at a save there is simply nothing to keep yet
    w.press(QKeySequence("Ctrl+K"));
    QCOMPARE(w.dialogs.lastMessage(),
             QString("Kv\u00e4llen \"Part\u00e4vling\" (Vindelkastens BK) har inga resultat att spara."));
    QCOMPARE(keptIn(w).evenings, 0);
}

QTEST_MAIN(TestArchiveKeeping)
#include "test_archive_keeping.moc"
