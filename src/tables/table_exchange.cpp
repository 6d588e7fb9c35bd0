#include "tables/table_exchange.h"

#include <sodium.h>

#include "movement/table_rounds.h"
#include "output/site_html.h"
#include "tables/http_status.h"
#include "tables/results_access.h"
#include "tables/table_answers.h"
#include "tables/table_page.h"

namespace vindelkast {

namespace {

TableExchange answered(std::string answer) {
    TableExchange exchange;
    exchange.answer = std::move(answer);
    return exchange;
}

// A HEAD hears the headers the GET would, its length included, and no body: on a kept-alive
// connection the next answer must start where the client expects it.
std::string page(const HttpRequest& request, int status, const char* type, const std::string& body,
                 const std::string& policy = kTablePagePolicy) {
    const HttpHeaders headers = {{"Content-Type", type},
                                 {"Cache-Control", "no-store"},
                                 {"X-Content-Type-Options", "nosniff"},
                                 {"Content-Security-Policy", policy}};
    return httpAnswer(status, headers, body, request.method == HttpMethod::Head, request.keepAlive);
}

std::string json(const HttpRequest& request, int status, const std::string& body) {
    return page(request, status, http::kJson, body);
}

std::string resultsPage(TableHost& host, const HttpRequest& request, const ResultsRequest& results,
                        const std::string& client, std::int64_t nowMs) {
    if (results.path == ResultsPath::Redirect) {
        const HttpHeaders headers = {{"Location", kResultsPrefix}, {"Cache-Control", "no-store"}};
        return httpAnswer(http::kMovedPermanently, headers, "", true, request.keepAlive);
    }
    const Contest& contest = host.contest();
    TableService* service = host.tableService();
    const bool pairsTyped = service ? service->codes().pairsTyped : !tablesFollowMovement(contest);
    const bool published = service && service->resultsPublished();
    // The reader is the table whose code the page's cookie carries (0 for anyone else).
    const int reader = service ? readingTable(*service, results, client, nowMs) : 0;
    const ResultsAnswer answer =
        resultsAnswer(contest, host.journal(), pairsTyped, published, reader, results.page);
    return page(request, answer.status, http::kHtml, answer.body, resultsPagePolicy());
}

TableExchange tableCall(TableHost& host, const HttpRequest& request, TableCall call,
                        const std::string& client, std::int64_t nowMs) {
    TableExchange exchange;
    const TableRequestReading reading = readTableRequest(call, request.body);
    if (!reading.message.empty()) {
        exchange.answer = json(request, http::kBadRequest, tableMessageAnswer("fel", reading.message));
        return exchange;
    }
    // The codes are made with the first call; a phone is told when they cannot be secured.
    const std::string opened = host.tableService() ? std::string() : host.openTables();
    if (!host.tableService()) {
        exchange.answer = json(request, http::kUnavailable,
                               tableMessageAnswer("fel", "T\xe4vlingen \xe4r inte uppstartad \xe4n"));
        return exchange;
    }
    if (!opened.empty()) {
        exchange.answer = json(request, http::kUnavailable, unsecuredAnswer(opened));
        return exchange;
    }
    if (call == TableCall::Submit) {
        exchange.result = reading.request;
        return exchange;
    }
    const TableDecision decision =
        host.tableService()->handle(host.contest(), reading.request, client, nowMs);
    exchange.answer = json(request, decision.status, decision.body);
    exchange.heard = true;
    return exchange;
}

}  // namespace

TableExchange answerRequest(TableHost& host, const HttpRequest& request, const std::string& client,
                            std::int64_t nowMs) {
    if (request.method == HttpMethod::Get || request.method == HttpMethod::Head) {
        const ResultsRequest results = readResultsRequest(request.path, request.cookie);
        if (results.path != ResultsPath::None)
            return answered(resultsPage(host, request, results, client, nowMs));
        const OwnPage own = ownPage(request.path, host.contest());
        return answered(page(request, own.status, own.type, own.body));
    }
    const std::optional<TableCall> call = tableCallOfPath(request.path);
    if (request.method != HttpMethod::Post || !call)
        return answered(
            json(request, http::kNotFound, tableMessageAnswer("fel", "Ok\xe4nd f\xf6rfr\xe5gan")));
    return tableCall(host, request, *call, client, nowMs);
}

std::string storedResultAnswer(const BatchReply& reply, bool keepAlive) {
    HttpRequest post;
    post.method = HttpMethod::Post;
    post.keepAlive = keepAlive;
    return json(post, reply.status, reply.body);
}

const std::string& resultsPagePolicy() {
    static const std::string policy = [] {
        const std::string_view style = siteStyle();
        unsigned char hash[crypto_hash_sha256_BYTES];
        crypto_hash_sha256(hash, reinterpret_cast<const unsigned char*>(style.data()), style.size());
        char base64[sodium_base64_ENCODED_LEN(crypto_hash_sha256_BYTES, sodium_base64_VARIANT_ORIGINAL)];
        sodium_bin2base64(base64, sizeof base64, hash, sizeof hash, sodium_base64_VARIANT_ORIGINAL);
        return "default-src 'none'; style-src 'sha256-" + std::string(base64) +
               "'; img-src 'self' data:; base-uri 'none'; form-action 'none'; frame-ancestors 'none'";
    }();
    return policy;
}

}  // namespace vindelkast
