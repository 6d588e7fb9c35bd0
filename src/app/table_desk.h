#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTableWidget;

namespace vindelkast {

class Dialogs;
class PanePrinter;
class TableResultSink;
class TableServer;

// "Registrering vid borden": the director's desk for the tables' phones. It switches the
// table server on and off at a port, shows the address the phones open, lists the tables
// (code, round, boards entered, last contact, conflicts), lets the director settle a held
// conflict, lists the phones locked out after wrong codes and lets one in again, and prints the slips for the
// address the server runs on, with the network the director names once (remembered for the next evening). A
// window of its own beside the main window, never modal: the evening goes on while it is open.
class TableDesk : public QDialog {
    Q_OBJECT
public:
    TableDesk(QWidget* window, TableResultSink& owner, TableServer& server, Dialogs& dialogs,
              PanePrinter& printer);

    QLineEdit* EdPort = nullptr;
    QPushButton* BtnBordStart = nullptr;
    QLabel* LblAdress = nullptr;
    QTableWidget* LstBord = nullptr;
    QListWidget* LstKonflikt = nullptr;
    QPushButton* BtnGodta = nullptr;
    QPushButton* BtnAvvisa = nullptr;
    QPushButton* BtnBordslappar = nullptr;
    QLineEdit* EdNatverk = nullptr;
    QListWidget* LstUtelast = nullptr;
    QPushButton* BtnSlappIn = nullptr;

    // Shows the desk in front with what is current.
    void open();
    // The server was switched on or off: the button, the port and the address follow.
    void showState();
    // The tables and the held conflicts, from the server.
    void showTables();

    void BtnBordStartClick();
    void BtnGodtaClick();
    void BtnAvvisaClick();
    void BtnBordslapparClick();
    void BtnSlappInClick();

private:
    int chosenConflict() const;

    TableResultSink& m_owner;
    TableServer& m_server;
    Dialogs& m_dialogs;
    PanePrinter& m_printer;
};

// The address the phones open: the machine's first IPv4 address that is not its own
// loopback (127.0.0.1 when it has none), with the port.
QString tableServerAddress(quint16 port);

}  // namespace vindelkast
