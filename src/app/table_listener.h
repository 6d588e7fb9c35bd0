#pragma once

#include <vector>

#include <QString>
#include <QTcpServer>

namespace vindelkast {

// How long a connection may take to send a whole request (from its first byte, or from its
// opening), and how long it may stay open with nothing to send after one.
inline constexpr int kRequestMs = 5000;
inline constexpr int kIdleMs = 5000;
// How long the server's own answer may take before the connection is given up: a busy
// machine must not cut the tables off from the answers it owes them.
inline constexpr int kAnswerMs = 30000;
// Open connections at most: from one client (a phone's browser opens a few, but the phones
// of a club behind one router share its address) and in all, far below the 1024 files a
// process may have open.
inline constexpr int kConnectionsPerClient = 64;
inline constexpr int kConnections = 256;

class ConnectionWatch;

// The door of the table server: it accepts the connections that Qt's HTTP server answers, and
// keeps a hostile device on the club's network from starving the tables. Every connection is
// followed request by request as its bytes arrive, before the HTTP server reads them; one
// whose request announces a body larger than any table request is answered and closed from
// its head, before the body comes. A connection that sends nothing, or takes too long over a
// request, is closed after a few seconds. When a client (or everyone) has as many open as
// allowed, a new connection closes one of that client's (everyone's), one with nothing under
// way first, so a flood of idle sockets from one device closes its own and never the tables'.
class TableListener : public QTcpServer {
    Q_OBJECT
public:
    explicit TableListener(QObject* parent = nullptr);
    ~TableListener() override;

protected:
    void incomingConnection(qintptr handle) override;

private:
    friend class ConnectionWatch;
    void makeRoomFor(const QString& client);
    void forget(ConnectionWatch* watch);

    std::vector<ConnectionWatch*> m_open;
};

}  // namespace vindelkast
