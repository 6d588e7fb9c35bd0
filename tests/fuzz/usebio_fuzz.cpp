// USEBIO files come from other programs and results sites: whatever the bytes, the reader
// must end and what it accepts must import soundly.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "files/usebio_reader.h"
#include "session_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    vindelkast::fuzz::checkImportedSession(vindelkast::readUsebio(bytes));
    return 0;
}
