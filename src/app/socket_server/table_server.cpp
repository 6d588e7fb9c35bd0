// The tables' server on QtNetwork's own sockets, for a build whose Qt has no HTTP server: the
// same answers as app/table_server.cpp, each request read by the core on Debian's HTTP parser
// (tables/http_request_reader.h), every connection watched by the same door
// (app/table_listener.h). It only moves bytes between the sockets and the tables' decisions.
#include "app/table_server.h"

#include <deque>

#include <QDateTime>
#include <QHostAddress>
#include <QPointer>
#include <QSignalBlocker>
#include <QTcpSocket>
#include <QTimer>

#include "app/results_policy.h"
#include "app/table_listener.h"
#include "movement/table_rounds.h"
#include "qt/qt_text.h"
#include "session/table_result_sink.h"
#include "tables/http_request_reader.h"
#include "tables/http_status.h"
#include "tables/request_framing.h"
#include "tables/table_answers.h"
#include "tables/table_page.h"
#include "tables/table_store.h"

namespace vindelkast {

namespace {

// A phone sends a request and reads its answer. A client that piles up requests, or answers
// it does not take, is no phone: its connection is closed before the window grows for it.
constexpr std::size_t kMaxQueued = 64;
constexpr qint64 kMaxUnsentBytes = 1024 * 1024;

// One connection. Its requests are answered one at a time in the order they came, so a
// result waiting for the recovery file holds back what the phone sent after it.
class Link : public QObject {
public:
    explicit Link(QTcpSocket& connection) : QObject(&connection), socket(connection) {}
    QTcpSocket& socket;
    HttpRequestReader reader;
    std::deque<HttpRequest> queue;
    bool answering = false;
    bool draining = false;  // in next(): an answer sent there starts no second round
    bool broken = false;
};

}  // namespace

class TableServer::Reply {
public:
    QPointer<Link> link;
    bool keepAlive = true;
};

class TableServer::Http {
public:
    explicit Http(TableServer& owner) : m_owner(owner), m_listener(std::make_unique<TableListener>()) {
        QObject::connect(m_listener.get(), &QTcpServer::newConnection, m_listener.get(),
                         [this] { accept(); });
    }
    ~Http() { m_listener->close(); }

    TableListener& listener() { return *m_listener; }

    // The answer goes out and the connection's next request is taken up.
    void send(Link& link, bool keepAlive, const std::string& answer) {
        link.socket.write(answer.data(), static_cast<qint64>(answer.size()));
        link.answering = false;
        if (!keepAlive) {
            link.queue.clear();
            link.socket.disconnectFromHost();
            return;
        }
        if (!link.draining) next(link);
    }

private:
    void accept() {
        while (QTcpSocket* socket = m_listener->nextPendingConnection()) {
            auto* link = new Link(*socket);
            // Connected after the door's watch, which refuses what is too large before this reads.
            QObject::connect(socket, &QIODevice::readyRead, link, [this, link] { read(*link); });
            if (socket->bytesAvailable() > 0) read(*link);
        }
    }

    void read(Link& link) {
        const QByteArray bytes = link.socket.readAll();
        if (link.broken) return;
        HttpReading reading = link.reader.feed(std::string_view(bytes.constData(), bytes.size()));
        for (HttpRequest& request : reading.requests) link.queue.push_back(std::move(request));
        link.broken = reading.broken;
        next(link);
    }

    void next(Link& link) {
        const auto flooding = [&link] {
            return link.queue.size() > kMaxQueued || link.socket.bytesToWrite() > kMaxUnsentBytes;
        };
        if (flooding()) {
            link.queue.clear();
            link.socket.abort();
            return;
        }
        link.draining = true;
        while (!link.answering && !link.queue.empty() &&
               link.socket.state() == QAbstractSocket::ConnectedState) {
            if (flooding()) {
                link.queue.clear();
                link.socket.abort();
                break;
            }
            const HttpRequest request = std::move(link.queue.front());
            link.queue.pop_front();
            link.answering = true;
            handle(link, request);
        }
        link.draining = false;
        if (link.broken && !link.answering && link.queue.empty()) {
            link.broken = false;  // told once
            send(link, false, refusalAnswer(http::kBadRequest));
        }
    }

    void page(Link& link, const HttpRequest& request, int status, const char* type, const std::string& body,
              const std::string& policy = kTablePagePolicy) {
        const HttpHeaders headers = {{"Content-Type", type},
                                     {"Cache-Control", "no-store"},
                                     {"X-Content-Type-Options", "nosniff"},
                                     {"Content-Security-Policy", policy}};
        const bool head = request.method == HttpMethod::Head;
        send(link, request.keepAlive, httpAnswer(status, headers, body, head, request.keepAlive));
    }

    void json(Link& link, const HttpRequest& request, int status, const std::string& body) {
        page(link, request, status, http::kJson, body);
    }

    void handle(Link& link, const HttpRequest& request) {
        const bool head = request.method == HttpMethod::Head;
        if (request.method == HttpMethod::Get || head) {
            const ResultsRequest results = readResultsRequest(request.path, request.cookie);
            if (results.path != ResultsPath::None)
                answerResults(link, request, results);
            else {
                const OwnPage own = ownPage(request.path, m_owner.m_sink.contest());
                page(link, request, own.status, own.type, own.body);
            }
            return;
        }
        const std::optional<TableCall> call = tableCallOfPath(request.path);
        if (request.method != HttpMethod::Post || !call) {
            json(link, request, http::kNotFound, tableMessageAnswer("fel", "Ok\xe4nd f\xf6rfr\xe5gan"));
            return;
        }
        tableCall(link, request, *call);
    }

    void answerResults(Link& link, const HttpRequest& request, const ResultsRequest& results) {
        if (results.path == ResultsPath::Redirect) {
            const HttpHeaders headers = {{"Location", kResultsPrefix}, {"Cache-Control", "no-store"}};
            send(link, request.keepAlive,
                 httpAnswer(http::kMovedPermanently, headers, "", true, request.keepAlive));
            return;
        }
        TableResultSink& sink = m_owner.m_sink;
        const Contest& contest = sink.contest();
        TableService* service = sink.tableService();
        const bool pairsTyped = service ? service->codes().pairsTyped : !tablesFollowMovement(contest);
        // The reader is the table whose code the page's cookie carries (0 for anyone else).
        const int reader =
            service ? readingTable(*service, results, client(link), QDateTime::currentMSecsSinceEpoch()) : 0;
        const ResultsAnswer answer =
            resultsAnswer(contest, pairsTyped, m_owner.resultsPublished(), reader, results.page);
        page(link, request, answer.status, http::kHtml, answer.body, resultsPagePolicy());
    }

    void tableCall(Link& link, const HttpRequest& request, TableCall call) {
        const TableRequestReading reading = readTableRequest(call, request.body);
        if (!reading.message.empty()) {
            json(link, request, http::kBadRequest, tableMessageAnswer("fel", reading.message));
            return;
        }
        TableResultSink& sink = m_owner.m_sink;
        // The codes are made with the first call; a phone is told when they cannot be secured.
        const std::string opened = sink.tableService() ? std::string() : sink.openTables();
        if (!sink.tableService()) {
            json(link, request, http::kUnavailable,
                 tableMessageAnswer("fel", "T\xe4vlingen \xe4r inte uppstartad \xe4n"));
            return;
        }
        if (!opened.empty()) {
            json(link, request, http::kUnavailable, unsecuredAnswer(opened));
            return;
        }
        if (call == TableCall::Submit) {
            // Stored together with whatever else arrives before the event loop turns again.
            if (m_owner.m_waiting.empty()) QTimer::singleShot(0, &m_owner, &TableServer::storeWaiting);
            auto reply = std::make_unique<Reply>();
            reply->link = &link;
            reply->keepAlive = request.keepAlive;
            m_owner.m_waiting.push_back({&link.socket, std::move(reply), reading.request, client(link)});
            return;
        }
        const TableDecision decision = sink.tableService()->handle(
            sink.contest(), reading.request, client(link), QDateTime::currentMSecsSinceEpoch());
        json(link, request, decision.status, decision.body);
        emit m_owner.tablesChanged();
    }

    static std::string client(const Link& link) { return link.socket.peerAddress().toString().toStdString(); }

    TableServer& m_owner;
    std::unique_ptr<TableListener> m_listener;
};

TableServer::TableServer(TableResultSink& sink, QObject* parent) : QObject(parent), m_sink(sink) {}

TableServer::~TableServer() {
    // The window is going: nobody is left to tell (the session may be gone already).
    const QSignalBlocker quiet(this);
    stop();
}

QString TableServer::start(quint16 port) {
    if (isRunning()) return {};
    auto http = std::make_unique<Http>(*this);
    if (!http->listener().listen(QHostAddress::AnyIPv4, port)) return portRefused(port);
    m_port = http->listener().serverPort();
    m_http = std::move(http);
    return tablesOpened();
}

void TableServer::stop() {
    if (!isRunning()) return;
    m_waiting.clear();
    m_http.reset();
    m_port = 0;
    emit runningChanged(false);
}

void TableServer::storeWaiting() {
    std::vector<Waiting> batch = std::move(m_waiting);
    m_waiting.clear();
    if (batch.empty() || !m_sink.tableService() || !m_http) return;
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
        if (!batch[i].socket || !link) continue;  // the phone went away; it sends again
        const HttpHeaders headers = {{"Content-Type", http::kJson},
                                     {"Cache-Control", "no-store"},
                                     {"X-Content-Type-Options", "nosniff"},
                                     {"Content-Security-Policy", kTablePagePolicy}};
        const bool keepAlive = batch[i].reply->keepAlive;
        m_http->send(*link, keepAlive,
                     httpAnswer(replies[i].status, headers, replies[i].body, false, keepAlive));
        // Out now, not after the window has repainted for the new results.
        batch[i].socket->flush();
    }
    emit tablesChanged();
}

}  // namespace vindelkast
