#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "files/deal_import.h"
#include "fuzz_checks.h"
#include "model/member_register.h"

using namespace vindelkast;

// The first byte is the number of boards set up (0: read up to 71), the rest the file.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    MemberRegister reg;
    Contest contest;
    contest.reset(reg);
    contest.boardCount = data[0] % 80;
    std::istringstream in(std::string(reinterpret_cast<const char*>(data + 1), size - 1));
    importDeals(contest, in, DealFileFormat::Bri);
    fuzz::require(contest.dealCount >= 0 && contest.dealCount <= kMaxBoard);
    fuzz::checkDeals(contest);
    return 0;
}
