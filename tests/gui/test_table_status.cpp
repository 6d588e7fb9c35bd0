// The director's view of the tables, driven with real keys: the main window's status line
// while the server is on (address, tables done in the round, conflicts highlighted with the
// desk closed), the desk's codes, the slips only for the address the server runs on, with
// the contest's name and date and the network the director typed once.
#include <QDateTime>
#include <QJsonArray>
#include <QJsonObject>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStatusBar>
#include <QTableWidget>
#include <QTcpServer>
#include <QTextDocument>

#include "app/table_desk.h"
#include "app/table_server.h"
#include "app/table_sheet.h"
#include "movement/table_rounds.h"
#include "session/contest_session.h"
#include "table_phones.h"
#include "tables/login_guard.h"
#include "tables/table_request.h"
#include "window_fixture.h"

using namespace vindelkast;
using vindelkast::test::Phones;
using vindelkast::test::Window;

namespace {

quint16 freePort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

}  // namespace

class TestTableStatus : public QObject {
    Q_OBJECT
private slots:
    void statusLineDeskAndSlips();
    void lockedOutPhoneIsLetInFromTheDesk();
};

void TestTableStatus::statusLineDeskAndSlips() {
    Window w;
    w.setUpMitchell16("Tisdagsbridge");
    QVERIFY(w.form->contest().setUpDone);
    QStatusBar* bar = w.form->statusBar();
    auto* line = w.find<QLabel>("LblBordStatus");
    // Before the tables are on, the line says what comes next.
    QVERIFY(bar->isVisible());
    QVERIFY2(line->text().startsWith("N\u00e4sta steg: F3 namn"), qPrintable(line->text()));

    // The desk: slips before the server runs would lead nowhere, so they are refused.
    w.action("MnBord")->trigger();
    auto* desk = w.find<TableDesk>("FrmBord");
    QTest::mouseClick(desk->BtnBordslappar, Qt::LeftButton);
    QVERIFY(w.dialogs.lastMessage().startsWith("Starta registreringen f\u00f6rst"));

    // The port typed and the server started from the keyboard; the status line appears.
    const quint16 port = freePort();
    desk->EdPort->setFocus();
    QTest::keyClick(desk->EdPort, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(desk->EdPort, QString::number(port));
    desk->BtnBordStart->setFocus();
    QTest::keyClick(desk->BtnBordStart, Qt::Key_Space);
    QVERIFY(w.form->tableServer().isRunning());
    QCOMPARE(w.form->tableServer().port(), port);
    QVERIFY(bar->isVisible());
    QVERIFY(line->text().contains(":" + QString::number(port) + "/"));
    QVERIFY(line->text().contains("Rond 1: 0 av 8 bord klara"));
    QVERIFY(line->text().contains("Inga konflikter"));

    // Each table's code is on the desk.
    const TableCodes codes = w.form->tableServer().service()->codes();
    auto* tables = w.find<QTableWidget>("LstBord");
    QCOMPARE(tables->rowCount(), 8);
    for (int t = 0; t < 8; ++t)
        QCOMPARE(tables->item(t, 5)->text().toStdString(), codeForReading(codes.tables[t]));

    // Table 1 plays its round; then, with the desk closed, it asks to change a board.
    const Contest& contest = w.form->contest();
    const TableSeat seat = tableSeat(contest, 1, 1, false);
    const QString code = QString::fromStdString(codes.tables[0]);
    Phones phones(port);
    const auto submit = [&](int board, const QString& entry, int tricks) {
        return phones
            .send("submit", {{"table", 1},
                             {"code", code},
                             {"entry", entry},
                             {"board", board},
                             {"contract", "3NT"},
                             {"declarer", "E"},
                             {"tricks", tricks}})
            .status;
    };
    for (int b : seat.boards) QCOMPARE(submit(b, QString("e%1").arg(b), 9), 200);
    QTRY_VERIFY(line->text().contains("Rond 1: 1 av 8 bord klara"));
    desk->close();
    QCOMPARE(submit(seat.boards.front(), "andra", 10), 409);
    QTRY_VERIFY(line->text().contains("Konflikter att avg\u00f6ra: 1"));
    QVERIFY(line->text().contains("background-color"));
    QJsonObject round = phones.send("round", {{"table", 1}, {"code", code}, {"round", 1}}).json;
    QCOMPARE(round["held"].toArray(), QJsonArray({seat.boards.front()}));

    // The director keeps what is there: the phone hears no more of it, the line calms down.
    w.action("MnBord")->trigger();
    QCOMPARE(desk->LstKonflikt->count(), 1);
    // In Swedish letters, and the row high enough to show the dots of the \u00d6 it is drawn in.
    QListWidgetItem* held = desk->LstKonflikt->item(0);
    QVERIFY(held->text().contains("3NT \u00d6 +1 (-430), finns 3NT \u00d6 = (-400)"));
    const QFontMetrics metrics(desk->LstKonflikt->font());
    const int row = desk->LstKonflikt->visualItemRect(held).height();
    const int inkAbove = -metrics.boundingRect(QChar(0xd6)).top();
    QVERIFY2((row - metrics.height()) / 2 + metrics.ascent() >= inkAbove,
             qPrintable(QString("%1 %2 %3").arg(row).arg(metrics.ascent()).arg(inkAbove)));
    QTest::mouseClick(desk->BtnAvvisa, Qt::LeftButton);
    QVERIFY(line->text().contains("Inga konflikter"));
    round = phones.send("round", {{"table", 1}, {"code", code}, {"round", 1}}).json;
    QCOMPARE(round["held"].toArray(), QJsonArray());

    // The network's name typed once is on the slips, with the contest's name and date and
    // the address the server runs on, and it is there again the next time.
    desk->EdNatverk->setFocus();
    QTest::keyClicks(desk->EdNatverk, "Klubbens wifi");
    QTest::keyClick(desk->EdNatverk, Qt::Key_Return);
    const std::unique_ptr<QTextDocument> sheet =
        tableSheet(contest, codes, tableServerAddress(port), desk->EdNatverk->text());
    const QString slips = sheet->toPlainText();
    QVERIFY(slips.contains("Tisdagsbridge \u00b7 " + QString::fromStdString(contest.contestDate)));
    QCOMPARE(slips.count("N\u00e4tverk: Klubbens wifi"), 8);
    QVERIFY(slips.count("\u2702") >= 8);
    QCOMPARE(slips.count(tableServerAddress(port)), 8);
    for (const std::string& tableCode : codes.tables)
        QVERIFY(slips.contains(QString::fromStdString(codeForReading(tableCode))));
    w.dialogs.printerInstalled = false;
    w.dialogs.confirmAnswers << true;
    w.dialogs.fileNames << w.path("bordslappar.pdf");
    QTest::mouseClick(desk->BtnBordslappar, Qt::LeftButton);
    QCOMPARE(w.dialogs.lastMessage(), "Utskriften sparades som " + w.path("bordslappar.pdf"));

    // Stopped, the line goes back to what comes next; a new window remembers the network.
    desk->BtnBordStart->setFocus();
    QTest::keyClick(desk->BtnBordStart, Qt::Key_Space);
    QVERIFY(line->text().startsWith("Resultaten kommer in: F4 ge resultat"));
    w.form.reset();
    w.create();
    QCOMPARE(w.find<QLineEdit>("EdNatverk")->text(), QString("Klubbens wifi"));
}

// A phone locked out after wrong codes is on the desk, with how long it lasts; the
// director picks it with the keyboard and lets it in, and its right code opens the table.
void TestTableStatus::lockedOutPhoneIsLetInFromTheDesk() {
    Window w;
    w.setUpMitchell16();
    w.action("MnBord")->trigger();
    auto* desk = w.find<TableDesk>("FrmBord");
    QCOMPARE(w.form->tableServer().start(freePort()), QString());
    const quint16 port = w.form->tableServer().port();
    QCOMPARE(desk->LstUtelast->count(), 0);
    QVERIFY(!desk->BtnSlappIn->isEnabled());

    // Ten wrong codes for table 2 from this machine, one every half minute up to two
    // minutes ago, as the guard has let them through.
    TableService* service = w.form->session().tableService();
    QVERIFY(service);
    TableRequest wrong;
    wrong.call = TableCall::Login;
    wrong.table = 2;
    wrong.code = "AAAA";
    const std::int64_t now = QDateTime::currentMSecsSinceEpoch();
    for (int i = 0; i < kLockOutAfter; ++i)
        service->handle(w.form->contest(), wrong, "127.0.0.1", now - 400'000 + i * 31'000);
    const QString code = QString::fromStdString(service->codes().tables[1]);
    Phones phones(port);
    const auto refused = phones.send("login", {{"table", 2}, {"code", code}});
    QCOMPARE(refused.status, 403);
    QVERIFY(refused.json["message"].toString().contains(QString::fromUtf8("Be tävlingsledaren om hjälp")));
    QTRY_COMPARE(desk->LstUtelast->count(), 1);
    QCOMPARE(desk->LstUtelast->item(0)->text(),
             QString::fromUtf8("127.0.0.1, bord 2: utelåst 8 minuter till"));
    QVERIFY(desk->BtnSlappIn->isEnabled());

    desk->LstUtelast->setFocus();
    QTest::keyClick(desk->LstUtelast, Qt::Key_Home);
    desk->BtnSlappIn->setFocus();
    QTest::keyClick(desk->BtnSlappIn, Qt::Key_Space);
    QCOMPARE(desk->LstUtelast->count(), 0);
    QVERIFY(!desk->BtnSlappIn->isEnabled());
    const auto admitted = phones.send("login", {{"table", 2}, {"code", code}});
    QCOMPARE(admitted.status, 200);
    QCOMPARE(admitted.json["table"].toInt(), 2);

    // Twenty addresses guess table 3, one every 31 seconds up to a second ago: the table takes
    // no new phones, the desk says so, and the recovery file keeps the counts within a second.
    wrong.table = 3;
    const std::int64_t attack = QDateTime::currentMSecsSinceEpoch() - 590'000;
    for (int i = 0; i < kTableLockAfter; ++i)
        service->handle(w.form->contest(), wrong, "10.0.1." + std::to_string(i), attack + i * 31'000);
    QCOMPARE(
        phones.send("login", {{"table", 3}, {"code", QString::fromStdString(service->codes().tables[2])}})
            .status,
        403);
    QTRY_VERIFY(QString::fromStdString(ContestSession::recoveryFileText()).contains("gissare 3 10.0.1.19"));
    QTRY_COMPARE(desk->LstUtelast->count(), 1);
    QCOMPARE(
        desk->LstUtelast->item(0)->text(),
        QString::fromUtf8("Bord 3: 20 felaktiga koder från 20 adresser – låst för nya telefoner i 10 minuter "
                          "till"));
    desk->LstUtelast->setFocus();
    QTest::keyClick(desk->LstUtelast, Qt::Key_Home);
    desk->BtnSlappIn->setFocus();
    QTest::keyClick(desk->BtnSlappIn, Qt::Key_Space);
    QCOMPARE(desk->LstUtelast->count(), 0);
    QCOMPARE(
        phones.send("login", {{"table", 3}, {"code", QString::fromStdString(service->codes().tables[2])}})
            .status,
        200);
}

QTEST_MAIN(TestTableStatus)
#include "test_table_status.moc"
