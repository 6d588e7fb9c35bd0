#include "app/table_listener.h"

#include <algorithm>
#include <chrono>

#include <QPointer>
#include <QTcpSocket>
#include <QTimer>

#include "files/file_platform.h"
#include "tables/request_framing.h"

namespace vindelkast {

namespace {
qint64 nowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}
}  // namespace

// One open connection: follows its requests and closes it when it overstays. It lives as the
// socket's child and deletes the socket when the connection ends, whoever ended it.
class ConnectionWatch : public QObject {
public:
    ConnectionWatch(QTcpSocket& socket, QString client, TableListener& door)
        : QObject(&socket), m_socket(socket), m_client(std::move(client)), m_door(&door) {
        m_deadline.setSingleShot(true);
        connect(&m_deadline, &QTimer::timeout, this, &ConnectionWatch::close);
        m_deadline.start(kRequestMs);
        // Connected before the HTTP server's own handler, so this sees every byte first.
        connect(&m_socket, &QIODevice::readyRead, this, &ConnectionWatch::bytesArrived);
        connect(&m_socket, &QAbstractSocket::disconnected, &m_socket, &QObject::deleteLater);
        // The quiet time after an answer counts from when it went out, not from the request:
        // a slow answer must not leave the phone a connection about to be closed under it.
        connect(&m_socket, &QIODevice::bytesWritten, this, [this] {
            if (m_stage != Stage::Answering || m_socket.bytesToWrite() > 0) return;
            m_stage = Stage::Idle;
            m_deadline.start(kIdleMs);
        });
    }
    ~ConnectionWatch() override {
        if (m_door) m_door->forget(this);
    }

    const QString& client() const { return m_client; }
    // Which connection to close first when there are too many: one that has had its answer
    // and waits for nothing, then one that has sent nothing yet, then a request under way, and
    // last one whose answer is coming; within each the longest quiet.
    std::pair<int, qint64> closingOrder() const { return {static_cast<int>(m_stage), m_lastActive}; }

    void close() {
        if (m_door) m_door->forget(this);
        m_door = nullptr;
        m_socket.abort();
        m_socket.deleteLater();
    }

private:
    void bytesArrived() {
        if (m_refused) return discard();
        m_lastActive = nowMs();
        const QByteArray fresh = m_socket.peek(m_socket.bytesAvailable());
        const FramingStep step = m_framing.feed(std::string_view(fresh.constData(), fresh.size()));
        if (step.refusal != 0) return refuse(step.refusal);
        if (step.inRequest && step.begun) {
            m_stage = Stage::InRequest;
            m_deadline.start(kRequestMs);
        } else if (!step.inRequest && step.completed > 0) {
            m_stage = Stage::Answering;
            m_deadline.start(kAnswerMs);
        }
    }

    // The bytes are dropped before the HTTP server would keep them; the answer goes out and
    // the connection closes (at once if the client does not take the answer).
    void refuse(int status) {
        m_refused = true;
        discard();
        m_socket.write(QByteArray::fromStdString(refusalAnswer(status)));
        m_socket.disconnectFromHost();
        m_deadline.start(1000);
    }

    void discard() {
        if (m_socket.isTransactionStarted()) m_socket.commitTransaction();
        m_socket.skip(m_socket.bytesAvailable());
    }

    enum class Stage { Idle, Fresh, InRequest, Answering };

    QTcpSocket& m_socket;
    QString m_client;
    Stage m_stage = Stage::Fresh;
    QPointer<TableListener> m_door;
    RequestFraming m_framing;
    QTimer m_deadline;
    qint64 m_lastActive = nowMs();
    bool m_refused = false;
};

TableListener::TableListener(QObject* parent) : QTcpServer(parent) {}

TableListener::~TableListener() = default;

void TableListener::incomingConnection(qintptr handle) {
    auto* socket = new QTcpSocket(this);
    if (!socket->setSocketDescriptor(handle)) {
        closeNetworkHandle(static_cast<std::intptr_t>(handle));
        delete socket;
        return;
    }
    const QString client = socket->peerAddress().toString();
    makeRoomFor(client);
    m_open.push_back(new ConnectionWatch(*socket, client, *this));
    addPendingConnection(socket);
}

void TableListener::makeRoomFor(const QString& client) {
    const auto quietest = [this](const QString* only) {
        ConnectionWatch* found = nullptr;
        for (ConnectionWatch* w : m_open)
            if ((!only || w->client() == *only) && (!found || w->closingOrder() < found->closingOrder()))
                found = w;
        return found;
    };
    const auto fromClient = std::count_if(m_open.begin(), m_open.end(),
                                          [&](const ConnectionWatch* w) { return w->client() == client; });
    if (fromClient >= kConnectionsPerClient) quietest(&client)->close();
    if (static_cast<int>(m_open.size()) >= kConnections) quietest(nullptr)->close();
}

void TableListener::forget(ConnectionWatch* watch) { std::erase(m_open, watch); }

}  // namespace vindelkast
