#pragma once

#include <string>
#include <string_view>

namespace vindelkast {

// Standard base64 ("=" padding) with CR LF after every 57 input bytes, so that full lines
// hold 76 characters; the last line ends with CR LF as well.
std::string base64Lines(std::string_view bytes);

}  // namespace vindelkast
