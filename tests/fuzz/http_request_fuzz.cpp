// The bytes a client sends to the tables' server without Qt's HTTP server, in whatever pieces
// the network cuts them: the first byte of the input says where to cut. Reading them must end,
// keep every request within its bounds, and the pieces must come to the same as the whole.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "fuzz_checks.h"
#include "tables/http_request_reader.h"
#include "tables/request_framing.h"
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
    std::vector<HttpRequest> requests;
    bool broken = false;
    for (std::size_t at = 0; at < bytes.size(); at += piece) {
        HttpReading reading = cut.feed(bytes.substr(at, piece));
        fuzz::require(!broken || reading.requests.empty());
        broken = broken || reading.broken;
        for (HttpRequest& request : reading.requests) {
            fuzz::require(request.path.size() + request.cookie.size() <= kMaxRequestHeadBytes);
            fuzz::require(request.body.size() <= kMaxTableRequestBytes);
            requests.push_back(std::move(request));
        }
    }
    fuzz::require(broken == all.broken);
    if (!all.broken) {
        fuzz::require(requests.size() == all.requests.size());
        for (std::size_t i = 0; i < requests.size(); ++i) fuzz::require(same(requests[i], all.requests[i]));
    }
    return 0;
}
