#pragma once

#include <string>

namespace vindelkast {

// printf-style formatting into a string; widths count bytes, which are characters in
// Windows-1252.
std::string formatText(const char* format, ...) __attribute__((format(printf, 1, 2)));

// `text` followed by blanks up to `width` characters (never cut).
std::string padRight(const std::string& text, std::size_t width);

}  // namespace vindelkast
