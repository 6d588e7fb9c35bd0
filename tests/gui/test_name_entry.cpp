// The name panel: typing names from the register, new persons, random seating, freezing,
// swapping, deleting, paging and opening and closing the panel.
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include <QCheckBox>
#include <QLabel>
#include <QListView>
#include <QPushButton>

#include "app/set_up_panel.h"
#include "app/text_pane.h"
#include "entry/name_panel.h"
#include "entry/name_panel_list.h"
#include "files/contest_file.h"
#include "files/member_file.h"
#include "model/member_register.h"
#include "qt/qt_text.h"
#include "window_fixture.h"

using namespace vindelkast;
using namespace vindelkast::test;

namespace {

// Real key events for every character, also those beyond ASCII (Å, Ä, Ö, ...).
void typeText(QWidget* target, const QString& text) {
    for (const QChar ch : text) {
        if (ch.unicode() < 128) {
            QTest::keyClick(target, ch.toLatin1());
            continue;
        }
        const auto key = ch.unicode() < 256 ? Qt::Key(ch.toUpper().unicode()) : Qt::Key_unknown;
        QTest::sendKeyEvent(QTest::Click, target, key, QString(ch), Qt::NoModifier);
    }
}

// The name panel of a window, driven with real keys and clicks.
struct Names {
    Window& w;
    NamePanel& panel;
    explicit Names(Window& window) : w(window), panel(window.form->namePanel()) {}

    const Contest& contest() const { return w.form->contest(); }
    QLineEdit* field(int row, int column) const {
        QLineEdit* f = panel.nameField(row, column);
        if (!f) qFatal("no name field %d/%d", row, column);
        return f;
    }
    // Enters the field as the director would, types, and ends with Enter or Tab.
    void type(int row, int column, const QString& text, Qt::Key end = Qt::Key_Return) const {
        QLineEdit* f = field(row, column);
        QTest::mouseClick(f, Qt::LeftButton);
        f->selectAll();
        typeText(f, text);
        if (end != Qt::Key_unknown) QTest::keyClick(f, end);
    }
    QStringList listed() const {
        QStringList names;
        for (int r = 0; r < panel.listModel().count(); ++r) names << toQt(panel.listModel().longNameAt(r));
        return names;
    }
    QString selected() const {
        const QModelIndex i = panel.ListPers->currentIndex();
        return i.isValid() && panel.ListPers->selectionModel()->isSelected(i) ? i.data().toString()
                                                                              : QString();
    }
    QString person(int number, int column = 0) const {
        const Participant& p = contest().participants[number];
        const Member* m = column == 0 ? p.first : p.second;
        return m ? toQt(longName(*m)) : QString();
    }
    void mark(int row) const { QTest::mouseClick(panel.markBox(row), Qt::LeftButton); }
    void click(QPushButton* button) const { QTest::mouseClick(button, Qt::LeftButton); }
    QWidget* focus() const { return QApplication::focusWidget(); }
};

// The start list as "first / second" per number, for comparing before and after.
std::map<int, QString> startList(const Names& n) {
    std::map<int, QString> list;
    for (int p = 1; p <= n.contest().participantCount; ++p) list[p] = n.person(p, 0) + " / " + n.person(p, 1);
    return list;
}

}  // namespace

class TestNameEntry : public QObject {
    Q_OBJECT
private slots:
    void fourteenPairsTypedShuffledSavedAndReadBack();
    void searchFollowsTheCaseRuleAndTwoWords();
    void keysOfANameField();
    void mouseInTheListSeatsAtTheActiveField();
    void newPersonRefusedOrDropped();
    void rowsGrowIntoASecondColumnAndPageBy25();
    void closingAddsTheByePairToAnOddField();
    void individualContestHasOneFieldPerRow();
    void swapAndDeleteEdgeCases();
    void latePairTypedOverTheByeEntry();
    void pagingToTheLastPageKeepsTheFocusOnAField();
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
    QVERIFY(n.panel.gbNyPers->isVisible());
    QCOMPARE(n.panel.edNyNamn->text(), QString("Nyberg Tora"));
    QCOMPARE(n.panel.edNyId->text(), QString("213"));
    QCOMPARE(n.panel.edHcp->text(), QString("0"));
    // The box's name field has the focus; Enter walks to "OK", where a space adds nobody.
    QCOMPARE(n.focus(), n.panel.edNyNamn);
    for (int i = 0; i < 3; ++i) QTest::keyClick(n.focus(), Qt::Key_Return);
    QCOMPARE(n.focus(), n.panel.btNyPersOK);
    QTest::keyClick(n.panel.btNyPersOK, Qt::Key_Space);
    QVERIFY(n.panel.gbNyPers->isVisible());
    QTest::keyClick(n.panel.btNyPersOK, Qt::Key_Return);
    QVERIFY(!n.panel.gbNyPers->isVisible());
    QCOMPARE(n.person(7, 1), QString("Nyberg Tora"));
    QCOMPARE(n.field(7, 1)->text(), QString("Nyberg Tora"));
    QVERIFY(w.readFile("medlem.txt").endsWith("Nyberg Tora 213 0\r\n"));
    QCOMPARE(n.focus(), n.field(8, 0));

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
    n.click(n.panel.btFrysNamn);
    QVERIFY(n.contest().nameFrozen[2] && n.contest().nameFrozen[5]);
    QVERIFY(!n.panel.markBox(2)->isChecked());
    QCOMPARE(n.field(2, 0)->palette().color(QPalette::Text), QColor(Qt::red));
    QCOMPARE(n.field(3, 0)->palette().color(QPalette::Text), QColor(Qt::black));

    const auto before = startList(n);
    n.click(n.panel.BtnSlump);
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
    n.click(n.panel.btByt);
    QCOMPARE(startList(n).at(1), shuffled.at(3));
    QCOMPARE(startList(n).at(3), shuffled.at(1));
    QVERIFY(!n.panel.markBox(1)->isChecked() && !n.panel.markBox(3)->isChecked());

    // Delete the fourth place: the later ones move up, the bye pair with them.
    const auto swapped = startList(n);
    n.mark(4);
    n.click(n.panel.btTaBortNamn);
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
    QVERIFY(!n.panel.gbNyPers->isVisible());

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
    QListView* list = n.panel.ListPers;
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
    QVERIFY(n.panel.gbNyPers->isVisible());
    QTest::keyClick(n.panel.btNyPersOK, Qt::Key_Return);
    QCOMPARE(w.dialogs.lastMessage(),
             QString("Namnet inneh\u00e5ller tecken som inte kan sparas i medlemsregistret"));
    QVERIFY(n.panel.gbNyPers->isVisible());
    QCOMPARE(w.readFile("medlem.txt"), registerBefore);
    QCOMPARE(n.contest().participantCount, 0);

    // Enter runs through the box's fields; a typed number and handicap are taken.
    n.panel.edNyNamn->setFocus();
    n.panel.edNyNamn->selectAll();
    typeText(n.panel.edNyNamn, "Otani Shohei");
    QTest::keyClick(n.panel.edNyNamn, Qt::Key_Return);
    QCOMPARE(n.focus(), n.panel.edNyId);
    n.panel.edNyId->selectAll();
    QTest::keyClicks(n.panel.edNyId, "77777");
    QTest::keyClick(n.panel.edNyId, Qt::Key_Return);
    QCOMPARE(n.focus(), n.panel.edHcp);
    n.panel.edHcp->selectAll();
    QTest::keyClicks(n.panel.edHcp, "4");
    QTest::keyClick(n.panel.edHcp, Qt::Key_Return);
    QCOMPARE(n.focus(), n.panel.btNyPersOK);
    QTest::keyClick(n.panel.btNyPersOK, Qt::Key_Return);
    QCOMPARE(n.person(1), QString("Otani Shohei"));
    QCOMPARE(w.readFile("medlem.txt"), registerBefore + "Otani Shohei 77777 4\r\n");
    QCOMPARE(n.contest().participants[1].first->memberId, 77777);

    // EJ drops the person: the field is emptied and gets the focus back.
    n.type(1, 1, "Ingen Alls");
    QVERIFY(n.panel.gbNyPers->isVisible());
    n.click(n.panel.btnNyPersEJ);
    QVERIFY(!n.panel.gbNyPers->isVisible());
    QCOMPARE(n.field(1, 1)->text(), QString());
    QCOMPARE(n.focus(), n.field(1, 1));
    QCOMPARE(n.contest().participants[1].second, nullptr);
    QCOMPARE(w.readFile("medlem.txt"), registerBefore + "Otani Shohei 77777 4\r\n");
    QVERIFY(!w.form->memberRegister().findByLongName("Ingen Alls"));
}

void TestNameEntry::rowsGrowIntoASecondColumnAndPageBy25() {
    Window w;
    w.setUpContest(24, 12, 22);
    Names n(w);
    w.press(QKeySequence(Qt::Key_F3));
    QCOMPARE(n.panel.rowCount(), 24);
    QVERIFY(!n.panel.Btn25Forward->isEnabled());
    const QRect panelBefore = n.panel.geometry();
    const QPoint listBefore = n.panel.ListPers->pos();

    // Seating number 23 asks for rows up to 26: the paging buttons become usable.
    const Contest& c = n.contest();
    MemberRegister& reg = w.form->memberRegister();
    n.type(23, 0, "fal");
    QCOMPARE(n.person(23), QString("Falk Viola"));
    QCOMPARE(c.maxPairNumber, 23);
    QCOMPARE(w.edit("EdNrPar")->text(), QString("23"));
    QCOMPARE(n.panel.rowCount(), 26);
    QVERIFY(n.panel.Btn25Forward->isEnabled() && n.panel.Btn25Back->isEnabled());
    QCOMPARE(n.panel.geometry(), panelBefore);

    // Number 28 asks for row 31, the first of the second column.
    n.type(26, 0, "hamm");
    n.type(28, 0, "eng");
    QCOMPARE(n.panel.rowCount(), 31);
    QCOMPARE(n.panel.geometry(), panelBefore.adjusted(-340, 0, 0, 0));
    QCOMPARE(n.panel.ListPers->pos(), listBefore + QPoint(340, 0));
    QCOMPARE(n.field(31, 0)->x(), n.field(1, 0)->x() + 340);
    QCOMPARE(n.field(31, 0)->y(), n.field(1, 0)->y());

    // Paged to 51..: numbers beyond 72 cannot be filled or marked; no page past it.
    w.form->session().choose([&reg](Contest& k) { k.participants[72].first = reg.entry(3); });
    n.click(n.panel.Btn25Forward);
    n.click(n.panel.Btn25Forward);
    QCOMPARE(n.panel.pageOffset(), 50);
    QCOMPARE(n.field(22, 0)->text(), QString("Almqvist Birgitta"));
    QVERIFY(n.field(22, 0)->isEnabled());
    QVERIFY(!n.field(23, 0)->isEnabled() && !n.panel.markBox(23)->isEnabled());
    n.click(n.panel.Btn25Forward);
    QCOMPARE(n.panel.pageOffset(), 50);
    n.type(5, 1, "zet");
    QCOMPARE(n.person(55, 1), QString("Zetterlund Hj\u00f6rdis"));
    QCOMPARE(c.participantCount, 55);
    n.click(n.panel.Btn25Back);
    QCOMPARE(n.panel.pageOffset(), 25);
    QCOMPARE(n.field(3, 0)->text(), QString("Engstr\u00f6m Tage"));
}

void TestNameEntry::closingAddsTheByePairToAnOddField() {
    Window w;
    w.setUpContest(21, 7, 0);
    Names n(w);
    w.press(QKeySequence(Qt::Key_F3));
    QVERIFY(n.panel.isVisible());
    const QStringList starts = {"al", "bl", "da", "er", "fo", "gu", "h\u00e4"};
    for (int p = 1; p <= 7; ++p) n.type(p, 0, starts[p - 1]);
    QCOMPARE(n.contest().maxPairNumber, 7);
    QCOMPARE(n.contest().byePair, 0);
    QTest::mouseClick(n.panel.BtnNameClose, Qt::LeftButton);
    QVERIFY(!n.panel.isVisible());
    QCOMPARE(n.contest().maxPairNumber, 8);
    QCOMPARE(n.contest().byePair, 8);
    QCOMPARE(n.person(8), QString("fripar"));
    QCOMPARE(w.edit("EdNrPar")->text(), QString("8"));
    QCOMPARE(w.edit("EdFripar")->text(), QString("8"));
    QVERIFY(w.find<QWidget>("GrpBrickor")->isVisible());

    // Opened from the set-up panel's button, closed again: an even field stays as it is.
    QTest::mouseClick(w.find<QPushButton>("BtnNamn"), Qt::LeftButton);
    QVERIFY(n.panel.isVisible());
    QVERIFY(!w.find<QWidget>("GrpBrickor")->isVisible());
    QCOMPARE(n.panel.rowCount(), 10);
    w.press(QKeySequence(Qt::Key_F3));
    QCOMPARE(n.contest().maxPairNumber, 8);

    // Clearing the contest closes the panel and forgets the page and the fields.
    w.form->Rensabrjaom1Click();
    QVERIFY(!n.panel.isVisible());
    QCOMPARE(n.panel.pageOffset(), 0);
    QCOMPARE(n.panel.listModel().count(), 0);
}

void TestNameEntry::individualContestHasOneFieldPerRow() {
    Window w;
    w.press(QKeySequence(Qt::Key_F2));
    QTest::mouseClick(w.find<QCheckBox>("ChkIndividuellt"), Qt::LeftButton);
    Names n(w);
    w.press(QKeySequence(Qt::Key_F3));
    QCOMPARE(n.panel.nameField(1, 1), nullptr);
    for (int p = 1; p <= 5; ++p) n.type(p, 0, QStringList{"ma", "no", "ny", "ol", "pe"}[p - 1]);
    QCOMPARE(n.person(5), QString("Persson Yngve"));
    QCOMPARE(n.focus(), n.field(6, 0));
    n.mark(2);
    n.click(n.panel.btTaBortNamn);
    QCOMPARE(n.person(2), QString("Nystr\u00f6m Bo"));
    QCOMPARE(n.contest().participantCount, 4);
    // An individual field of odd size gets no bye pair.
    n.type(5, 0, "sv");
    w.press(QKeySequence(Qt::Key_F3));
    QCOMPARE(n.contest().maxPairNumber, 5);
    QCOMPARE(n.contest().byePair, 0);
    QCOMPARE(w.edit("EdFripar")->text(), QString());
}

void TestNameEntry::swapAndDeleteEdgeCases() {
    Window w;
    w.setUpContest(24, 12, 10);
    Names n(w);
    w.press(QKeySequence(Qt::Key_F3));
    const QStringList starts = {"ab", "ak", "alm", "bj", "bl", "da", "ek g", "eks", "eri", "fo"};
    for (int p = 1; p <= 10; ++p) n.type(p, 0, starts[p - 1]);
    QCOMPARE(n.person(10), QString("Forsberg Ulf"));
    const auto typed = startList(n);

    // Three marks: no swap; the first two marks were walked past and cleared.
    n.mark(2);
    n.mark(4);
    n.mark(7);
    n.mark(9);
    n.click(n.panel.btByt);
    QCOMPARE(w.dialogs.lastMessage(), QString("Bytfel|Mer \u00e4n tv\u00e5 par markerade!"));
    QCOMPARE(startList(n), typed);
    QVERIFY(!n.panel.markBox(2)->isChecked() && !n.panel.markBox(4)->isChecked());
    QVERIFY(n.panel.markBox(7)->isChecked() && n.panel.markBox(9)->isChecked());
    // One mark: nothing swapped, the mark cleared.
    n.mark(9);
    n.click(n.panel.btByt);
    QCOMPARE(startList(n), typed);
    QVERIFY(!n.panel.markBox(7)->isChecked());

    // Several marks delete the persons marked.
    n.mark(3);
    n.mark(4);
    n.mark(8);
    n.click(n.panel.btTaBortNamn);
    QCOMPARE(n.contest().participantCount, 7);
    const QStringList left = {typed.at(1), typed.at(2), typed.at(5), typed.at(6),
                              typed.at(7), typed.at(9), typed.at(10)};
    for (int p = 1; p <= 7; ++p) QCOMPARE(startList(n).at(p), left[p - 1]);
    QCOMPARE(n.field(8, 0)->text(), QString());
    QCOMPARE(w.edit("EdNrPar")->text(), QString("7"));
    // Ta Bort without marks changes nothing.
    n.click(n.panel.btTaBortNamn);
    QCOMPARE(n.contest().maxPairNumber, 7);
}

void TestNameEntry::latePairTypedOverTheByeEntry() {
    // Seven pairs: closing the panel adds bye pair 8; then a late pair comes.
    Window w;
    w.press(QKeySequence(Qt::Key_F2));
    w.type("EdGivar", "21");
    w.type("EdRonder", "7");
    Names n(w);
    w.press(QKeySequence(Qt::Key_F3));
    const QStringList starts = {"al", "bl", "da", "er", "fo", "gu", "h\u00e4"};
    for (int p = 1; p <= 7; ++p) n.type(p, 0, starts[p - 1]);
    w.press(QKeySequence(Qt::Key_F3));
    QCOMPARE(w.edit("EdFripar")->text(), QString("8"));
    w.press(QKeySequence(Qt::Key_F3));
    n.type(8, 0, "ka");  // typed over "fripar"
    QCOMPARE(w.edit("EdFripar")->text(), QString());
    QCOMPARE(n.field(8, 1)->text(), QString());
    n.type(8, 1, "kj");
    w.press(QKeySequence(Qt::Key_F3));
    QCOMPARE(w.edit("EdNrPar")->text(), QString("8"));
    QCOMPARE(w.edit("EdFripar")->text(), QString());
    // "Klar", reached with Tab and pressed with Enter, keeps the late pair's names.
    auto* klar = w.find<QPushButton>("BtnKlar");
    klar->setFocus(Qt::TabFocusReason);
    QTest::keyClick(klar, Qt::Key_Return);
    QVERIFY(n.contest().setUpDone);
    QCOMPARE(n.person(8, 0), QString("Karlsson Maj-Britt"));
    QCOMPARE(n.person(8, 1), QString("Kjellberg Rune"));
    QCOMPARE(n.contest().byePair, 0);
    QCOMPARE(n.contest().playingTableCount, 4);
}

void TestNameEntry::pagingToTheLastPageKeepsTheFocusOnAField() {
    Window w;
    w.setUpContest(24, 12, 70);
    Names n(w);
    w.press(QKeySequence(Qt::Key_F3));
    QCOMPARE(n.panel.rowCount(), NamePanel::kMaxRows);
    QTest::mouseClick(n.field(40, 0), Qt::LeftButton);
    QTest::keyClick(n.focus(), Qt::Key_PageDown);
    QTest::keyClick(n.focus(), Qt::Key_PageDown);
    QCOMPARE(n.panel.pageOffset(), 50);
    // Rows 23.. stand for numbers beyond 72: the focus is on the last field that can be filled.
    QCOMPARE(n.focus(), n.field(22, 1));
    QTest::keyClick(n.focus(), Qt::Key_PageUp);
    QCOMPARE(n.panel.pageOffset(), 25);
}

QTEST_MAIN(TestNameEntry)
#include "test_name_entry.moc"
