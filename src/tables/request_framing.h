#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

// Where the requests on one connection to the table server begin and end, followed byte by
// byte as they arrive, so that a request that can never be a table's is refused from its head,
// before its body is read: a body announced (or sent in chunks) larger than any table request,
// a head longer than any phone sends, bytes that are no HTTP. The bytes themselves stay with
// the HTTP server that answers; this only follows them.
namespace vindelkast {

// A phone's head is a few hundred bytes; a browser's with every header well under this.
inline constexpr std::size_t kMaxRequestHeadBytes = 8 * 1024;

struct FramingStep {
    int refusal = 0;         // 0, or the HTTP status to refuse the connection with (400, 413, 431)
    bool inRequest = false;  // after these bytes a request has begun and is not yet complete
    int completed = 0;       // requests that ended within these bytes
    bool begun = false;      // a request began within these bytes
};

class RequestFraming {
public:
    RequestFraming();
    ~RequestFraming();
    RequestFraming(const RequestFraming&) = delete;
    RequestFraming& operator=(const RequestFraming&) = delete;

    // The next bytes of the connection. Once a step has refused, every later one does too.
    FramingStep feed(std::string_view bytes);

    struct State;

private:
    std::unique_ptr<State> m_state;
};

}  // namespace vindelkast

namespace vindelkast {

// The whole HTTP answer with which a refused connection is closed: the status and a JSON
// message, as the tables' interface answers.
std::string refusalAnswer(int status);

}  // namespace vindelkast
