#pragma once

#include <string>
#include <string_view>

namespace vindelkast {

// Standard base64 ("=" padding) with CR LF after every full 57 input bytes, so that full
// lines hold 76 characters; a shorter last line gets no line break of its own.
std::string base64Lines(std::string_view bytes);

}  // namespace vindelkast
