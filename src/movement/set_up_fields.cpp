#include "movement/set_up_fields.h"

#include <charconv>
#include <optional>

namespace vindelkast {

namespace {

std::optional<int> wholeNumber(const std::string& text) {
    std::size_t begin = text.find_first_not_of(" \t");
    if (begin == std::string::npos) return std::nullopt;
    const std::size_t end = text.find_last_not_of(" \t") + 1;
    if (text[begin] == '+') {
        ++begin;
        if (begin < end && text[begin] == '-') return std::nullopt;
    }
    int value = 0;
    const char* first = text.data() + begin;
    const char* last = text.data() + end;
    const auto [stop, error] = std::from_chars(first, last, value);
    if (error != std::errc{} || stop != last || first == last) return std::nullopt;
    if (value == -1) return std::nullopt;
    return value;
}

}  // namespace

int fieldNumber(const std::string& text) { return wholeNumber(text).value_or(0); }

bool fieldIsInvalidNumber(const std::string& text) { return !text.empty() && !wholeNumber(text); }

}  // namespace vindelkast
