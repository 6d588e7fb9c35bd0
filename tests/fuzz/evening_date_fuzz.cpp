// The archive's date reader on any text: never out of bounds, and whatever it reads is a
// real day written as YYYY-MM-DD that reads back as itself.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "archive/evening_date.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto date = vindelkast::readEveningDate(text);
    if (!date) return 0;
    if (date->size() != 10 || (*date)[4] != '-' || (*date)[7] != '-') std::abort();
    if (vindelkast::readEveningDate(*date) != date) std::abort();
    return 0;
}
