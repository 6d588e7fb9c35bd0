#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The requests on one connection to the tables' server, read with Debian's HTTP parser into
// what the server answers from. This one reader decides where every request on a connection
// begins and ends, and refuses from its head a request that can never be a table's: a body
// announced (or sent in chunks) larger than any table request, a head longer than any phone
// sends, bytes that are no HTTP/1.x, an upgrade. Only what the tables' answers use is kept.
namespace vindelkast {

// A phone's head is a few hundred bytes; a browser's with every header well under this.
inline constexpr std::size_t kMaxRequestHeadBytes = 8 * 1024;

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
    // 0, or the status (400, 413, 431) to answer with and close the connection once the
    // requests before it are answered. Nothing after it is read.
    int refusal = 0;
    bool inRequest = false;  // after these bytes a request has begun and is not yet complete
    bool begun = false;      // a request began within these bytes
};

class HttpRequestReader {
public:
    HttpRequestReader();
    ~HttpRequestReader();
    HttpRequestReader(const HttpRequestReader&) = delete;
    HttpRequestReader& operator=(const HttpRequestReader&) = delete;

    // The next bytes of the connection. After a request that closes the connection, or once
    // refused, later bytes are ignored.
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

// The whole answer with which a refused connection is closed: the status and a JSON message,
// as the tables' interface answers.
std::string refusalAnswer(int status);

}  // namespace vindelkast
