#include <cstddef>
#include <cstdint>

#include "fuzz_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return vindelkast::fuzz::fuzzDealFile(data, size, vindelkast::DealFileFormat::Cds);
}
