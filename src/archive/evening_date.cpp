#include "archive/evening_date.h"

#include <cstdio>

namespace vindelkast {

namespace {

constexpr std::size_t kLongestDate = 32;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Reads `min`..`max` digits at `at`; false when fewer are there.
bool digits(std::string_view text, std::size_t& at, std::size_t min, std::size_t max, int& value) {
    value = 0;
    std::size_t count = 0;
    while (at < text.size() && count < max && isDigit(text[at])) {
        value = value * 10 + (text[at] - '0');
        ++at;
        ++count;
    }
    return count >= min;
}

bool literal(std::string_view text, std::size_t& at, char c) {
    if (at >= text.size() || text[at] != c) return false;
    ++at;
    return true;
}

bool blanks(std::string_view text, std::size_t& at) {
    const std::size_t start = at;
    while (at < text.size() && text[at] == ' ') ++at;
    return at > start;
}

struct Day {
    int year = 0, month = 0, day = 0;
};

bool leapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

bool onCalendar(const Day& d) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (d.year < 1900 || d.year > 2999 || d.month < 1 || d.month > 12 || d.day < 1) return false;
    const int last = kDays[d.month - 1] + (d.month == 2 && leapYear(d.year) ? 1 : 0);
    return d.day <= last;
}

// Each form must take the whole text.
bool isoForm(std::string_view t, Day& d) {
    std::size_t at = 0;
    return digits(t, at, 4, 4, d.year) && literal(t, at, '-') && digits(t, at, 2, 2, d.month) &&
           literal(t, at, '-') && digits(t, at, 2, 2, d.day) && at == t.size();
}

bool compactForm(std::string_view t, Day& d) {
    std::size_t at = 0;
    return t.size() == 8 && digits(t, at, 4, 4, d.year) && digits(t, at, 2, 2, d.month) &&
           digits(t, at, 2, 2, d.day) && at == t.size();
}

bool slashForm(std::string_view t, Day& d) {
    std::size_t at = 0;
    return digits(t, at, 1, 2, d.day) && literal(t, at, '/') && digits(t, at, 1, 2, d.month) &&
           blanks(t, at) && digits(t, at, 4, 4, d.year) && at == t.size();
}

bool dotForm(std::string_view t, Day& d) {
    std::size_t at = 0;
    return digits(t, at, 1, 2, d.day) && literal(t, at, '.') && digits(t, at, 1, 2, d.month) &&
           literal(t, at, '.') && digits(t, at, 4, 4, d.year) && at == t.size();
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

}  // namespace

std::optional<std::string> readEveningDate(std::string_view text) {
    if (text.size() > kLongestDate) return std::nullopt;
    const std::string_view t = trimmed(text);
    Day d;
    if (!(isoForm(t, d) || compactForm(t, d) || slashForm(t, d) || dotForm(t, d)) || !onCalendar(d))
        return std::nullopt;
    char iso[16];
    std::snprintf(iso, sizeof iso, "%04d-%02d-%02d", d.year, d.month, d.day);
    return std::string(iso);
}

}  // namespace vindelkast
