#pragma once

// The HTTP statuses and content types the tables' server answers with, by name, so that what
// a phone is told reads the same in the decisions and in the server that sends them.
namespace vindelkast::http {

inline constexpr int kOk = 200;
inline constexpr int kMovedPermanently = 301;
inline constexpr int kBadRequest = 400;
inline constexpr int kUnauthorised = 401;
inline constexpr int kForbidden = 403;
inline constexpr int kNotFound = 404;
inline constexpr int kConflict = 409;
inline constexpr int kPayloadTooLarge = 413;
inline constexpr int kUnprocessable = 422;
inline constexpr int kTooManyRequests = 429;
inline constexpr int kHeaderTooLarge = 431;
// The server cannot secure a result now (the recovery file cannot be written): send it again.
inline constexpr int kUnavailable = 503;

inline constexpr const char* kJson = "application/json; charset=utf-8";
inline constexpr const char* kHtml = "text/html; charset=utf-8";
inline constexpr const char* kScript = "text/javascript; charset=utf-8";
inline constexpr const char* kStyle = "text/css; charset=utf-8";
inline constexpr const char* kPlain = "text/plain; charset=utf-8";

}  // namespace vindelkast::http
