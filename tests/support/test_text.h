#pragma once

#include <string>
#include <string_view>

namespace vindelkast::test {

// A readable UTF-8 literal as the Windows-1252 bytes the core works in.
std::string w(std::string_view utf8);
// Windows-1252 bytes back to UTF-8, for readable failure messages.
std::string u(std::string_view cp1252);

}  // namespace vindelkast::test
