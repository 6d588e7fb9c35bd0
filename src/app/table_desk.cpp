#include "app/table_desk.h"

#include <memory>

#include <QDateTime>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHeaderView>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QNetworkInterface>
#include <QPushButton>
#include <QTableWidget>
#include <QTextDocument>
#include <QTimer>

#include "app/pane_printer.h"
#include "app/table_server.h"
#include "app/table_sheet.h"
#include "app/user_settings.h"
#include "qt/qt_text.h"
#include "session/dialogs.h"
#include "session/table_result_sink.h"
#include "tables/table_status_view.h"

namespace vindelkast {

namespace {

QPushButton* namedButton(const QString& text, const char* name) {
    auto* button = new QPushButton(text);
    button->setObjectName(name);
    return button;
}

// A heading across the desk and under it a list of what waits for the director, `columns` wide.
QListWidget* addWaitingList(QGridLayout* grid, int row, const QString& heading, const char* name, int height,
                            int columns) {
    grid->addWidget(new QLabel(heading), row, 0, 1, 4);
    auto* list = new QListWidget;
    list->setObjectName(name);
    list->setMaximumHeight(height);
    grid->addWidget(list, row + 1, 0, 1, columns);
    return list;
}

// The table of a line of locked-out phones and tables; 0 on a phone's line.
constexpr int kTableRole = Qt::UserRole + 1;

// A line of a waiting list, a little higher than the font's line: Qt's row is exactly the
// font's height, which cuts the dots off a capital \u00d6 ("3NT \u00d6" would read "3NT O").

QListWidgetItem* addListLine(QListWidget* list, const QString& text) {
    auto* item = new QListWidgetItem(text, list);
    const QFontMetrics metrics(list->font());
    item->setSizeHint(
        QSize(metrics.horizontalAdvance(text) + metrics.averageCharWidth(), metrics.height() * 3 / 2));
    return item;
}

}  // namespace

QString tableServerAddress(quint16 port) {
    QString host = "127.0.0.1";
    for (const QHostAddress& address : QNetworkInterface::allAddresses())
        if (address.protocol() == QAbstractSocket::IPv4Protocol && !address.isLoopback()) {
            host = address.toString();
            break;
        }
    return "http://" + host + ":" + QString::number(port) + "/";
}

TableDesk::TableDesk(QWidget* window, TableResultSink& owner, TableServer& server, Dialogs& dialogs,
                     PanePrinter& printer)
    : QDialog(window), m_owner(owner), m_server(server), m_dialogs(dialogs), m_printer(printer) {
    setObjectName("FrmBord");
    setWindowTitle("Registrering vid borden");
    setModal(false);
    resize(640, 560);
    auto* grid = new QGridLayout(this);

    grid->addWidget(new QLabel("Port:"), 0, 0);
    EdPort = new QLineEdit("8080");
    EdPort->setObjectName("EdPort");
    EdPort->setValidator(new QIntValidator(1, 65535, EdPort));
    EdPort->setMaximumWidth(90);
    grid->addWidget(EdPort, 0, 1);
    BtnBordStart = namedButton("Starta", "BtnBordStart");
    grid->addWidget(BtnBordStart, 0, 2);
    BtnBordslappar = namedButton("Skriv ut bordslappar", "BtnBordslappar");
    grid->addWidget(BtnBordslappar, 0, 3);
    LblAdress = new QLabel;
    LblAdress->setObjectName("LblAdress");
    LblAdress->setTextInteractionFlags(Qt::TextSelectableByMouse);
    grid->addWidget(LblAdress, 1, 0, 1, 4);
    grid->addWidget(new QLabel("N\u00e4tverk p\u00e5 lapparna:"), 2, 0);
    EdNatverk = new QLineEdit(rememberedTablesNetwork());
    EdNatverk->setObjectName("EdNatverk");
    EdNatverk->setMaxLength(64);
    EdNatverk->setPlaceholderText("klubbens wifi");
    grid->addWidget(EdNatverk, 2, 1, 1, 3);
    connect(EdNatverk, &QLineEdit::editingFinished, this,
            [this] { rememberTablesNetwork(EdNatverk->text().trimmed()); });

    LstBord = new QTableWidget(0, 6);
    LstBord->setObjectName("LstBord");
    LstBord->setHorizontalHeaderLabels(
        {"Bord", "Rond", "Brickor klara", "Senaste kontakt", "Konflikter", "Kod"});
    LstBord->verticalHeader()->hide();
    LstBord->setEditTriggers(QAbstractItemView::NoEditTriggers);
    LstBord->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    grid->addWidget(LstBord, 3, 0, 1, 4);

    LstKonflikt = addWaitingList(
        grid, 4, "Resultat som v\u00e4ntar p\u00e5 t\u00e4vlingsledaren:", "LstKonflikt", 120, 4);
    BtnGodta = namedButton("Godta bordets resultat", "BtnGodta");
    grid->addWidget(BtnGodta, 6, 0, 1, 2);
    BtnAvvisa = namedButton("Beh\u00e5ll det som finns", "BtnAvvisa");
    grid->addWidget(BtnAvvisa, 6, 2, 1, 2);

    LstUtelast = addWaitingList(
        grid, 7, "Utel\u00e5sta telefoner och bord (f\u00f6r m\u00e5nga felaktiga koder):", "LstUtelast", 80,
        4);
    // The list as wide as the desk: a table's line says how many codes from how many addresses.
    BtnSlappIn = namedButton("Sl\u00e4pp in", "BtnSlappIn");
    grid->addWidget(BtnSlappIn, 9, 3);
    // A lock-out runs out by itself: the list follows the clock while the desk is open.
    auto* clock = new QTimer(this);
    clock->setInterval(15'000);
    connect(clock, &QTimer::timeout, this, &TableDesk::showTables);
    clock->start();

    // Enter in a field must not press a button: Enter after the network's name would stop the server.
    for (QPushButton* button : {BtnBordStart, BtnBordslappar, BtnGodta, BtnAvvisa, BtnSlappIn})
        button->setAutoDefault(false);
    connect(BtnBordStart, &QPushButton::clicked, this, &TableDesk::BtnBordStartClick);
    connect(BtnGodta, &QPushButton::clicked, this, &TableDesk::BtnGodtaClick);
    connect(BtnAvvisa, &QPushButton::clicked, this, &TableDesk::BtnAvvisaClick);
    connect(BtnBordslappar, &QPushButton::clicked, this, &TableDesk::BtnBordslapparClick);
    connect(BtnSlappIn, &QPushButton::clicked, this, &TableDesk::BtnSlappInClick);
    connect(&m_server, &TableServer::tablesChanged, this, &TableDesk::showTables);
    connect(&m_server, &TableServer::runningChanged, this, &TableDesk::showState);
    showState();
}

void TableDesk::open() {
    show();
    showState();
    raise();
    activateWindow();
}

void TableDesk::showState() {
    const bool on = m_server.isRunning();
    BtnBordStart->setText(on ? "Stoppa" : "Starta");
    EdPort->setEnabled(!on);
    if (on) EdPort->setText(QString::number(m_server.port()));
    LblAdress->setText(on ? "Borden \u00f6ppnar " + tableServerAddress(m_server.port())
                          : "Registreringen vid borden \u00e4r avst\u00e4ngd.");
    showTables();
}

void TableDesk::showTables() {
    // Worked out only while someone can see it: the tables' rounds come from the whole movement.
    if (!isVisible()) return;
    const TableService* service = m_server.service();
    const std::vector<TableStatusRow> rows =
        service ? tableStatus(m_owner.contest(), *service) : std::vector<TableStatusRow>{};
    LstBord->setRowCount(static_cast<int>(rows.size()));
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        const TableStatusRow& r = rows[i];
        const QString entered = r.rests ? "vilar"
                                : r.entered < 0
                                    ? QString::number(r.boards) + " brickor"
                                    : QString::number(r.entered) + " av " + QString::number(r.boards);
        const QString contact = r.lastContactMs < 0
                                    ? "\u2013"
                                    : QDateTime::fromMSecsSinceEpoch(r.lastContactMs).toString("HH:mm:ss");
        const QStringList cells = {toQt(r.label),
                                   r.round > 0 ? QString::number(r.round) : "\u2013",
                                   entered,
                                   contact,
                                   r.conflicts > 0 ? QString::number(r.conflicts) : "",
                                   QString::fromStdString(r.code)};
        for (int c = 0; c < cells.size(); ++c) LstBord->setItem(i, c, new QTableWidgetItem(cells[c]));
    }
    LstKonflikt->clear();
    if (service)
        for (const PendingConflict& c : service->conflicts()) {
            QListWidgetItem* item = addListLine(LstKonflikt, toQt(conflictText(m_owner.contest(), c)));
            item->setData(Qt::UserRole, c.id);
        }
    if (LstKonflikt->count() > 0) LstKonflikt->setCurrentRow(0);
    BtnGodta->setEnabled(LstKonflikt->count() > 0);
    BtnAvvisa->setEnabled(LstKonflikt->count() > 0);

    // A line is a client (its address) or a whole table (its number), so the choice survives
    // the list's refresh.
    const QListWidgetItem* current = LstUtelast->currentItem();
    const QString chosen = current ? current->data(Qt::UserRole).toString() : "";
    const int chosenTable = current ? current->data(kTableRole).toInt() : 0;
    LstUtelast->clear();
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    if (service) {
        for (const TableAttack& a : service->tableAttacks(now)) {
            QListWidgetItem* item = addListLine(LstUtelast, toQt(tableAttackText(m_owner.contest(), a)));
            item->setData(kTableRole, a.table);
            if (a.table == chosenTable) LstUtelast->setCurrentItem(item);
        }
        for (const LockOut& l : service->lockOuts(now)) {
            QListWidgetItem* item = addListLine(LstUtelast, toQt(lockOutText(m_owner.contest(), l)));
            item->setData(Qt::UserRole, QString::fromStdString(l.client));
            if (chosenTable == 0 && item->data(Qt::UserRole).toString() == chosen)
                LstUtelast->setCurrentItem(item);
        }
    }
    if (LstUtelast->count() > 0 && !LstUtelast->currentItem()) LstUtelast->setCurrentRow(0);
    BtnSlappIn->setEnabled(LstUtelast->count() > 0);
}

void TableDesk::BtnBordStartClick() {
    if (m_server.isRunning()) {
        m_server.stop();
        return;
    }
    if (!m_owner.contest().setUpDone) {
        m_dialogs.message("Starta upp t\u00e4vlingen f\u00f6rst (F2), s\u00e5 att borden vet vad de spelar.");
        return;
    }
    const QString problem = m_server.start(static_cast<quint16>(EdPort->text().toUInt()));
    if (!problem.isEmpty()) m_dialogs.message(problem);
}

int TableDesk::chosenConflict() const {
    const QListWidgetItem* item = LstKonflikt->currentItem();
    return item ? item->data(Qt::UserRole).toInt() : 0;
}

void TableDesk::BtnGodtaClick() {
    const QString problem = m_server.acceptConflict(chosenConflict());
    if (!problem.isEmpty()) m_dialogs.message(problem);
}

void TableDesk::BtnAvvisaClick() {
    const QString problem = m_server.rejectConflict(chosenConflict());
    if (!problem.isEmpty()) m_dialogs.message(problem);
}

void TableDesk::BtnSlappInClick() {
    const QListWidgetItem* item = LstUtelast->currentItem();
    TableService* service = m_owner.tableService();
    if (!item || !service) return;
    // Run out in the meantime: the phone may try again anyway, and the list says so.
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    if (const int table = item->data(kTableRole).toInt(); table > 0)
        service->liftTableLock(table, now);
    else
        service->liftLockOut(item->data(Qt::UserRole).toString().toStdString(), now);
    showTables();
}

void TableDesk::BtnBordslapparClick() {
    const TableService* service = m_server.service();
    if (!service) {
        m_dialogs.message("Starta upp t\u00e4vlingen f\u00f6rst (F2), s\u00e5 att borden vet vad de spelar.");
        return;
    }
    // A slip leads a phone to the address and port the server runs on, or it leads nowhere.
    if (!m_server.isRunning()) {
        m_dialogs.message(
            "Starta registreringen f\u00f6rst: lapparna visar adressen och porten som den k\u00f6rs "
            "p\u00e5.");
        return;
    }
    rememberTablesNetwork(EdNatverk->text().trimmed());
    const std::unique_ptr<QTextDocument> sheet = tableSheet(
        m_owner.contest(), service->codes(), tableServerAddress(m_server.port()), EdNatverk->text());
    m_printer.print(*sheet, "Bordslappar");
}

}  // namespace vindelkast
