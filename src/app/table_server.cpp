#include "app/table_server.h"

#include <QAbstractHttpServer>
#include <QDateTime>
#include <QHostAddress>
#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QSignalBlocker>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include "app/results_policy.h"
#include "app/table_listener.h"
#include "movement/table_rounds.h"
#include "qt/qt_text.h"
#include "session/table_result_sink.h"
#include "tables/http_status.h"
#include "tables/table_answers.h"
#include "tables/table_page.h"
#include "tables/table_store.h"

namespace vindelkast {

namespace {

using Status = QHttpServerResponder::StatusCode;

// A HEAD request hears the headers the GET would, its length included, and no body: on a
// kept-alive connection the next answer must start where the client expects it.
void send(QHttpServerResponder& responder, bool headOnly, int status, const char* type,
          const QByteArray& body, const QByteArray& policy = kTablePagePolicy) {
    const QHttpServerResponder::HeaderList headers = {{"Content-Type", type},
                                                      {"Cache-Control", "no-store"},
                                                      {"X-Content-Type-Options", "nosniff"},
                                                      {"Content-Security-Policy", policy}};
    if (!headOnly) {
        responder.write(body, headers, static_cast<Status>(status));
        return;
    }
    responder.writeStatusLine(static_cast<Status>(status));
    responder.writeHeaders(headers);
    responder.writeHeader("Content-Length", QByteArray::number(body.size()));
    responder.writeBody(QByteArray());
}

void sendJson(QHttpServerResponder& responder, int status, const std::string& body, bool headOnly = false) {
    send(responder, headOnly, status, http::kJson, QByteArray::fromStdString(body));
}

std::string message(const std::string& status, const std::string& text) {
    return tableMessageAnswer(status, text);
}

}  // namespace

class TableServer::Reply {
public:
    explicit Reply(QHttpServerResponder&& taken) : responder(std::move(taken)) {}
    QHttpServerResponder responder;
};

// Qt's server hands every complete request to the table server.
class TableServer::Http : public QAbstractHttpServer {
public:
    explicit Http(TableServer& owner) : m_owner(owner) {}
    using QAbstractHttpServer::makeResponder;

protected:
    bool handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) override {
        m_owner.handle(request, socket);
        return true;
    }
    void missingHandler(const QHttpServerRequest&, QTcpSocket*) override {}

private:
    TableServer& m_owner;
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
    auto* listener = new TableListener(http.get());
    if (!listener->listen(QHostAddress::AnyIPv4, port)) return portRefused(port);
    http->bind(listener);
    m_http = std::move(http);
    m_port = listener->serverPort();
    return tablesOpened();
}

void TableServer::stop() {
    if (!isRunning()) return;
    m_waiting.clear();
    for (QTcpServer* server : m_http->servers()) server->close();
    m_http.reset();
    m_port = 0;
    emit runningChanged(false);
}

void TableServer::handle(const QHttpServerRequest& request, QTcpSocket* socket) {
    QHttpServerResponder responder = m_http->makeResponder(request, socket);
    const QString path = request.url().path();
    const bool head = request.method() == QHttpServerRequest::Method::Head;
    if (request.method() == QHttpServerRequest::Method::Get || head) {
        const ResultsRequest results =
            readResultsRequest(path.toStdString(), request.value("Cookie").toStdString());
        if (results.path != ResultsPath::None)
            answerResults(results, request, responder, head);
        else {
            const OwnPage page = ownPage(path.toStdString(), m_sink.contest());
            send(responder, head, page.status, page.type, QByteArray::fromStdString(page.body));
        }
        return;
    }
    if (request.method() != QHttpServerRequest::Method::Post || !tableCallOfPath(path.toStdString())) {
        sendJson(responder, http::kNotFound, message("fel", "Ok\xe4nd f\xf6rfr\xe5gan"));
        return;
    }
    handleCall(request, socket, std::move(responder));
}

void TableServer::answerResults(const ResultsRequest& results, const QHttpServerRequest& request,
                                QHttpServerResponder& responder, bool headOnly) {
    if (results.path == ResultsPath::Redirect) {
        responder.write({{"Location", kResultsPrefix}, {"Cache-Control", "no-store"}},
                        Status::MovedPermanently);
        return;
    }
    const Contest& contest = m_sink.contest();
    const TableService* service = m_sink.tableService();
    const bool pairsTyped = service ? service->codes().pairsTyped : !tablesFollowMovement(contest);
    const ResultsAnswer answer =
        resultsAnswer(contest, pairsTyped, resultsPublished(), readerTable(results, request), results.page);
    send(responder, headOnly, answer.status, http::kHtml, QByteArray::fromStdString(answer.body),
         QByteArray::fromStdString(resultsPagePolicy()));
}

// Which table's phone reads the results: the one whose code the page's cookie carries (0 for
// anyone else, or before the evening has codes).
int TableServer::readerTable(const ResultsRequest& results, const QHttpServerRequest& request) {
    TableService* service = m_sink.tableService();
    if (!service) return 0;
    return readingTable(*service, results, request.remoteAddress().toString().toStdString(),
                        QDateTime::currentMSecsSinceEpoch());
}

void TableServer::handleCall(const QHttpServerRequest& request, QTcpSocket* socket,
                             QHttpServerResponder&& responder) {
    const QByteArray body = request.body();
    if (body.size() > static_cast<qsizetype>(kMaxTableRequestBytes)) {
        sendJson(responder, http::kPayloadTooLarge, message("fel", "F\xf6rfr\xe5gan \xe4r f\xf6r stor"));
        return;
    }
    const TableCall call = *tableCallOfPath(request.url().path().toStdString());
    const TableRequestReading reading =
        readTableRequest(call, std::string_view(body.constData(), body.size()));
    if (!reading.message.empty()) {
        sendJson(responder, http::kBadRequest, message("fel", reading.message));
        return;
    }
    // The codes are made with the first call; a phone is told when they cannot be secured.
    const std::string opened = m_sink.tableService() ? std::string() : m_sink.openTables();
    if (!m_sink.tableService()) {
        sendJson(responder, http::kUnavailable, message("fel", "T\xe4vlingen \xe4r inte uppstartad \xe4n"));
        return;
    }
    if (!opened.empty()) {
        sendJson(responder, http::kUnavailable, unsecuredAnswer(opened));
        return;
    }
    const std::string client = request.remoteAddress().toString().toStdString();
    if (call == TableCall::Submit) {
        // Stored together with whatever else arrives before the event loop turns again.
        if (m_waiting.empty()) QTimer::singleShot(0, this, &TableServer::storeWaiting);
        m_waiting.push_back({socket, std::make_unique<Reply>(std::move(responder)), reading.request, client});
        return;
    }
    const TableDecision decision = m_sink.tableService()->handle(m_sink.contest(), reading.request, client,
                                                                 QDateTime::currentMSecsSinceEpoch());
    sendJson(responder, decision.status, decision.body);
    emit tablesChanged();
}

void TableServer::storeWaiting() {
    std::vector<Waiting> batch = std::move(m_waiting);
    m_waiting.clear();
    if (batch.empty() || !m_sink.tableService()) return;
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
        if (!batch[i].socket) continue;  // the phone went away; it sends again
        sendJson(batch[i].reply->responder, replies[i].status, replies[i].body);
        // Out now, not after the window has repainted for the new results.
        batch[i].socket->flush();
    }
    emit tablesChanged();
}

}  // namespace vindelkast
