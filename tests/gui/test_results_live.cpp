// The players' results pages live on the window's table server, read as the phones and the
// club's visitors read them: no board before the reading table has played it, every board
// once the director publishes the results from the menu.
#include <algorithm>
#include <set>

#include <QJsonObject>
#include <QMenu>
#include <QPushButton>

#include "app/table_server.h"
#include "files/edit_journal.h"
#include "model/board_results.h"
#include "model/entry_rules.h"
#include "movement/corrections.h"
#include "movement/table_rounds.h"
#include "table_phones.h"
#include "window_fixture.h"

using namespace vindelkast;
using vindelkast::test::Page;
using vindelkast::test::Phones;
using vindelkast::test::Window;

namespace {

// What table T enters on board B: 3NT by South, made or short by the table and board.
QJsonObject threeNoTrump(int table, const std::string& code, int board) {
    return {{"table", table},
            {"code", QString::fromStdString(code)},
            {"board", board},
            {"entry", QString("t%1b%2").arg(table).arg(board)},
            {"contract", "3NT"},
            {"declarer", "S"},
            {"tricks", 7 + (table * board) % 5}};
}

bool showsBoard(const Page& page) {
    return page.status == 200 && page.text.contains("class=\"trav\"") && page.text.contains("3NT");
}
bool hidesBoard(const Page& page) {
    return page.status == 200 && !page.text.contains("class=\"trav\"") && !page.text.contains("3NT") &&
           page.text.contains(QString::fromUtf8("Given visas när"));
}

}  // namespace

class TestResultsLive : public QObject {
    Q_OBJECT
private slots:
    void noBoardLeaksUntilPlayedOrPublished();
    void publishingWritesTheFolderAndOpensEveryBoard();

private:
    static void setUpEvening(Window& w);
    // Every table plays its boards of rounds first..last through the server.
    static void play(Window& w, Phones& phones, int first, int last);
};

void TestResultsLive::setUpEvening(Window& w) {
    w.setUpMitchell16();
    QVERIFY(w.form->contest().setUpDone);
    QCOMPARE(w.form->startTableServer(0), QString());
}

void TestResultsLive::play(Window& w, Phones& phones, int first, int last) {
    const TableCodes codes = w.form->tableServer().service()->codes();
    for (int r = first; r <= last; ++r)
        for (int t = 1; t <= 8; ++t)
            for (int b : tableSeat(w.form->contest(), t, r, false).boards)
                QCOMPARE(phones.send("submit", threeNoTrump(t, codes.tables[t - 1], b)).status, 200);
}

void TestResultsLive::noBoardLeaksUntilPlayedOrPublished() {
    Window w;
    setUpEvening(w);
    TableServer& server = w.form->tableServer();
    Phones phones(server.port());
    const QByteArray table1 = "vkbord=1-" + QByteArray::fromStdString(server.service()->codes().tables[0]);
    const QByteArray table2 = "vkbord=2-" + QByteArray::fromStdString(server.service()->codes().tables[1]);

    // Before anything is played: standings and cards for all, no board for anyone.
    const Page empty = phones.get("/resultat/", table1);
    QCOMPARE(empty.status, 200);
    QVERIFY(empty.text.contains(QString::fromUtf8("Ställning NS efter 0 av 7 ronder")));
    QVERIFY(empty.policy.startsWith("default-src 'none'; style-src 'sha256-"));
    QVERIFY(hidesBoard(phones.get("/resultat/giv1.html", table1)));

    play(w, phones, 1, 3);
    const Contest& contest = w.form->contest();
    // Round 3 complete, round 4 not begun: the pairs who just played at a table and those who
    // sit down there next read its phone, so a board shows when all four have played it.
    const auto seats = [&contest](int table) {
        return std::pair{tableSeat(contest, table, 3, false), tableSeat(contest, table, 4, false)};
    };
    const auto one = seats(1), two = seats(2);
    const auto played = [&contest](const std::pair<TableSeat, TableSeat>& at, int b) {
        for (const TableSeat& seat : {at.first, at.second})
            for (int pair : {seat.nsPair, seat.ewPair})
                if (pairScore(contest.boards[b], pair) <= kNoScore) return false;
        return true;
    };
    int shownToOne = 0;
    for (int b = 1; b <= 24; ++b) {
        const QString path = QString("/resultat/giv%1.html").arg(b);
        const Page read = phones.get(path, table1);
        QVERIFY2(played(one, b) ? showsBoard(read) : hidesBoard(read), qPrintable(path));
        shownToOne += played(one, b);
        // Table 2's phone and a visitor see only what they may: table 2 what its pairs played.
        if (played(one, b) && !played(two, b))
            QVERIFY2(hidesBoard(phones.get(path, table2)), qPrintable(path));
        QVERIFY2(hidesBoard(phones.get(path)), qPrintable(path));
        // A made-up login is a visitor.
        QVERIFY2(hidesBoard(phones.get(path, "vkbord=1-" + table2.mid(9))), qPrintable(path));
    }
    QVERIFY(shownToOne < 9);
    QVERIFY(phones.get("/resultat/", table2).text.contains(QString::fromUtf8("efter 3 av 7 ronder")));

    // Once table 1 has begun round 4, its phone is the new pairs': what both have played shows.
    const TableSeat fourth = one.second;
    const TableCodes codes = server.service()->codes();
    QCOMPARE(phones.send("submit", threeNoTrump(1, codes.tables[0], fourth.boards.front())).status, 200);
    int shownAfter = 0;
    for (int b = 1; b <= 24; ++b) {
        const bool both = pairScore(contest.boards[b], fourth.nsPair) > kNoScore &&
                          pairScore(contest.boards[b], fourth.ewPair) > kNoScore;
        const Page read = phones.get(QString("/resultat/giv%1.html").arg(b), table1);
        QVERIFY2(both ? showsBoard(read) : hidesBoard(read), qPrintable(QString::number(b)));
        shownAfter += both;
    }
    QVERIFY(shownAfter > 0);

    // "/resultat" leads to the folder; names that are no page find nothing.
    QCOMPARE(phones.get("/resultat").status, 200);
    QCOMPARE(phones.get("/resultat/giv25.html").status, 404);

    // The last rounds played: the evening is over and every board is everyone's.
    play(w, phones, 4, 7);
    for (int b = 1; b <= 24; ++b) QVERIFY(showsBoard(phones.get(QString("/resultat/giv%1.html").arg(b))));
    QVERIFY(phones.get("/resultat/").text.contains("Resultat NS"));
}

void TestResultsLive::publishingWritesTheFolderAndOpensEveryBoard() {
    Window w;
    setUpEvening(w);
    TableServer& server = w.form->tableServer();
    Phones phones(server.port());
    play(w, phones, 1, 2);
    QVERIFY(hidesBoard(phones.get("/resultat/giv1.html")));

    // Arkiv → Publicera resultatwebb…, cancelled: nothing written, nothing opened.
    QMenu* arkiv = w.find<QMenu>("kommandon");
    arkiv->popup(QPoint(0, 0));
    QTest::keyClick(arkiv, Qt::Key_W);
    QTRY_COMPARE(w.dialogs.folderTitles.size(), 1);
    QVERIFY(!server.resultsPublished());
    QVERIFY(hidesBoard(phones.get("/resultat/giv1.html")));

    // Then into a folder: the site is written there and the server shows every board.
    w.dialogs.folderNames << w.path("webb");
    arkiv->popup(QPoint(0, 0));
    QTest::keyClick(arkiv, Qt::Key_W);
    QTRY_COMPARE(w.dialogs.folderTitles.size(), 2);
    QVERIFY(w.dialogs.lastMessage().startsWith(QString::fromUtf8("Resultatwebben är skriven i ")));
    QVERIFY(server.resultsPublished());
    const QString index = QString::fromUtf8(w.readFile("webb/index.html"));
    QVERIFY(index.contains("Resultat NS"));
    QCOMPARE(QDir(w.path("webb")).entryList({"giv*.html"}).size(), 24);
    QCOMPARE(QDir(w.path("webb")).entryList({"par*.html"}).size(), 16);
    QVERIFY(showsBoard(phones.get("/resultat/giv1.html")));
    // The same page as the folder's, but for the link back to the table's page the server adds.
    const QString served = phones.get("/resultat/giv1.html").text;
    const QString back = QString::fromUtf8("<a href=\"/bord\">← Till bordet</a>");
    QCOMPARE(served.count(back), 1);
    QCOMPARE(QString(served).remove(back), QString::fromUtf8(w.readFile("webb/giv1.html")));

    // A board changed after publishing says so on the phones at once, on its page and the
    // standings, and the figures follow an undo; the folder written again tells of it too.
    const TableSeat seat = tableSeat(w.form->contest(), 1, 1, false);
    const int board = seat.boards.back();
    QVERIFY(w.form->session().editIf({"justerat"}, ContestChange::results(board), [&seat, board](Contest& c) {
        return giveArtificialScore(c, board, seat.nsPair, seat.ewPair, "%=").problem.empty();
    }));
    const QString clock = QString::fromStdString(journalClock(w.form->session().journal().back().time));
    const QString note = QString::fromUtf8("<p class=\"corr\">Rättat %1: giv %2</p>").arg(clock).arg(board);
    const QString boardPath = QString("/resultat/giv%1.html").arg(board);
    QVERIFY(phones.get(boardPath).text.contains(note) && phones.get(boardPath).text.contains("Just."));
    QVERIFY(phones.get("/resultat/").text.contains(note));
    QCOMPARE(w.form->session().undo(), std::string());
    QVERIFY(!phones.get(boardPath).text.contains("Just."));
    w.dialogs.folderNames << w.path("webb");
    arkiv->popup(QPoint(0, 0));
    QTest::keyClick(arkiv, Qt::Key_W);
    QTRY_COMPARE(w.dialogs.folderTitles.size(), 3);
    QVERIFY(QString::fromUtf8(w.readFile("webb/index.html")).contains(QString::fromUtf8("Rättat ")));

    // A folder that cannot be made is said so, and a new evening is unpublished again.
    w.dialogs.folderNames << w.path("webb/index.html/x");
    arkiv->popup(QPoint(0, 0));
    QTest::keyClick(arkiv, Qt::Key_W);
    QTRY_COMPARE(w.dialogs.folderTitles.size(), 4);
    QVERIFY(w.dialogs.lastMessage().startsWith("Kunde inte skapa mappen"));
    // Published is kept with the evening, in the recovery file (a crash remembers it); a new
    // evening is unpublished again.
    QVERIFY(server.resultsPublished());
    QVERIFY(w.readFile("vindelkast-aterstall.txt").contains("\r\npublicerad\r\n"));
    w.form->session().clear();
    server.forgetEvening();
    QVERIFY(!server.resultsPublished());
}

QTEST_MAIN(TestResultsLive)
#include "test_results_live.moc"
