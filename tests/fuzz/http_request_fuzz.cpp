// The bytes a client sends to the tables' server, in whatever pieces the network cuts them:
// the first byte of the input says where to cut. Reading them must end, keep every request
// within its bounds, a refusal must stay, and the pieces must come to the same as the whole.
// The connection that follows them never holds more requests than it may.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "fuzz_checks.h"
#include "tables/http_request_reader.h"
#include "tables/table_connection.h"
#include "tables/table_request.h"

using namespace vindelkast;

namespace {
bool same(const HttpRequest& a, const HttpRequest& b) {
    return a.method == b.method && a.path == b.path && a.cookie == b.cookie && a.body == b.body &&
           a.keepAlive == b.keepAlive;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const std::size_t piece = data[0] + 1;
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);

    HttpRequestReader whole;
    const HttpReading all = whole.feed(bytes);

    HttpRequestReader cut;
    TableConnection connection(0);
    std::vector<HttpRequest> requests;
    int refusal = 0;
    for (std::size_t at = 0; at < bytes.size(); at += piece) {
        HttpReading reading = cut.feed(bytes.substr(at, piece));
        fuzz::require(refusal == 0 || (reading.refusal == refusal && reading.requests.empty()));
        fuzz::require(reading.refusal == 0 || reading.refusal == 400 || reading.refusal == 413 ||
                      reading.refusal == 431);
        refusal = reading.refusal;
        for (HttpRequest& request : reading.requests) {
            fuzz::require(request.path.size() + request.cookie.size() <= kMaxRequestHeadBytes);
            fuzz::require(request.body.size() <= kMaxTableRequestBytes);
            requests.push_back(std::move(request));
        }
        // A client that never reads its answers: the connection is dropped rather than hold more.
        connection.arrive(bytes.substr(at, piece), static_cast<std::int64_t>(at));
        ConnectionStep step = connection.next(kMaxUnsentBytes);
        while (step.kind == ConnectionStep::Kind::Answer) {
            connection.answered();
            step = connection.next(kMaxUnsentBytes);
        }
        connection.settle(0, static_cast<std::int64_t>(at));
        fuzz::require(connection.queued() <= kMaxQueuedRequests);
    }
    fuzz::require(refusal == all.refusal);
    if (all.refusal == 0) {
        fuzz::require(requests.size() == all.requests.size());
        for (std::size_t i = 0; i < requests.size(); ++i) fuzz::require(same(requests[i], all.requests[i]));
    }
    return 0;
}
