#include "app/table_server.h"

#include <algorithm>
#include <chrono>

#include <QDateTime>
#include <QHostAddress>
#include <QPointer>
#include <QSignalBlocker>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include "files/file_platform.h"
#include "qt/qt_text.h"
#include "session/table_result_sink.h"
#include "tables/table_connection.h"
#include "tables/table_exchange.h"

namespace vindelkast {

namespace {

// A connection's deadlines run on a clock no change of the system's time moves.
std::int64_t steadyMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

// What the socket buffers of a client before this reads it: a client that sends faster than
// its requests are answered waits in the network, not in the window's memory.
constexpr qint64 kReadBufferBytes = 64 * 1024;

}  // namespace

// One open connection: its socket, what its connection has decided, and its deadline. It lives
// as the socket's child; the socket goes when the connection ends, whoever ended it.
class TableServer::Link : public QObject {
public:
    Link(QTcpSocket& socket, TableServer& server, Door& door);
    ~Link() override;

    QTcpSocket& socket;
    const std::string client;
    TableConnection connection{steadyMs()};

    // The answer to the request being answered goes out; the next request is taken up.
    void send(const std::string& answer, bool keepAlive);
    void close();

private:
    void bytesArrived();
    void takeUp();
    void settle();

    TableServer& m_server;
    QPointer<Door> m_door;
    QTimer m_deadline;
    bool m_takingUp = false;
};

// The listening socket: every connection it accepts is watched from its first byte, and when a
// client (or everyone) has as many open as allowed, the tables' decisions say which to close.
class TableServer::Door : public QTcpServer {
public:
    explicit Door(TableServer& server) : m_server(server) {}
    ~Door() override {
        close();
        for (Link* link : std::vector<Link*>(m_open)) link->close();
    }
    void forget(Link* link) { std::erase(m_open, link); }

protected:
    void incomingConnection(qintptr handle) override {
        auto* socket = new QTcpSocket(this);
        if (!socket->setSocketDescriptor(handle)) {
            closeNetworkHandle(static_cast<std::intptr_t>(handle));
            delete socket;
            return;
        }
        socket->setReadBufferSize(kReadBufferBytes);
        makeRoomFor(socket->peerAddress().toString().toStdString());
        m_open.push_back(new Link(*socket, m_server, *this));
    }

private:
    void makeRoomFor(const std::string& client) {
        std::vector<OpenConnection> open;
        for (const Link* link : m_open)
            open.push_back({link->client, link->connection.stage(), link->connection.lastActiveMs()});
        std::vector<Link*> closing;
        for (std::size_t i : connectionsToClose(open, client)) closing.push_back(m_open[i]);
        for (Link* link : closing) link->close();
    }

    TableServer& m_server;
    std::vector<Link*> m_open;
};

TableServer::Link::Link(QTcpSocket& connected, TableServer& server, Door& door)
    : QObject(&connected),
      socket(connected),
      client(connected.peerAddress().toString().toStdString()),
      m_server(server),
      m_door(&door) {
    m_deadline.setSingleShot(true);
    QObject::connect(&m_deadline, &QTimer::timeout, this, &Link::close);
    QObject::connect(&socket, &QIODevice::readyRead, this, &Link::bytesArrived);
    QObject::connect(&socket, &QAbstractSocket::disconnected, &socket, &QObject::deleteLater);
    // The quiet time after an answer counts from when the client took it.
    QObject::connect(&socket, &QIODevice::bytesWritten, this, &Link::settle);
    settle();
    if (socket.bytesAvailable() > 0) bytesArrived();
}

TableServer::Link::~Link() {
    if (m_door) m_door->forget(this);
}

void TableServer::Link::close() {
    if (m_door) m_door->forget(this);
    m_door = nullptr;
    m_deadline.stop();
    socket.abort();
    socket.deleteLater();
}

void TableServer::Link::bytesArrived() {
    const QByteArray bytes = socket.readAll();
    connection.arrive(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                      steadyMs());
    takeUp();
}

void TableServer::Link::takeUp() {
    if (m_takingUp || !m_door) return;  // an answer sent while taking up goes on from there
    m_takingUp = true;
    for (ConnectionStep step = connection.next(static_cast<std::size_t>(socket.bytesToWrite()));
         step.kind != ConnectionStep::Kind::Wait;
         step = connection.next(static_cast<std::size_t>(socket.bytesToWrite()))) {
        if (step.kind == ConnectionStep::Kind::Drop) {
            m_takingUp = false;
            close();
            return;
        }
        if (step.kind == ConnectionStep::Kind::Refuse) {
            socket.write(step.refusal.data(), static_cast<qint64>(step.refusal.size()));
            socket.disconnectFromHost();
            break;
        }
        m_server.answer(*this, step.request);
    }
    m_takingUp = false;
    settle();
}

void TableServer::Link::send(const std::string& answer, bool keepAlive) {
    socket.write(answer.data(), static_cast<qint64>(answer.size()));
    connection.answered();
    if (!keepAlive) socket.disconnectFromHost();
    takeUp();
}

void TableServer::Link::settle() {
    if (!m_door) return;
    const std::int64_t now = steadyMs();
    connection.settle(static_cast<std::size_t>(socket.bytesToWrite()), now);
    m_deadline.start(static_cast<int>(std::max<std::int64_t>(0, connection.deadlineMs() - now)));
}

class TableServer::Reply {
public:
    QPointer<Link> link;
    bool keepAlive = true;
};

TableServer::TableServer(TableResultSink& sink, QObject* parent) : QObject(parent), m_sink(sink) {}

TableServer::~TableServer() {
    // The window is going: nobody is left to tell (the session may be gone already).
    const QSignalBlocker quiet(this);
    stop();
}

QString TableServer::start(quint16 port) {
    if (isRunning()) return {};
    auto door = std::make_unique<Door>(*this);
    if (!door->listen(QHostAddress::AnyIPv4, port)) return portRefused(port);
    m_port = door->serverPort();
    m_door = std::move(door);
    return tablesOpened();
}

void TableServer::stop() {
    if (!isRunning()) return;
    m_waiting.clear();
    m_door.reset();
    m_port = 0;
    emit runningChanged(false);
}

void TableServer::answer(Link& link, const HttpRequest& request) {
    TableExchange exchange = answerRequest(m_sink, request, link.client, QDateTime::currentMSecsSinceEpoch());
    if (exchange.result) {
        // Stored together with whatever else arrives before the event loop turns again.
        if (m_waiting.empty()) QTimer::singleShot(0, this, &TableServer::storeWaiting);
        auto reply = std::make_unique<Reply>();
        reply->link = &link;
        reply->keepAlive = request.keepAlive;
        m_waiting.push_back({std::move(reply), std::move(*exchange.result), link.client});
        return;
    }
    link.send(exchange.answer, request.keepAlive);
    if (exchange.heard) emit tablesChanged();
}

void TableServer::storeWaiting() {
    std::vector<Waiting> batch = std::move(m_waiting);
    m_waiting.clear();
    if (batch.empty() || !m_sink.tableService() || !m_door) return;
    std::vector<BatchEntry> entries;
    for (const Waiting& waiting : batch) entries.push_back({waiting.request, waiting.client});
    TableBatch decided;
    const std::int64_t now = QDateTime::currentMSecsSinceEpoch();
    const std::string problem = m_sink.storeTableResults(
        [&](Contest& contest, TableService& service) {
            decided = m_submissions.decide(contest, service, entries, now);
            return decided.needsWrite;
        },
        TableResultSink::Unsecured::Undo);
    const std::vector<BatchReply> replies = m_submissions.answer(decided, problem);
    for (std::size_t i = 0; i < batch.size() && i < replies.size(); ++i) {
        Link* link = batch[i].reply->link;
        if (!link) continue;  // the phone went away; it sends again
        link->send(storedResultAnswer(replies[i], batch[i].reply->keepAlive), batch[i].reply->keepAlive);
        // Out now, not after the window has repainted for the new results.
        link->socket.flush();
    }
    emit tablesChanged();
}

}  // namespace vindelkast
