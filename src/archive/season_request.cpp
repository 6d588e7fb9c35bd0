#include "archive/season_request.h"

#include <charconv>

#include "archive/evening_date.h"

namespace vindelkast {

namespace {

// A count typed in a field: blanks around it allowed, nothing but digits, 1..9999.
bool countFrom(std::string text, int& value) {
    while (!text.empty() && text.front() == ' ') text.erase(text.begin());
    while (!text.empty() && text.back() == ' ') text.pop_back();
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return !text.empty() && error == std::errc() && end == text.data() + text.size() && value > 0 &&
           value < 10000;
}

bool blank(const std::string& text) { return text.find_first_not_of(' ') == std::string::npos; }

}  // namespace

std::string readSeasonRequest(const std::string& from, const std::string& to, const std::string& best,
                              const std::string& minimum, SeasonRange& range) {
    const auto first = readEveningDate(from);
    if (!first) return "Kan inte l\xe4sa datumet \"" + from + "\". Ange datumet som \xc5\xc5\xc5\xc5-MM-DD.";
    const auto last = readEveningDate(to);
    if (!last) return "Kan inte l\xe4sa datumet \"" + to + "\". Ange datumet som \xc5\xc5\xc5\xc5-MM-DD.";
    // Dates as YYYY-MM-DD order as text.
    if (*last < *first) return "Perioden slutar " + *last + ", f\xf6re den b\xf6rjar " + *first + ".";
    SeasonRange read{*first, *last, {}};
    if (!blank(best) && !countFrom(best, read.rule.best))
        return "B\xe4sta antal kv\xe4llar ska vara ett heltal st\xf6rre \xe4n 0 (tomt: alla kv\xe4llar).";
    if (!blank(minimum) && !countFrom(minimum, read.rule.minimum))
        return "Minsta antal kv\xe4llar ska vara ett heltal st\xf6rre \xe4n 0.";
    range = read;
    return "";
}

}  // namespace vindelkast
