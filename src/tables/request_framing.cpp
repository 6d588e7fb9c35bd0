#include "tables/request_framing.h"

#include <http_parser.h>

#include <climits>

#include "tables/http_status.h"
#include "tables/table_answers.h"
#include "tables/table_request.h"

namespace vindelkast {

struct RequestFraming::State {
    http_parser parser{};
    http_parser_settings settings{};
    bool inHead = false;
    std::size_t headBytes = 0;
    std::size_t bodyBytes = 0;
    int refusal = 0;
    bool inRequest = false;
    bool begun = false;
    int completed = 0;
};

namespace {

using State = RequestFraming::State;

State& state(http_parser* parser) { return *static_cast<State*>(parser->data); }

int messageBegin(http_parser* parser) {
    State& s = state(parser);
    s.inHead = true;
    s.headBytes = 0;
    s.bodyBytes = 0;
    s.inRequest = true;
    s.begun = true;
    return 0;
}

int headersComplete(http_parser* parser) {
    state(parser).inHead = false;
    // Refused from the announcement alone: nothing of such a body is ever read.
    if (parser->content_length != ULLONG_MAX && parser->content_length > kMaxTableRequestBytes) {
        state(parser).refusal = http::kPayloadTooLarge;
        return -1;
    }
    return 0;
}

// A chunked body announces no length: it is counted as it comes.
int bodyPiece(http_parser* parser, const char*, std::size_t length) {
    State& s = state(parser);
    s.bodyBytes += length;
    if (s.bodyBytes <= kMaxTableRequestBytes) return 0;
    s.refusal = http::kPayloadTooLarge;
    return 1;
}

int messageComplete(http_parser* parser) {
    State& s = state(parser);
    s.inRequest = false;
    ++s.completed;
    return 0;
}

}  // namespace

RequestFraming::RequestFraming() : m_state(std::make_unique<State>()) {
    http_parser_init(&m_state->parser, HTTP_REQUEST);
    m_state->parser.data = m_state.get();
    http_parser_settings& s = m_state->settings;
    s.on_message_begin = messageBegin;
    s.on_headers_complete = headersComplete;
    s.on_body = bodyPiece;
    s.on_message_complete = messageComplete;
}

RequestFraming::~RequestFraming() = default;

FramingStep RequestFraming::feed(std::string_view bytes) {
    State& s = *m_state;
    s.begun = false;
    s.completed = 0;
    // Byte by byte, so that the whole head counts against its bound: the request line, every
    // name, value, separator and line end, however the network cuts them (thousands of tiny
    // lines are no way round it). A head or body is at most a few kilobytes before a refusal.
    for (std::size_t at = 0; at < bytes.size() && s.refusal == 0; ++at) {
        const bool wasInHead = s.inHead;
        const std::size_t parsed = http_parser_execute(&s.parser, &s.settings, bytes.data() + at, 1);
        if (s.refusal != 0) break;
        if ((wasInHead || s.inHead) && ++s.headBytes > kMaxRequestHeadBytes)
            s.refusal = http::kHeaderTooLarge;
        // An upgrade (a WebSocket) is no table request either.
        else if (parsed != 1 || s.parser.upgrade)
            s.refusal = http::kBadRequest;
    }
    return {s.refusal, s.inRequest, s.completed, s.begun};
}

}  // namespace vindelkast

namespace vindelkast {

std::string refusalAnswer(int status) {
    const char* reason = "Bad Request";
    std::string message = "F\xf6rfr\xe5gan g\xe5r inte att l\xe4sa";
    if (status == http::kPayloadTooLarge) {
        reason = "Payload Too Large";
        message = "F\xf6rfr\xe5gan \xe4r f\xf6r stor";
    } else if (status == http::kHeaderTooLarge) {
        reason = "Request Header Fields Too Large";
        message = "F\xf6rfr\xe5gans huvud \xe4r f\xf6r l\xe5ngt";
    }
    const std::string body = tableMessageAnswer("fel", message);
    return "HTTP/1.1 " + std::to_string(status) + ' ' + reason + "\r\nContent-Type: " + http::kJson +
           "\r\nContent-Length: " + std::to_string(body.size()) +
           "\r\nCache-Control: no-store\r\nX-Content-Type-Options: nosniff\r\nConnection: close\r\n\r\n" +
           body;
}

}  // namespace vindelkast
