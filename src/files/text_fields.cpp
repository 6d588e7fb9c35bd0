#include "files/text_fields.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace vindelkast {

namespace {
bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }
}  // namespace

std::vector<std::string_view> splitWords(std::string_view text) {
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && isBlank(text[i])) ++i;
        const std::size_t start = i;
        while (i < text.size() && !isBlank(text[i])) ++i;
        if (i > start) words.push_back(text.substr(start, i - start));
    }
    return words;
}

std::optional<int> parseInt(std::string_view word) {
    if (!word.empty() && word.front() == '+') word.remove_prefix(1);
    if (word.empty()) return std::nullopt;
    int value = 0;
    const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (ec != std::errc() || end != word.data() + word.size()) return std::nullopt;
    return value;
}

std::optional<int> parseLeadingInt(std::string_view word) {
    if (!word.empty() && word.front() == '+') word.remove_prefix(1);
    int value = 0;
    const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (ec != std::errc()) return std::nullopt;
    return value;
}

std::optional<double> parseReal(std::string_view word) {
    if (!word.empty() && word.front() == '+') word.remove_prefix(1);
    if (word.empty()) return std::nullopt;
    double value = 0;
    const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (ec != std::errc() || end != word.data() + word.size() || !std::isfinite(value)) return std::nullopt;
    return value;
}

std::optional<float> parseFloat(std::string_view word) {
    const auto value = parseReal(word);
    if (!value || std::fabs(*value) > static_cast<double>(std::numeric_limits<float>::max()))
        return std::nullopt;
    return static_cast<float>(*value);
}

int intOrZero(std::string_view text) {
    const auto words = splitWords(text);
    if (words.size() != 1) return 0;
    return parseInt(words[0]).value_or(0);
}

std::string formatGeneral(double value) {
    // Matchpoints are whole or half numbers nearly always, and a contest file holds
    // thousands: those are written directly, exactly as the general format writes them.
    if (const double twice = value * 2;
        std::fabs(value) < 100000 && twice == std::trunc(twice) && !(value == 0 && std::signbit(value))) {
        const long halves = static_cast<long>(twice);
        std::string text = halves < 0 ? "-" : "";
        text += std::to_string(std::labs(halves) / 2);
        if (halves % 2 != 0) text += ".5";
        return text;
    }
    char buffer[64];
    const auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 6);
    if (ec != std::errc()) return "0";
    return std::string(buffer, end);
}

char* putRightAligned(char* at, std::string_view text, int width, bool firstField) {
    const int length = static_cast<int>(text.size());
    const int padding = length < width ? width - length : firstField ? 0 : 1;
    at = std::fill_n(at, padding, ' ');
    return std::copy(text.begin(), text.end(), at);
}

std::string rightAligned(std::string_view text, int width, bool firstField) {
    std::string field(text.size() + static_cast<std::size_t>(std::max(width, 0)) + 1, ' ');
    field.resize(
        static_cast<std::size_t>(putRightAligned(field.data(), text, width, firstField) - field.data()));
    return field;
}

void chompCr(std::string& line) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
}

std::string trimRight(std::string_view text) {
    std::size_t end = text.size();
    while (end > 0 && (text[end - 1] == ' ' || text[end - 1] == '\t')) --end;
    return std::string(text.substr(0, end));
}

}  // namespace vindelkast
