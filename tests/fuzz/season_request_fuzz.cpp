// The season typed in the window, on any text: four fields, one to a line. Whatever is read
// is a range of real days in order with counts the ranking can use; anything else is refused
// with a message and leaves the range as it was.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "archive/evening_date.h"
#include "archive/season_request.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> fields(4);
    std::size_t field = 0;
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == '\n' && field < 3)
            ++field;
        else
            fields[field] += static_cast<char>(data[i]);
    }
    vindelkast::SeasonRange range{"x", "y", {-5, -5}};
    const std::string message =
        vindelkast::readSeasonRequest(fields[0], fields[1], fields[2], fields[3], range);
    if (!message.empty()) {
        if (range.from != "x" || range.to != "y" || range.rule.best != -5 || range.rule.minimum != -5)
            std::abort();
        return 0;
    }
    if (vindelkast::readEveningDate(range.from) != range.from ||
        vindelkast::readEveningDate(range.to) != range.to)
        std::abort();
    if (range.to < range.from || range.rule.best < 0 || range.rule.minimum < 1) std::abort();
    if (vindelkast::seasonCaption(range).empty()) std::abort();
    return 0;
}
