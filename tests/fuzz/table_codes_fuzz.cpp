// Table codes come back from the recovery file: whatever the bytes, the reader must end,
// accept only codes of the code alphabet for at most 36 tables, and round-trip them.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "tables/table_codes.h"
#include "fuzz_checks.h"

using namespace vindelkast;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TableCodes codes;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (!readTableCodes(codes, text).empty()) {
        fuzz::require(codes == TableCodes{});
        return 0;
    }
    fuzz::require(codes.tables.size() <= static_cast<std::size_t>(kMaxTables));
    fuzz::require(codes.director.size() == static_cast<std::size_t>(kDirectorCodeLength));
    for (std::size_t t = 0; t < codes.tables.size(); ++t)
        fuzz::require(tableOfCode(codes, codes.tables[t]) == static_cast<int>(t) + 1);
    TableCodes again;
    fuzz::require(readTableCodes(again, writeTableCodes(codes)).empty() && again == codes);
    return 0;
}
