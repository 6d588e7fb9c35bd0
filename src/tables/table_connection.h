#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tables/http_request_reader.h"

// One connection to the tables' server as the server follows it: its bytes read into requests
// by one reader, which alone decides where each ends; the requests answered one at a time in
// the order they came, so a result waiting for the recovery file holds back what the phone sent
// after it; and how long the connection may stay as it is. The server only moves the bytes and
// keeps the time. Time comes in as milliseconds from any fixed start, so tests can step it.
namespace vindelkast {

// How long a connection may take to send a whole request (from its first byte, or from its
// opening), and how long it may stay open with nothing to send after one.
inline constexpr std::int64_t kRequestMs = 5000;
inline constexpr std::int64_t kIdleMs = 5000;
// How long the server's own answer may take before the connection is given up: a busy
// machine must not cut the tables off from the answers it owes them.
inline constexpr std::int64_t kAnswerMs = 30000;
// How long a refused connection has to take its refusal.
inline constexpr std::int64_t kRefusedMs = 1000;
// A phone sends a request and reads its answer. A client that piles up requests, or answers
// it does not take, is no phone: its connection is dropped before the window grows for it.
inline constexpr std::size_t kMaxQueuedRequests = 64;
inline constexpr std::size_t kMaxUnsentBytes = 1024 * 1024;
// Open connections at most: from one client (a phone's browser opens a few, but the phones
// of a club behind one router share its address) and in all, far below the 1024 files a
// process may have open.
inline constexpr std::size_t kConnectionsPerClient = 64;
inline constexpr std::size_t kConnections = 256;

// Where a connection is, in the order in which connections are closed to make room: one refused
// and closing, then one that has had its answer and waits for nothing, then one that has sent
// nothing yet, then a request under way, and last one whose answer is coming.
enum class ConnectionStage { Refused, Idle, Fresh, InRequest, Answering };

// What the server does next with a connection.
struct ConnectionStep {
    enum class Kind {
        Wait,    // nothing until more bytes come or the answer under way goes out
        Answer,  // answer `request`, then tell `answered`
        Refuse,  // send `refusal` and close the connection
        Drop     // close the connection at once, sending nothing more
    };
    Kind kind = Kind::Wait;
    HttpRequest request;
    std::string refusal;
};

class TableConnection {
public:
    explicit TableConnection(std::int64_t nowMs);

    // The next bytes from the client.
    void arrive(std::string_view bytes, std::int64_t nowMs);
    // What to do now, given what the client has not yet taken of the answers sent it.
    ConnectionStep next(std::size_t unsentBytes);
    // The answer to the request taken by the last Answer went to the socket.
    void answered();

    // Brings the stage up to date (after any of the above, or when the client took some of an
    // answer); the deadline runs from when the stage last changed.
    void settle(std::size_t unsentBytes, std::int64_t nowMs);
    ConnectionStage stage() const { return m_stage; }
    std::int64_t deadlineMs() const;
    std::int64_t lastActiveMs() const { return m_lastActiveMs; }
    // The requests waiting to be answered.
    std::size_t queued() const { return m_queue.size(); }

private:
    HttpRequestReader m_reader;
    std::deque<HttpRequest> m_queue;
    int m_refusal = 0;
    bool m_inRequest = false;
    bool m_begun = false;
    bool m_answering = false;
    bool m_heard = false;
    bool m_over = false;
    ConnectionStage m_stage = ConnectionStage::Fresh;
    std::int64_t m_stageSinceMs;
    std::int64_t m_lastActiveMs;
};

// An open connection, as the server weighs which to close to make room for a new one.
struct OpenConnection {
    std::string client;
    ConnectionStage stage = ConnectionStage::Fresh;
    std::int64_t lastActiveMs = 0;
};

// Which of the open connections (their indexes) to close before one more from `client` is let
// in: when the client, or everyone, has as many open as allowed, the client's (everyone's)
// first in closing order, the longest quiet first. A flood of idle sockets from one device
// closes its own and never the tables'.
std::vector<std::size_t> connectionsToClose(const std::vector<OpenConnection>& open,
                                            const std::string& client);

}  // namespace vindelkast
