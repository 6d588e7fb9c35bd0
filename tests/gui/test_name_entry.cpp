// The name panel: typing names from the register, the list of members, new persons, random
// seating, freezing, swapping and deleting a whole evening's start list.
#include <fstream>

#include <QLabel>

#include "app/text_pane.h"
#include "files/contest_file.h"
#include "files/member_file.h"
#include "model/member_register.h"
#include "qt/qt_text.h"
#include "test_name_entry_driver.h"

using namespace vindelkast;
using namespace vindelkast::test;

class TestNameEntry : public QObject {
    Q_OBJECT
private slots:
    void fourteenPairsTypedShuffledSavedAndReadBack();
    void searchFollowsTheCaseRuleAndTwoWords();
    void keysOfANameField();
    void mouseInTheListSeatsAtTheActiveField();
    void newPersonRefusedOrDropped();
};

void TestNameEntry::fourteenPairsTypedShuffledSavedAndReadBack() {
    Window w;
    w.setUpContest(26, 13, 14);
    Names n(w);
    w.press(QKeySequence(Qt::Key_F3));
    QVERIFY(n.panel.isVisible());
    QVERIFY(!w.find<QWidget>("GrpBrickor")->isVisible());
    QCOMPARE(n.panel.rowCount(), 16);  // up to the highest pair number + 2
    QCOMPARE(n.focus(), n.field(1, 0));

    // Parts of names, one word or two, lower case or with a capital; Enter or Tab takes the
    // selected person, Down picks the next one offered.
    const QList<QStringList> typed = {
        {"and", "and"},         {"Ber", "bj"}, {"ek\x1b", "ek"},  {"Lundstr\u00f6m H", "lundi"},
        {"\u00c5k", "\u00f6b"}, {"sj", "sj"},  {"holm", ""},      {"pers", "pett"},
        {"str", "str"},         {"sv", "wal"}, {"\u00d6h", "ol"}, {"ma", "mat"},
        {"no", "nord"},
    };
    for (int pair = 1; pair <= 13; ++pair) {
        for (int column = 0; column < 2; ++column) {
            QString text = typed[pair - 1][column];
            if (text.isEmpty()) continue;
            const bool pickNext = text.endsWith('\x1b');
            text.remove('\x1b');
            n.type(pair, column, text, Qt::Key_unknown);
            if (pickNext) QTest::keyClick(n.field(pair, column), Qt::Key_Down);
            QTest::keyClick(n.field(pair, column), column == 0 ? Qt::Key_Return : Qt::Key_Tab);
        }
    }
    QCOMPARE(n.person(1, 0), QString("Andersson Anna Maria"));
    QCOMPARE(n.person(1, 1), QString("Andersson Bengt"));
    QCOMPARE(n.person(2, 0), QString("Berg"));
    QCOMPARE(n.person(3, 0), QString("Ekstr\u00f6m Margareta"));
    QCOMPARE(n.person(3, 1), QString("Ek G\u00f6ran"));
    QCOMPARE(n.person(4, 0), QString("Lundstr\u00f6m H\u00e5kan"));
    QCOMPARE(n.person(5, 0), QString("\u00c5kesson Lars"));
    QCOMPARE(n.person(6, 1), QString("Sj\u00f6gren Ebba"));
    QCOMPARE(n.person(9, 0), QString("Strand"));
    QCOMPARE(n.person(13, 1), QString("Nordin Lena"));
    QCOMPARE(n.field(8, 1)->text(), QString("Pettersson Alva Kristina"));
    QVERIFY(!w.form->isSaved());

    // A person the register does not know: the new-person box proposes the next club number.
    n.type(7, 1, "Nyberg Tora");
    QVERIFY(n.newPersonBox()->isVisible());
    QCOMPARE(n.newPersonField("edNyNamn")->text(), QString("Nyberg Tora"));
    QCOMPARE(n.newPersonField("edNyId")->text(), QString("213"));
    QCOMPARE(n.newPersonField("edHcp")->text(), QString("0"));
    // The box's name field has the focus; Enter walks to "OK", where a space adds nobody.
    QCOMPARE(n.focus(), n.newPersonField("edNyNamn"));
    for (int i = 0; i < 3; ++i) QTest::keyClick(n.focus(), Qt::Key_Return);
    QCOMPARE(n.focus(), n.button("btNyPersOK"));
    QTest::keyClick(n.button("btNyPersOK"), Qt::Key_Space);
    QVERIFY(n.newPersonBox()->isVisible());
    QTest::keyClick(n.button("btNyPersOK"), Qt::Key_Return);
    QVERIFY(!n.newPersonBox()->isVisible());
    QCOMPARE(n.person(7, 1), QString("Nyberg Tora"));
    QCOMPARE(n.field(7, 1)->text(), QString("Nyberg Tora"));
    QVERIFY(w.readFile("medlem.txt").endsWith("Nyberg Tora 213 0\r\n"));
    QCOMPARE(n.focus(), n.field(8, 0));
    // Seated at the wrong pair: taken back from the keyboard, the open page shows it, and made again.
    QCOMPARE(w.action("undoAction")->text(), QString("\u00c5ngra: namn par 7"));
    w.press(QKeySequence("Ctrl+Z"));
    QCOMPARE(n.field(7, 1)->text(), QString());
    QCOMPARE(n.contest().participants[7].second, nullptr);
    w.press(QKeySequence("Ctrl+Y"));
    QCOMPARE(n.person(7, 1), QString("Nyberg Tora"));
    QCOMPARE(n.field(7, 1)->text(), QString("Nyberg Tora"));
    const JournalEntry& redone = w.form->session().journal().back();
    QVERIFY(redone.after.find("Nyberg Tora") != std::string::npos);
    QVERIFY(redone.before.find("Nyberg") == std::string::npos);
    n.field(8, 0)->setFocus();

    // "fripar" for the last number makes it the bye pair.
    n.type(14, 0, "fr", Qt::Key_unknown);
    QCOMPARE(n.listed(), (QStringList{"fripar", "Fransson M\u00e4rta"}));
    QTest::keyClick(n.field(14, 0), Qt::Key_Return);
    QCOMPARE(n.contest().byePair, 14);
    QCOMPARE(w.edit("EdFripar")->text(), QString("14"));
    QCOMPARE(n.contest().participantCount, 14);
    QCOMPARE(n.panel.rowCount(), 17);  // rows follow the start list: participants + 3

    // Freeze 2 and 5: they show in red and stay where they are on a shuffle.
    n.mark(2);
    n.mark(5);
    n.click("btFrysNamn");
    QVERIFY(n.contest().nameFrozen[2] && n.contest().nameFrozen[5]);
    QVERIFY(!n.markBox(2)->isChecked());
    QCOMPARE(n.field(2, 0)->palette().color(QPalette::Text), QColor(Qt::red));
    QCOMPARE(n.field(3, 0)->palette().color(QPalette::Text), QColor(Qt::black));

    const auto before = startList(n);
    n.click("BtnSlump");
    const auto after = startList(n);
    QCOMPARE(after.at(2), before.at(2));
    QCOMPARE(after.at(5), before.at(5));
    // Every line of the pane tells one draw: free places, value drawn, old and new number.
    const QStringList lines = w.find<TextPane>("UtTotal")->plainLines().split('\n');
    QCOMPARE(lines.size(), 12);
    std::vector<int> freePlaces;
    for (int p = 1; p <= 14; ++p)
        if (p != 2 && p != 5) freePlaces.push_back(p);
    int lastFrom = 0;
    for (const QString& line : lines) {
        const QStringList v = line.split(' ');
        QCOMPARE(v.size(), 4);
        const int free = v[0].toInt(), drawn = v[1].toInt(), from = v[2].toInt(), to = v[3].toInt();
        QCOMPARE(free, int(freePlaces.size()));
        QVERIFY(drawn >= 0 && drawn < free);
        QCOMPARE(to, freePlaces[drawn]);
        QVERIFY(from > lastFrom && from != 2 && from != 5);
        lastFrom = from;
        QCOMPARE(after.at(to), before.at(from));
        freePlaces.erase(freePlaces.begin() + drawn);
    }
    QVERIFY(after != before);
    const int bye = n.contest().byePair;
    QCOMPARE(n.person(bye), QString("fripar"));
    QCOMPARE(w.edit("EdFripar")->text(), QString::number(bye));

    // Swap the first and third places.
    const auto shuffled = startList(n);
    n.mark(1);
    n.mark(3);
    n.click("btByt");
    QCOMPARE(startList(n).at(1), shuffled.at(3));
    QCOMPARE(startList(n).at(3), shuffled.at(1));
    QVERIFY(!n.markBox(1)->isChecked() && !n.markBox(3)->isChecked());

    // Delete the fourth place: the later ones move up, the bye pair with them.
    const auto swapped = startList(n);
    n.mark(4);
    n.click("btTaBortNamn");
    QCOMPARE(n.contest().participantCount, 13);
    QCOMPARE(n.contest().maxPairNumber, 13);
    QCOMPARE(w.edit("EdNrPar")->text(), QString("13"));
    for (int p = 1; p <= 13; ++p) QCOMPARE(startList(n).at(p), swapped.at(p < 4 ? p : p + 1));
    const int byeAfterDelete = bye > 4 ? bye - 1 : bye;
    QCOMPARE(n.contest().byePair, byeAfterDelete);
    QCOMPARE(w.edit("EdFripar")->text(), QString::number(byeAfterDelete));
    QVERIFY(n.contest().nameFrozen[2] && n.contest().nameFrozen[5]);

    // Closing: the field is odd again and grows by one; the bye pair stays where it is.
    w.press(QKeySequence(Qt::Key_F3));
    QVERIFY(!n.panel.isVisible());
    QVERIFY(w.find<QWidget>("GrpBrickor")->isVisible());
    QCOMPARE(n.contest().maxPairNumber, 14);
    QCOMPARE(w.edit("EdNrPar")->text(), QString("14"));
    QCOMPARE(n.contest().byePair, byeAfterDelete);

    // Saved and read back with the register file as it now is.
    w.dialogs.fileNames << w.path("kvall");
    w.action("Sparasom1")->trigger();
    QVERIFY(w.form->isSaved());
    MemberRegister reg;
    QCOMPARE(loadRegister(cp(w.path("medlem.txt")), reg), 62);
    QVERIFY(reg.findByLongName("Nyberg Tora"));
    Contest read;
    read.reset(reg);
    std::ifstream in(cp(w.path("kvall.sco")), std::ios::binary);
    QCOMPARE(readContestFile(read, in).kind, ContestReadResult::Kind::Ok);
    QCOMPARE(read.byePair, byeAfterDelete);
    QCOMPARE(read.participants[byeAfterDelete].second, read.byeMember);  // the bye pair is "fripar" alone
    for (int p = 1; p <= 13; ++p) {
        for (int column = 0; column < (p == byeAfterDelete ? 1 : 2); ++column) {
            const Participant& part = read.participants[p];
            const Member* m = column == 0 ? part.first : part.second;
            QCOMPARE(m ? toQt(longName(*m)) : QString(), n.person(p, column));
        }
    }
}

void TestNameEntry::searchFollowsTheCaseRuleAndTwoWords() {
    Window w;
    w.setUpContest(24, 12, 12);
    Names n(w);
    w.press(QKeySequence(Qt::Key_F3));

    n.type(1, 0, "and", Qt::Key_unknown);
    QCOMPARE(n.listed(), (QStringList{"Andersson Anna Maria", "Andersson Bengt"}));
    QCOMPARE(n.selected(), QString("Andersson Anna Maria"));
    // A capital makes case count: only surnames that begin with exactly "Ber".
    n.type(1, 0, "ber", Qt::Key_unknown);
    QCOMPARE(n.listed(), (QStringList{"Berg"}));
    n.type(1, 0, "s", Qt::Key_unknown);
    QCOMPARE(n.listed().size(), 8);  // Sandberg .. Svensson
    n.type(1, 0, "S", Qt::Key_unknown);
    QCOMPARE(n.listed().size(), 8);
    n.type(1, 0, "sV", Qt::Key_unknown);
    QCOMPARE(n.listed(), QStringList{});
    n.type(1, 0, "\u00e5", Qt::Key_unknown);
    QCOMPARE(n.listed(), (QStringList{"\u00c5berg Karin", "\u00c5kesson Lars", "\u00c5str\u00f6m Bertil"}));
    // Two words: the surname start and the first-name start.
    n.type(1, 0, "sj g", Qt::Key_unknown);
    QCOMPARE(n.listed(), (QStringList{"Sj\u00f6berg G\u00f6sta"}));
    n.type(1, 0, "Str A", Qt::Key_unknown);
    QCOMPARE(n.listed(), (QStringList{"Str\u00f6m Agneta"}));
    // A text that does not begin with a letter leaves the list as it was.
    n.type(1, 0, "7", Qt::Key_unknown);
    QCOMPARE(n.listed(), (QStringList{"Str\u00f6m Agneta"}));
    // A character the register cannot hold finds nobody.
    n.type(1, 0, "Str\u0101", Qt::Key_unknown);
    QCOMPARE(n.listed(), QStringList{});

    // Seated members are not offered again.
    n.type(1, 0, "and");
    QCOMPARE(n.person(1), QString("Andersson Anna Maria"));
    n.type(2, 0, "and", Qt::Key_unknown);
    QCOMPARE(n.listed(), (QStringList{"Andersson Bengt"}));
}

void TestNameEntry::keysOfANameField() {
    Window w;
    w.setUpContest(24, 12, 12);
    Names n(w);
    w.press(QKeySequence(Qt::Key_F3));
    n.type(1, 0, "ek", Qt::Key_unknown);
    QCOMPARE(n.listed(), (QStringList{"Ek G\u00f6ran", "Ekstr\u00f6m Margareta"}));
    QLineEdit* f = n.field(1, 0);
    QTest::keyClick(f, Qt::Key_Up);  // nothing before the first
    QCOMPARE(n.selected(), QString("Ek G\u00f6ran"));
    QTest::keyClick(f, Qt::Key_Down);
    QTest::keyClick(f, Qt::Key_Down);  // nothing after the last
    QCOMPARE(n.selected(), QString("Ekstr\u00f6m Margareta"));
    QCOMPARE(f->text(), QString("ek"));  // the keys moved no cursor and typed nothing
    QTest::keyClick(f, Qt::Key_Tab);
    QCOMPARE(n.person(1), QString("Ekstr\u00f6m Margareta"));
    QCOMPARE(f->text(), QString("Ekstr\u00f6m Margareta"));
    QCOMPARE(n.focus(), n.field(1, 1));

    // Tab on a seated person's field just moves on; so does Enter in an empty field with an
    // empty list.
    QTest::mouseClick(f, Qt::LeftButton);
    QTest::keyClick(f, Qt::Key_Tab);
    QCOMPARE(n.focus(), n.field(1, 1));
    QCOMPARE(n.contest().participantCount, 1);
    n.type(2, 0, "xyz", Qt::Key_unknown);
    QCOMPARE(n.listed(), QStringList{});
    n.field(2, 0)->clear();
    QTest::keyClick(n.field(2, 0), Qt::Key_Return);
    QCOMPARE(n.focus(), n.field(2, 1));
    QVERIFY(!n.newPersonBox()->isVisible());

    // Page Down and Page Up page the grid by 25 numbers.
    QTest::keyClick(n.field(2, 1), Qt::Key_PageDown);
    QCOMPARE(n.panel.pageOffset(), 25);
    QCOMPARE(w.find<QLabel>("LblNamnNr1")->text(), QString("26"));
    QCOMPARE(n.field(1, 0)->text(), QString());
    QTest::keyClick(n.field(2, 1), Qt::Key_PageUp);
    QCOMPARE(n.panel.pageOffset(), 0);
    QCOMPARE(n.field(1, 0)->text(), QString("Ekstr\u00f6m Margareta"));
    QTest::keyClick(n.field(2, 1), Qt::Key_PageUp);
    QCOMPARE(n.panel.pageOffset(), 0);
}

void TestNameEntry::mouseInTheListSeatsAtTheActiveField() {
    Window w;
    w.setUpContest(24, 12, 12);
    Names n(w);
    w.press(QKeySequence(Qt::Key_F3));
    QListView* list = n.list();
    n.type(3, 1, "sj", Qt::Key_unknown);
    QCOMPARE(n.listed(), (QStringList{"Sj\u00f6berg G\u00f6sta", "Sj\u00f6gren Ebba"}));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualRect(list->model()->index(1, 0)).center());
    QCOMPARE(n.person(3, 1), QString("Sj\u00f6gren Ebba"));
    QCOMPARE(n.field(3, 1)->text(), QString("Sj\u00f6gren Ebba"));
    QCOMPARE(n.contest().participantCount, 3);
    QCOMPARE(n.focus(), n.field(4, 0));
    // Beside the entries only refreshes.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(5, list->viewport()->height() - 5));
    QCOMPARE(n.contest().participantCount, 3);
    QCOMPARE(n.person(4), QString());
}

void TestNameEntry::newPersonRefusedOrDropped() {
    Window w;
    w.setUpContest(24, 12, 12);
    Names n(w);
    w.press(QKeySequence(Qt::Key_F3));
    const QByteArray registerBefore = w.readFile("medlem.txt");

    // A name the register file cannot hold is refused; the box stays for a correction.
    n.type(1, 0, "\u014ctani Sh\u014dhei");
    QVERIFY(n.newPersonBox()->isVisible());
    QTest::keyClick(n.button("btNyPersOK"), Qt::Key_Return);
    QCOMPARE(w.dialogs.lastMessage(),
             QString("Namnet inneh\u00e5ller tecken som inte kan sparas i medlemsregistret"));
    QVERIFY(n.newPersonBox()->isVisible());
    QCOMPARE(w.readFile("medlem.txt"), registerBefore);
    QCOMPARE(n.contest().participantCount, 0);

    // Enter runs through the box's fields; a typed number and handicap are taken.
    n.newPersonField("edNyNamn")->setFocus();
    n.newPersonField("edNyNamn")->selectAll();
    typeText(n.newPersonField("edNyNamn"), "Otani Shohei");
    QTest::keyClick(n.newPersonField("edNyNamn"), Qt::Key_Return);
    QCOMPARE(n.focus(), n.newPersonField("edNyId"));
    n.newPersonField("edNyId")->selectAll();
    QTest::keyClicks(n.newPersonField("edNyId"), "77777");
    QTest::keyClick(n.newPersonField("edNyId"), Qt::Key_Return);
    QCOMPARE(n.focus(), n.newPersonField("edHcp"));
    n.newPersonField("edHcp")->selectAll();
    QTest::keyClicks(n.newPersonField("edHcp"), "4");
    QTest::keyClick(n.newPersonField("edHcp"), Qt::Key_Return);
    QCOMPARE(n.focus(), n.button("btNyPersOK"));
    QTest::keyClick(n.button("btNyPersOK"), Qt::Key_Return);
    QCOMPARE(n.person(1), QString("Otani Shohei"));
    QCOMPARE(w.readFile("medlem.txt"), registerBefore + "Otani Shohei 77777 4\r\n");
    QCOMPARE(n.contest().participants[1].first->memberId, 77777);

    // EJ drops the person: the field is emptied and gets the focus back.
    n.type(1, 1, "Ingen Alls");
    QVERIFY(n.newPersonBox()->isVisible());
    n.click("btnNyPersEJ");
    QVERIFY(!n.newPersonBox()->isVisible());
    QCOMPARE(n.field(1, 1)->text(), QString());
    QCOMPARE(n.focus(), n.field(1, 1));
    QCOMPARE(n.contest().participants[1].second, nullptr);
    QCOMPARE(w.readFile("medlem.txt"), registerBefore + "Otani Shohei 77777 4\r\n");
    QVERIFY(!w.form->memberRegister().findByLongName("Ingen Alls"));
}

QTEST_MAIN(TestNameEntry)
#include "test_name_entry.moc"
