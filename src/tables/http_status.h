#pragma once

// The HTTP statuses and content types the tables' server answers with, by name, so that what
// a phone is told reads the same in the decisions and in the server that sends them.
namespace vindelkast::http {

// An unscoped enum, so that a status is still the plain number wherever it is passed on.
enum Status : int {
    kOk = 200,
    kMovedPermanently = 301,
    kBadRequest = 400,
    kUnauthorised = 401,
    kForbidden = 403,
    kNotFound = 404,
    kConflict = 409,
    kPayloadTooLarge = 413,
    kUnprocessable = 422,
    kTooManyRequests = 429,
    kHeaderTooLarge = 431,
    // The server cannot secure a result now (the recovery file cannot be written): send it again.
    kUnavailable = 503,
};

// Every text the server sends is UTF-8.
inline constexpr const char* kJson = "application/json; charset=utf-8";
inline constexpr const char* kHtml = "text/html; charset=utf-8";
inline constexpr const char* kScript = "text/javascript; charset=utf-8";
inline constexpr const char* kStyle = "text/css; charset=utf-8";
inline constexpr const char* kPlain = "text/plain; charset=utf-8";

}  // namespace vindelkast::http
