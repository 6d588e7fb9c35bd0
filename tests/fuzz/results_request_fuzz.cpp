// The table server reads the path and the Cookie header of every GET under /resultat/:
// whatever they hold, the reading is bounded, names only a page of the site's kind and at
// most a real table with a code of letters and digits.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz_checks.h"
#include "tables/results_access.h"
#include "tables/table_codes.h"

using namespace vindelkast;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The first line is the path, the rest the cookies.
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t newline = input.find('\n');
    const std::string_view path = input.substr(0, newline);
    const std::string_view cookies = newline == std::string_view::npos ? "" : input.substr(newline + 1);
    const ResultsRequest request = readResultsRequest(path, cookies);
    if (request.path == ResultsPath::None) fuzz::require(request.page.empty() && request.table == 0);
    fuzz::require(request.page.size() <= kMaxResultsPathBytes);
    fuzz::require(request.page.find('/') == std::string::npos);
    fuzz::require(request.table >= 0 && request.table <= kMaxTables);
    fuzz::require((request.table == 0) == request.code.empty());
    fuzz::require(request.code.size() <=
                  static_cast<std::size_t>(std::max(kTableCodeLength, kDirectorCodeLength)));
    return 0;
}
