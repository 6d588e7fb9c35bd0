// The table server in the window, with QNetworkAccessManager as the tables' phones: a
// whole evening from eight tables at once, bad codes, a retried entry and conflicts.
#include <algorithm>
#include <fstream>
#include <map>
#include <sstream>
#include <tuple>

#include <QDir>
#include <QFile>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>

#include "app/table_desk.h"
#include "app/table_server.h"
#include "files/contest_file.h"
#include "files/recovery_file.h"
#include "model/board_results.h"
#include "model/entry_rules.h"
#include "model/version.h"
#include "movement/table_rounds.h"
#include "support/sample_contests.h"
#include "table_phones.h"
#include "window_fixture.h"

using namespace vindelkast;
using vindelkast::test::Answer;
using vindelkast::test::Phones;
using vindelkast::test::Window;

namespace {

// What table T plays on board B: a contract that depends on both, made or off by one.
PlayedContract playedAt(int table, int board) {
    PlayedContract p;
    p.contract.level = 1 + (table + board) % 5;
    p.contract.strain = static_cast<Strain>((table * board) % 5);
    p.contract.doubling = board % 7 == 0 ? 1 : 0;
    p.declarer = (table + 2 * board) % 4;
    p.tricks = p.contract.level + 6 + (table + board) % 3 - 1;
    return p;
}

QJsonObject submission(int table, const std::string& code, int board, const PlayedContract& p,
                       const QString& entry) {
    return {{"table", table},
            {"code", QString::fromStdString(code)},
            {"entry", entry},
            {"board", board},
            {"contract", QString::fromStdString(contractText(p.contract))},
            {"declarer", QString::fromStdString(declarerText(p.declarer))},
            {"tricks", p.tricks}};
}

std::string recoveredContest() {
    std::ifstream in(kRecoveryFileName, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    RecoverySettings settings;
    std::string contest;
    return parseRecoveryText(text.str(), settings, contest).empty() ? contest : "(ingen)";
}

}  // namespace

class TestTableServer : public QObject {
    Q_OBJECT
private slots:
    void eveningFromEightTables();
    void conflictsAndBadCodes();
    void heldResultWaitsAfterACrash();

private:
    // An eight-table Mitchell evening, set up in the window, with the server on.
    static void setUpEvening(Window& w);
};

void TestTableServer::setUpEvening(Window& w) {
    w.setUpMitchell16();
    QVERIFY(w.form->contest().setUpDone);
    w.action("MnBord")->trigger();
    QCOMPARE(w.form->startTableServer(0), QString());
    QVERIFY(w.find<QLabel>("LblAdress")
                ->text()
                .contains(":" + QString::number(w.form->tableServer().port()) + "/"));
}

void TestTableServer::eveningFromEightTables() {
    Window w;
    setUpEvening(w);
    const Contest& contest = w.form->contest();
    TableServer& server = w.form->tableServer();
    const TableCodes codes = server.service()->codes();
    QCOMPARE(codes.tables.size(), std::size_t(8));

    // The expected evening: the set-up contest with every table's score typed in.
    w.dialogs.fileNames << w.path("kvall.sco");
    w.action("MnSave")->trigger();
    test::ContestFixture expected;
    std::istringstream setUpText(w.readFile("kvall.sco").toStdString());
    QVERIFY(readContestFile(expected.c(), setUpText).message.empty());
    expected.c().roundCount = contest.roundCount;  // read back, 7 rounds of 24 boards come out as 8
    std::map<ContractKey, PlayedContract> expectedContracts;

    Phones phones(server.port());
    const int rounds = lastTableRound(contest, false);
    QCOMPARE(rounds, 7);
    for (int r = 1; r <= rounds; ++r) {
        // All eight tables send the round's boards at the same time.
        std::vector<QNetworkReply*> replies;
        for (int t = 1; t <= 8; ++t) {
            const TableSeat seat = tableSeat(contest, t, r, false);
            QCOMPARE(seat.boards.size(), std::size_t(3));
            for (int b : seat.boards) {
                const PlayedContract p = playedAt(t, b);
                replies.push_back(phones.post(
                    "submit", submission(t, codes.tables[t - 1], b, p, QString("t%1b%2").arg(t).arg(b))));
                test::enter(expected.c(), b, seat.nsPair, seat.ewPair, nsScore(p, b));
                expectedContracts[{b, seat.nsPair, seat.ewPair}] = p;
            }
        }
        for (const Answer& a : Phones::wait(replies)) {
            QCOMPARE(a.status, 200);
            QCOMPARE(a.json["status"].toString(), QString("lagrat"));
        }
        // Every acknowledged result is already in the recovery file.
        QCOMPARE(recoveredContest(), contestFileText(expected.c(), kVersionText));
    }
    QCOMPARE(contest.contracts, expectedContracts);
    QVERIFY(!w.form->isSaved());

    // The status pane: every table has entered its last round and was heard from.
    const auto* list = w.find<QTableWidget>("LstBord");
    QCOMPARE(list->rowCount(), 8);
    for (int row = 0; row < 8; ++row) {
        QCOMPARE(list->item(row, 2)->text(), QString("3 av 3"));
        QVERIFY(list->item(row, 3)->text().contains(':'));
    }

    // Saved, then a phone that never heard its answer sends the same entry again: it is
    // acknowledged and stored once, and the contest stays saved.
    w.action("MnSave")->trigger();
    QVERIFY(w.form->isSaved());
    QVERIFY(w.readFile("kvall.kontrakt").startsWith("%KONTRAKT"));
    QCOMPARE(w.readFile("kvall.bordkoder").toStdString(), writeTableCodes(codes));
    const TableSeat last = tableSeat(contest, 5, rounds, false);
    const int b = last.boards.front();
    const Answer again =
        phones.send("submit", submission(5, codes.tables[4], b, playedAt(5, b), QString("t5b%1").arg(b)));
    QCOMPARE(again.status, 200);
    QCOMPARE(again.json["status"].toString(), QString("redan"));
    QVERIFY(w.form->isSaved());
    QCOMPARE(w.readFile("kvall.sco").toStdString(), contestFileText(expected.c(), kVersionText));

    // Each result is in the journal as its table's. Taken back by the director, the board is the
    // table's to send again: stored anew, not "redan".
    const auto tableFive = [&] {
        return std::count_if(w.form->session().journal().begin(), w.form->session().journal().end(),
                             [](const JournalEntry& e) { return e.source == "bord 5"; });
    };
    QCOMPARE(tableFive(), 21);
    const auto storedAtFive = [&] {
        const Board& board = contest.boards[b];
        return std::any_of(
            board.results.begin(), board.results.begin() + board.resultCount,
            [&](const BoardResult& r) { return r.nsPair == last.nsPair && hasScore(r.nsScore); });
    };
    // The table desk holds the keyboard: the director takes them back from the menu.
    for (int undone = 0; storedAtFive() && undone < 24; ++undone) w.action("undoAction")->trigger();
    QVERIFY(!storedAtFive());
    const Answer resent =
        phones.send("submit", submission(5, codes.tables[4], b, playedAt(5, b), QString("t5b%1").arg(b)));
    QCOMPARE(resent.json["status"].toString(), QString("lagrat"));
    QVERIFY(storedAtFive());
    QCOMPARE(tableFive(), 22);

    // Clearing the contest stops the server.
    w.dialogs.confirmAnswers << true;
    w.action("Rensabrjaom1")->trigger();
    QVERIFY(!server.isRunning());
    QCOMPARE(phones.send("login", {{"code", QString::fromStdString(codes.tables[0])}}).status, 0);
}

void TestTableServer::conflictsAndBadCodes() {
    Window w;
    setUpEvening(w);
    const Contest& contest = w.form->contest();
    TableServer& server = w.form->tableServer();
    const TableCodes codes = server.service()->codes();
    Phones phones(server.port());

    // The director typed 420 for table 3's first board; the phone says 4S made with an
    // overtrick, another score: held, shown, and the director takes the table's result.
    const TableSeat seat = tableSeat(contest, 3, 1, false);
    const int board = seat.boards.front();
    EntryRow row;
    row.ns = seat.nsPair;
    row.ew = seat.ewPair;
    QVERIFY(w.form->session().storeScore(board, row, "420").written);
    PlayedContract p;
    QCOMPARE(parseContract("4S", p.contract), std::string());
    p.declarer = 0;
    p.tricks = 11;
    const int phoneScore = nsScore(p, board);
    QVERIFY(phoneScore != 420);
    const Answer held = phones.send("submit", submission(3, codes.tables[2], board, p, "c1"));
    QCOMPARE(held.status, 409);
    QCOMPARE(held.json["status"].toString(), QString("konflikt"));
    auto* conflicts = w.find<QListWidget>("LstKonflikt");
    QCOMPARE(conflicts->count(), 1);
    QVERIFY(conflicts->item(0)->text().contains("4S N +1"));
    QCOMPARE(w.find<QTableWidget>("LstBord")->item(2, 4)->text(), QString("1"));
    QTest::mouseClick(w.find<QPushButton>("BtnGodta"), Qt::LeftButton);
    QCOMPARE(conflicts->count(), 0);
    QCOMPARE(findResult(contest.boards[board], seat.nsPair, seat.ewPair)->nsScore, phoneScore);
    QVERIFY(recoveredContest().find(std::to_string(phoneScore)) != std::string::npos);

    // A second phone of the same table gives yet another result: the director keeps the first.
    p.tricks = 9;
    QCOMPARE(phones.send("submit", submission(3, codes.tables[2], board, p, "c2")).status, 409);
    QCOMPARE(conflicts->count(), 1);
    // The recovery file cannot be written (a folder stands in its place): the desk says so, the
    // session tells it too once the event loop turns, and the phone re-sending its accepted
    // entry hears 503 until a write succeeds, then "redan".
    QVERIFY(QFile::remove(w.path("vindelkast-aterstall.txt")));
    QVERIFY(QDir(w.path(".")).mkdir("vindelkast-aterstall.txt"));
    const qsizetype told = w.dialogs.messages.size();
    QTest::mouseClick(w.find<QPushButton>("BtnAvvisa"), Qt::LeftButton);
    QCOMPARE(conflicts->count(), 0);
    QCOMPARE(w.dialogs.messages.size(), told + 1);
    QVERIFY(w.dialogs.lastMessage().startsWith("Kunde inte skriva filen"));
    p.tricks = 11;
    QCOMPARE(phones.send("submit", submission(3, codes.tables[2], board, p, "c1")).status, 503);
    QCOMPARE(w.dialogs.messages.size(), told + 2);
    // A new result meanwhile is not entered anywhere: a crash would lose it. Sent again once
    // the recovery file can be written, it is stored.
    const TableSeat fourth = tableSeat(contest, 4, 1, false);
    const int fresh = fourth.boards.front();
    const auto entered = [&] {
        const BoardResult* r = findResult(contest.boards[fresh], fourth.nsPair, fourth.ewPair);
        return r && hasScore(r->nsScore);
    };
    QCOMPARE(phones.send("submit", submission(4, codes.tables[3], fresh, p, "d1")).status, 503);
    QVERIFY(!entered());
    QVERIFY(QDir(w.path(".")).rmdir("vindelkast-aterstall.txt"));
    QCOMPARE(phones.send("submit", submission(4, codes.tables[3], fresh, p, "d1")).status, 200);
    QVERIFY(entered());
    const Answer secured = phones.send("submit", submission(3, codes.tables[2], board, p, "c1"));
    QCOMPARE(secured.json["status"].toString(), QString("redan"));
    QCOMPARE(findResult(contest.boards[board], seat.nsPair, seat.ewPair)->nsScore, phoneScore);

    // Wrong codes: refused, then slowed down.
    const QJsonObject wrong{{"table", 2}, {"code", "AAAA"}};
    QCOMPARE(phones.send("login", wrong).status, 401);
    for (int i = 0; i < 3; ++i) phones.send("login", wrong);
    const Answer slowed = phones.send("login", wrong);
    QCOMPARE(slowed.status, 429);
    QVERIFY(slowed.json["wait"].toInt() > 0);
    const std::size_t contracts = contest.contracts.size();
    QCOMPARE(phones.send("submit", submission(1, "AAAA", 1, playedAt(1, 1), "x")).status, 429);
    QCOMPARE(contest.contracts.size(), contracts);

    // A body larger than any request is refused before it is read.
    QCOMPARE(phones.send("login", {{"code", QString(5000, 'A')}}).status, 413);

    // The slips, saved as PDF where no printer is installed: a page for every four tables.
    w.dialogs.printerInstalled = false;
    w.dialogs.confirmAnswers << true;
    w.dialogs.fileNames << w.path("bordslappar.pdf");
    QTest::mouseClick(w.find<QPushButton>("BtnBordslappar"), Qt::LeftButton);
    QCOMPARE(w.dialogs.lastMessage(), "Utskriften sparades som " + w.path("bordslappar.pdf"));
    const QByteArray pdf = w.readFile("bordslappar.pdf");
    QCOMPARE(pdf.count("/Type /Page") - pdf.count("/Type /Pages"), 2);

    // Closing the window stops the server.
    const quint16 port = server.port();
    w.form->close();
    QVERIFY(!server.isRunning());
    QCOMPARE(Phones(port).send("login", {{"code", QString::fromStdString(codes.tables[0])}}).status, 0);
}

// The grid follows the tables by itself; a crash loses neither a held result nor an entry.
void TestTableServer::heldResultWaitsAfterACrash() {
    Window w;
    setUpEvening(w);
    TableCodes codes = w.form->tableServer().service()->codes();
    int table = 1;
    while (tableSeat(w.form->contest(), table, 1, false).boards.front() != 1) ++table;
    const TableSeat seat = tableSeat(w.form->contest(), table, 1, false);
    const QString code = QString::fromStdString(codes.tables[table - 1]);

    // The director has the grid open on board 1 but is not typing in it.
    w.action("MnGeRes")->trigger();
    QCOMPARE(w.form->currentBoard(), 1);
    int row = 0;
    while (w.edit(qPrintable(QString("EdNs%1").arg(row)))->text() != QString::number(seat.nsPair)) ++row;
    QLineEdit* cell = w.edit(qPrintable(QString("EdScore%1_0").arg(row)));
    QApplication::focusWidget()->clearFocus();
    const PlayedContract made = playedAt(table, 1);
    Phones phones(w.form->tableServer().port());
    QCOMPARE(phones.send("submit", submission(table, codes.tables[table - 1], 1, made, "forsta")).status,
             200);
    QTRY_COMPARE(cell->text(), QString::number(nsScore(made, 1)));

    // Another result for the slot is held; the window is killed before the director decides.
    PlayedContract other = made;
    other.tricks -= 1;
    const Answer held = phones.send("submit", submission(table, codes.tables[table - 1], 1, other, "andra"));
    QCOMPARE(held.json["status"].toString(), QString("konflikt"));
    w.form.reset();
    w.create();
    w.form->offerRecovery(false);
    QCOMPARE(w.form->startTableServer(0), QString());
    QCOMPARE(w.form->tableServer().service()->codes(), codes);
    w.action("MnBord")->trigger();
    auto* conflicts = w.find<QListWidget>("LstKonflikt");
    QCOMPARE(conflicts->count(), 1);
    Phones again(w.form->tableServer().port());
    QCOMPARE(
        again.send("submit", submission(table, codes.tables[table - 1], 1, made, "forsta")).json["status"],
        QJsonValue("redan"));
    QTest::mouseClick(w.find<QPushButton>("BtnGodta"), Qt::LeftButton);
    QCOMPARE(findResult(w.form->contest().boards[1], seat.nsPair, seat.ewPair)->nsScore, nsScore(other, 1));
    QCOMPARE(again
                 .send("submit", {{"table", table},
                                  {"code", code},
                                  {"entry", "andra"},
                                  {"board", 1},
                                  {"contract", QString::fromStdString(contractText(other.contract))},
                                  {"declarer", QString::fromStdString(declarerText(other.declarer))},
                                  {"tricks", other.tricks}})
                 .json["status"],
             QJsonValue("redan"));
}

QTEST_MAIN(TestTableServer)
#include "test_table_server.moc"
