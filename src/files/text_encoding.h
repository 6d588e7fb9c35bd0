#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/utf8_text.h"

namespace vindelkast {

// Windows-1252 bytes → UTF-8 (every byte maps; the five unused codes become U+FFFD).
std::string cp1252ToUtf8(std::string_view text);
// UTF-8 → Windows-1252; nothing when a character has no Windows-1252 form or the
// UTF-8 is malformed.
std::optional<std::string> utf8ToCp1252(std::string_view text);
// UTF-8 → Windows-1252 with "?" for a character Windows-1252 lacks; nothing when the
// UTF-8 is malformed.
std::optional<std::string> utf8ToCp1252Replacing(std::string_view text);
// The same with the encodings in their types: Windows-1252 text as UTF-8, and UTF-8 as
// Windows-1252 with "?" for what Windows-1252 lacks or what is not UTF-8 at all.
Utf8 toUtf8(std::string_view cp1252);
std::string fromUtf8(const Utf8& text);
// The message for a text that Windows-1252 cannot hold.
std::string notRepresentableMessage();

// Lower and upper case of Windows-1252 letters (A-Z and the Latin-1 letters).
char lowerCp1252(char c);
bool isUpperCp1252(char c);
std::string toLowerCp1252(std::string_view text);

}  // namespace vindelkast
