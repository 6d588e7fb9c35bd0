#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vindelkast {

// Windows-1252 bytes → UTF-8 (every byte maps; the five unused codes become U+FFFD).
std::string cp1252ToUtf8(std::string_view text);
// UTF-8 → Windows-1252; nothing when a character has no Windows-1252 form or the
// UTF-8 is malformed.
std::optional<std::string> utf8ToCp1252(std::string_view text);
// UTF-8 → Windows-1252 with "?" for a character Windows-1252 lacks; nothing when the
// UTF-8 is malformed.
std::optional<std::string> utf8ToCp1252Replacing(std::string_view text);
// The message for a text that Windows-1252 cannot hold.
std::string notRepresentableMessage();

// Lower and upper case of Windows-1252 letters (A-Z and the Latin-1 letters).
char lowerCp1252(char c);
bool isUpperCp1252(char c);
std::string toLowerCp1252(std::string_view text);

}  // namespace vindelkast
