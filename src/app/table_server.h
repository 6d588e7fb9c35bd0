#pragma once

#include <memory>
#include <string>
#include <vector>

#include <QObject>
#include <QString>

#include "tables/http_request_reader.h"
#include "tables/table_batch.h"
#include "tables/table_request.h"
#include "tables/table_service.h"

namespace vindelkast {

class TableResultSink;

// The web server the tables' phones talk to (docs/table-api.md), on QtNetwork's sockets: it
// only moves bytes between the sockets and the tables' decisions (tables/table_connection.h
// follows each connection, tables/table_exchange.h answers each request). It runs on the
// window's event loop, so a request is handled like a keystroke, one at a time. Reading calls
// are answered at once; submitted results that arrive together are one batch
// (tables/table_batch.h decides them, what waits for the recovery file and what is told 503),
// stored as one change with one recovery write for the lot, since a disk flush takes longer
// than the rest.
class TableServer : public QObject {
    Q_OBJECT
public:
    explicit TableServer(TableResultSink& sink, QObject* parent = nullptr);
    ~TableServer() override;

    // Listens on every IPv4 address of the machine at `port` (0: a free one); "" or the
    // message why not, or why the codes it made could not be secured.
    QString start(quint16 port);
    // Stops listening; results not yet answered are dropped unstored (the phones retry).
    void stop();
    bool isRunning() const { return m_door != nullptr; }
    quint16 port() const { return m_port; }

    // The evening's codes, conflicts and contacts, kept by the session and made there once the
    // contest is set up; null before. Codes that cannot be secured are told by problemToShow.
    const TableService* service();
    // A new contest, or the window closes: stops (the session forgets the codes and entries).
    void forgetEvening();

    // The director has published the results: every board's page is open to all at
    // /resultat/, as once the evening is over. Kept with the evening's entries (side file and
    // recovery file); a new evening closes them again. "" or why it could not be secured.
    QString publishResults();
    bool resultsPublished() const;

    // The director's answer to a held conflict; "" or the message.
    QString acceptConflict(int id);
    QString rejectConflict(int id);

signals:
    // A table was heard from, a result stored, a conflict held or settled.
    void tablesChanged();
    void runningChanged(bool running);
    // Something the director should hear of, shown once the event loop turns again.
    void problemToShow(const QString& problem);

private:
    class Door;
    class Link;
    // Where a result's answer goes once it is stored.
    class Reply;
    struct Waiting {
        std::unique_ptr<Reply> reply;
        TableRequest request;
        std::string client;
    };

    void answer(Link& link, const HttpRequest& request);
    void storeWaiting();
    // After the server listens: says it runs and opens the tables; "" or the message.
    QString tablesOpened();
    static QString portRefused(quint16 port);

    TableResultSink& m_sink;
    std::unique_ptr<Door> m_door;
    quint16 m_port = 0;
    std::vector<Waiting> m_waiting;
    TableSubmissions m_submissions;
};

}  // namespace vindelkast
