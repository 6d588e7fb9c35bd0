#include "app/table_server.h"

#include <QAbstractHttpServer>
#include <QCryptographicHash>
#include <QDateTime>
#include <QHostAddress>
#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QSignalBlocker>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include "app/table_listener.h"
#include "output/site_html.h"
#include "qt/qt_text.h"
#include "session/table_result_sink.h"
#include "tables/table_answers.h"
#include "tables/table_page.h"
#include "tables/table_rounds.h"
#include "tables/table_store.h"

namespace vindelkast {

namespace {

using Status = QHttpServerResponder::StatusCode;

// Nothing on the page may come from elsewhere, and nothing inline runs: its script and style
// are the server's own resources, and names reach the page only as text.
const char* const kPagePolicy =
    "default-src 'none'; script-src 'self'; style-src 'self'; connect-src 'self'; "
    "img-src 'self' data:; base-uri 'none'; form-action 'none'; frame-ancestors 'none'";

// The results pages carry their one style sheet inline and run nothing at all.
const QByteArray& resultsPolicy() {
    static const QByteArray policy =
        "default-src 'none'; style-src 'sha256-" +
        QCryptographicHash::hash(QByteArray::fromStdString(std::string(siteStyle())),
                                 QCryptographicHash::Sha256)
            .toBase64() +
        "'; img-src 'self' data:; base-uri 'none'; form-action 'none'; frame-ancestors 'none'";
    return policy;
}

void send(QHttpServerResponder& responder, int status, const QByteArray& type, const QByteArray& body,
          const QByteArray& policy = kPagePolicy) {
    responder.write(body,
                    {{"Content-Type", type},
                     {"Cache-Control", "no-store"},
                     {"X-Content-Type-Options", "nosniff"},
                     {"Content-Security-Policy", policy}},
                    static_cast<Status>(status));
}

void sendJson(QHttpServerResponder& responder, int status, const std::string& body) {
    send(responder, status, "application/json; charset=utf-8", QByteArray::fromStdString(body));
}

std::string message(const std::string& status, const std::string& text) {
    return tableMessageAnswer(status, text);
}

}  // namespace

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
    if (!listener->listen(QHostAddress::AnyIPv4, port))
        return "Registreringen vid borden kunde inte starta: port " + QString::number(port) +
               " \u00e4r upptagen eller inte till\u00e5ten.";
    http->bind(listener);
    m_http = std::move(http);
    m_port = listener->serverPort();
    // The codes exist from the moment the tables can reach the server; a recovery file that
    // cannot be written the session tells of itself.
    m_sink.openTables();
    emit runningChanged(true);
    return {};
}

void TableServer::stop() {
    if (!isRunning()) return;
    m_waiting.clear();
    for (QTcpServer* server : m_http->servers()) server->close();
    m_http.reset();
    m_port = 0;
    emit runningChanged(false);
}

void TableServer::forgetEvening() {
    stop();
    m_unsecured = false;
    m_published = false;
    emit tablesChanged();
}

void TableServer::handle(const QHttpServerRequest& request, QTcpSocket* socket) {
    QHttpServerResponder responder = m_http->makeResponder(request, socket);
    const QString path = request.url().path();
    if (request.method() == QHttpServerRequest::Method::Get) {
        const ResultsRequest results =
            readResultsRequest(path.toStdString(), request.value("Cookie").toStdString());
        if (results.path != ResultsPath::None)
            answerResults(results, request, responder);
        else if (path == "/" || path == "/bord")
            send(responder, 200, "text/html; charset=utf-8",
                 QByteArray::fromStdString(tablePage(m_sink.contest())));
        else if (path == "/bord.js")
            send(responder, 200, "text/javascript; charset=utf-8",
                 QByteArray::fromStdString(tablePageScript()));
        else if (path == "/bord.css")
            send(responder, 200, "text/css; charset=utf-8", QByteArray(tablePageStyle()));
        else
            send(responder, 404, "text/plain; charset=utf-8", "Sidan finns inte");
        return;
    }
    if (request.method() != QHttpServerRequest::Method::Post || !tableCallOfPath(path.toStdString())) {
        sendJson(responder, 404, message("fel", "Ok\xe4nd f\xf6rfr\xe5gan"));
        return;
    }
    handleCall(request, socket, std::move(responder));
}

void TableServer::answerResults(const ResultsRequest& results, const QHttpServerRequest& request,
                                QHttpServerResponder& responder) {
    if (results.path == ResultsPath::Redirect) {
        responder.write({{"Location", kResultsPrefix}, {"Cache-Control", "no-store"}},
                        Status::MovedPermanently);
        return;
    }
    const Contest& contest = m_sink.contest();
    const TableService* service = m_sink.tableService();
    const bool pairsTyped = service ? service->codes().pairsTyped : !tablesFollowMovement(contest);
    const ResultsAnswer answer =
        resultsAnswer(contest, pairsTyped, m_published, readerTable(results, request), results.page);
    send(responder, answer.status, "text/html; charset=utf-8", QByteArray::fromStdString(answer.body),
         resultsPolicy());
}

// Which table's phone reads the results: the one whose code the page's cookie carries (0 for
// anyone else, or before the evening has codes).
int TableServer::readerTable(const ResultsRequest& results, const QHttpServerRequest& request) {
    TableService* service = m_sink.tableService();
    if (!service) return 0;
    return readingTable(*service, m_sink.contest(), results, request.remoteAddress().toString().toStdString(),
                        QDateTime::currentMSecsSinceEpoch());
}

void TableServer::handleCall(const QHttpServerRequest& request, QTcpSocket* socket,
                             QHttpServerResponder&& responder) {
    const QByteArray body = request.body();
    if (body.size() > static_cast<qsizetype>(kMaxTableRequestBytes)) {
        sendJson(responder, 413, message("fel", "F\xf6rfr\xe5gan \xe4r f\xf6r stor"));
        return;
    }
    const TableCall call = *tableCallOfPath(request.url().path().toStdString());
    const TableRequestReading reading =
        readTableRequest(call, std::string_view(body.constData(), body.size()));
    if (!reading.message.empty()) {
        sendJson(responder, 400, message("fel", reading.message));
        return;
    }
    if (!service()) {
        sendJson(responder, 503, message("fel", "T\xe4vlingen \xe4r inte uppstartad \xe4n"));
        return;
    }
    const std::string client = request.remoteAddress().toString().toStdString();
    if (call == TableCall::Submit) {
        // Stored together with whatever else arrives before the event loop turns again.
        if (m_waiting.empty()) QTimer::singleShot(0, this, &TableServer::storeWaiting);
        m_waiting.push_back(
            {socket, std::make_unique<QHttpServerResponder>(std::move(responder)), reading.request, client});
        return;
    }
    const TableDecision decision = m_sink.tableService()->handle(m_sink.contest(), reading.request, client,
                                                                 QDateTime::currentMSecsSinceEpoch());
    sendJson(responder, decision.status, decision.body);
    emit tablesChanged();
}

TableServer::Reply TableServer::decideAndStore(Contest& contest, TableService& service,
                                               const Waiting& waiting, std::int64_t now, bool& changed) {
    const TableDecision decision = service.handle(contest, waiting.request, waiting.client, now);
    if (decision.outcome == TableOutcome::Duplicate || decision.outcome == TableOutcome::Conflict) {
        // What was stored or held before the last recovery write failed is safe only after a
        // good one; a phone told of a held result does not send it again.
        changed = changed || m_unsecured;
        return {decision.status, decision.body, true};
    }
    if (decision.outcome != TableOutcome::Store) return {decision.status, decision.body, false};
    const std::string problem = storeTableResult(contest, decision.store);
    if (!problem.empty()) return {422, message("fel", problem), false};
    changed = true;
    return {200, service.storedAnswer(contest, decision.store), true};
}

void TableServer::storeWaiting() {
    std::vector<Waiting> batch = std::move(m_waiting);
    m_waiting.clear();
    if (batch.empty() || !m_sink.tableService()) return;
    std::vector<Reply> replies;
    const std::int64_t now = QDateTime::currentMSecsSinceEpoch();
    const std::string problem = m_sink.storeTableResults([&](Contest& contest, TableService& service) {
        bool changed = false;
        for (const Waiting& waiting : batch)
            replies.push_back(decideAndStore(contest, service, waiting, now, changed));
        return changed;
    });
    m_unsecured = !problem.empty();
    for (std::size_t i = 0; i < batch.size(); ++i) {
        if (!batch[i].socket) continue;  // the phone went away; it sends again
        const Reply& reply = replies[i];
        if (reply.needsRecovery && m_unsecured)
            sendJson(*batch[i].responder, 503,
                     message("fel", "Resultatet kunde inte s\xe4kras p\xe5 t\xe4vlingsledarens dator (" +
                                        problem + "). F\xf6rs\xf6k igen."));
        else
            sendJson(*batch[i].responder, reply.status, reply.body);
        // Out now, not after the window has repainted for the new results.
        batch[i].socket->flush();
    }
    emit tablesChanged();
}

}  // namespace vindelkast
