#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The requests on one connection to the table server, read with Debian's HTTP parser into
// what the server answers from, for a build whose Qt has no HTTP server of its own. Only what
// the tables' answers use is kept; the door (tables/request_framing.h) has already refused a
// head or body too large, and this reader keeps its own bounds as well.
namespace vindelkast {

enum class HttpMethod { Get, Head, Post, Other };

struct HttpRequest {
    HttpMethod method = HttpMethod::Other;
    std::string path;    // the URL's path, percent-decoded ("/" when it has none)
    std::string cookie;  // the Cookie headers' values, joined by "; "
    std::string body;
    bool keepAlive = true;  // the connection stays open after the answer
};

struct HttpReading {
    std::vector<HttpRequest> requests;  // the requests completed within these bytes, in order
    bool broken = false;                // bytes that are no request, or too many: close the connection
};

class HttpRequestReader {
public:
    HttpRequestReader();
    ~HttpRequestReader();
    HttpRequestReader(const HttpRequestReader&) = delete;
    HttpRequestReader& operator=(const HttpRequestReader&) = delete;

    // The next bytes of the connection. After a request that closes the connection, or once
    // broken, later bytes are ignored.
    HttpReading feed(std::string_view bytes);

    struct State;

private:
    std::unique_ptr<State> m_state;
};

using HttpHeaders = std::vector<std::pair<std::string, std::string>>;

// The whole answer to one request: status line, the headers, its length and, unless the
// request was a HEAD (which hears the GET's headers, length included), the body; a connection
// that closes after it says so.
std::string httpAnswer(int status, const HttpHeaders& headers, std::string_view body, bool headOnly,
                       bool keepAlive);

}  // namespace vindelkast
