#include "tables/http_request_reader.h"

#include <http_parser.h>

#include <climits>

#include "tables/http_status.h"
#include "tables/table_answers.h"
#include "tables/table_request.h"

namespace vindelkast {

struct HttpRequestReader::State {
    http_parser parser{};
    http_parser_settings settings{};
    HttpRequest request;
    std::string url;
    std::string field;
    bool inValue = false;
    bool cookieValue = false;
    bool inHead = false;
    bool inRequest = false;
    bool begun = false;
    std::size_t headBytes = 0;
    int refusal = 0;
    bool closed = false;
    std::vector<HttpRequest> done;
};

namespace {

using State = HttpRequestReader::State;

State& state(http_parser* parser) { return *static_cast<State*>(parser->data); }

int messageBegin(http_parser* parser) {
    State& s = state(parser);
    s.request = HttpRequest();
    s.url.clear();
    s.field.clear();
    s.inValue = false;
    s.inHead = true;
    s.inRequest = true;
    s.begun = true;
    s.headBytes = 0;
    return 0;
}

int urlPiece(http_parser* parser, const char* at, std::size_t length) {
    state(parser).url.append(at, length);
    return 0;
}

// A name or value may come in several pieces: a name starts after a value.
int fieldPiece(http_parser* parser, const char* at, std::size_t length) {
    State& s = state(parser);
    if (s.inValue) s.field.clear();
    s.inValue = false;
    s.field.append(at, length);
    return 0;
}

bool isCookie(const std::string& name) {
    static constexpr std::string_view kCookie = "cookie";
    if (name.size() != kCookie.size()) return false;
    for (std::size_t i = 0; i < name.size(); ++i)
        if ((name[i] | 0x20) != kCookie[i]) return false;
    return true;
}

// Only the cookies are kept of the headers; every byte of them counts against the head's bound.
int valuePiece(http_parser* parser, const char* at, std::size_t length) {
    State& s = state(parser);
    if (!s.inValue) {
        s.inValue = true;
        s.cookieValue = isCookie(s.field);
        if (s.cookieValue && !s.request.cookie.empty()) s.request.cookie += "; ";
    }
    if (s.cookieValue) s.request.cookie.append(at, length);
    return 0;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::string decoded(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const int high = text[i] == '%' && i + 2 < text.size() ? hexDigit(text[i + 1]) : -1;
        const int low = high >= 0 ? hexDigit(text[i + 2]) : -1;
        if (low < 0) {
            out += text[i];
            continue;
        }
        out += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return out;
}

int headersComplete(http_parser* parser) {
    State& s = state(parser);
    s.inHead = false;
    // Refused from the announcement alone: nothing of such a body is ever read.
    if (parser->content_length != ULLONG_MAX && parser->content_length > kMaxTableRequestBytes) {
        s.refusal = http::kPayloadTooLarge;
        return -1;
    }
    if (parser->http_major != 1 || parser->http_minor > 1) return -1;
    http_parser_url parts;
    http_parser_url_init(&parts);
    if (http_parser_parse_url(s.url.data(), s.url.size(), 0, &parts) != 0) return -1;
    s.request.path = (parts.field_set & (1 << UF_PATH))
                         ? decoded(std::string_view(s.url).substr(parts.field_data[UF_PATH].off,
                                                                  parts.field_data[UF_PATH].len))
                         : "/";
    switch (parser->method) {
    case HTTP_GET:
        s.request.method = HttpMethod::Get;
        break;
    case HTTP_HEAD:
        s.request.method = HttpMethod::Head;
        break;
    case HTTP_POST:
        s.request.method = HttpMethod::Post;
        break;
    default:
        s.request.method = HttpMethod::Other;
    }
    s.request.keepAlive = http_should_keep_alive(parser) != 0;
    return 0;
}

// A chunked body announces no length: it is counted as it comes.
int bodyPiece(http_parser* parser, const char* at, std::size_t length) {
    State& s = state(parser);
    if (s.request.body.size() + length > kMaxTableRequestBytes) {
        s.refusal = http::kPayloadTooLarge;
        return 1;
    }
    s.request.body.append(at, length);
    return 0;
}

int messageComplete(http_parser* parser) {
    State& s = state(parser);
    s.inRequest = false;
    s.done.push_back(std::move(s.request));
    // Nothing after a request that closes the connection is read.
    if (!s.done.back().keepAlive) {
        s.closed = true;
        http_parser_pause(parser, 1);
    }
    return 0;
}

}  // namespace

HttpRequestReader::HttpRequestReader() : m_state(std::make_unique<State>()) {
    http_parser_init(&m_state->parser, HTTP_REQUEST);
    m_state->parser.data = m_state.get();
    http_parser_settings& s = m_state->settings;
    s.on_message_begin = messageBegin;
    s.on_url = urlPiece;
    s.on_header_field = fieldPiece;
    s.on_header_value = valuePiece;
    s.on_headers_complete = headersComplete;
    s.on_body = bodyPiece;
    s.on_message_complete = messageComplete;
}

HttpRequestReader::~HttpRequestReader() = default;

HttpReading HttpRequestReader::feed(std::string_view bytes) {
    State& s = *m_state;
    s.begun = false;
    // Byte by byte, so that the whole head counts against its bound: the request line, every
    // name, value, separator and line end, however the network cuts them (thousands of tiny
    // lines are no way round it). A head or body is at most a few kilobytes before a refusal.
    for (std::size_t at = 0; at < bytes.size() && !s.closed; ++at) {
        const bool wasInHead = s.inHead;
        const std::size_t parsed = http_parser_execute(&s.parser, &s.settings, bytes.data() + at, 1);
        if (HTTP_PARSER_ERRNO(&s.parser) == HPE_PAUSED) break;  // the connection closes after it
        if (s.refusal == 0 && (wasInHead || s.inHead) && ++s.headBytes > kMaxRequestHeadBytes)
            s.refusal = http::kHeaderTooLarge;
        // An upgrade (a WebSocket) is no table request either.
        else if (s.refusal == 0 && (parsed != 1 || s.parser.upgrade))
            s.refusal = http::kBadRequest;
        if (s.refusal != 0) s.closed = true;
    }
    HttpReading reading;
    reading.requests = std::move(s.done);
    s.done.clear();
    reading.refusal = s.refusal;
    reading.inRequest = s.inRequest && s.refusal == 0;
    reading.begun = s.begun;
    return reading;
}

std::string httpAnswer(int status, const HttpHeaders& headers, std::string_view body, bool headOnly,
                       bool keepAlive) {
    const char* reason = http_status_str(static_cast<http_status>(status));
    std::string answer = "HTTP/1.1 " + std::to_string(status) + ' ' + reason + "\r\n";
    for (const auto& [name, value] : headers) answer += name + ": " + value + "\r\n";
    answer += "Content-Length: " + std::to_string(body.size()) + "\r\n";
    if (!keepAlive) answer += "Connection: close\r\n";
    answer += "\r\n";
    if (!headOnly) answer += body;
    return answer;
}

std::string refusalAnswer(int status) {
    std::string message = "F\xf6rfr\xe5gan g\xe5r inte att l\xe4sa";
    if (status == http::kPayloadTooLarge)
        message = "F\xf6rfr\xe5gan \xe4r f\xf6r stor";
    else if (status == http::kHeaderTooLarge)
        message = "F\xf6rfr\xe5gans huvud \xe4r f\xf6r l\xe5ngt";
    const HttpHeaders headers = {
        {"Content-Type", http::kJson}, {"Cache-Control", "no-store"}, {"X-Content-Type-Options", "nosniff"}};
    return httpAnswer(status, headers, tableMessageAnswer("fel", message), false, false);
}

}  // namespace vindelkast
