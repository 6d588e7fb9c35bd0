#include "support/test_text.h"

#include <stdexcept>

#include "files/text_encoding.h"

namespace vindelkast::test {

std::string w(std::string_view utf8) {
    auto converted = utf8ToCp1252(utf8);
    if (!converted) throw std::invalid_argument("not Windows-1252: " + std::string(utf8));
    return *converted;
}

std::string u(std::string_view cp1252) { return cp1252ToUtf8(cp1252); }

}  // namespace vindelkast::test
