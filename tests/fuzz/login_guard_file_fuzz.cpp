// The guard's counts come back from the recovery file after a crash: whatever the bytes, the
// reader must end, keep every table within the evening's, and what it accepted must write back
// to the same counts, so that the next crash restores what this one did.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz_checks.h"
#include "tables/login_guard_file.h"
#include "tables/table_codes.h"

using namespace vindelkast;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    GuardState state;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (!readGuardState(state, text).empty()) {
        fuzz::require(state == GuardState{});
        return 0;
    }
    for (const auto& [table, counts] : state.tables) {
        fuzz::require(table >= 1 && table <= kMaxTables);
        fuzz::require(counts.failures >= 0 && counts.failures <= kLockOutAfter);
    }
    for (const auto& [login, order] : state.logins)
        fuzz::require(login.second >= 1 && login.second <= kMaxTables && order <= state.loginCount);
    GuardState again;
    fuzz::require(readGuardState(again, writeGuardState(state)).empty());
    fuzz::require(again == state);
    return 0;
}
