// PBN result files come from other programs: whatever the bytes, the reader must end and
// what it accepts must import soundly.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "files/pbn_results.h"
#include "session_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    vindelkast::fuzz::checkImportedSession(vindelkast::readPbnResults(bytes));
    return 0;
}
