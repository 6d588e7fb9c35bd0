// Contract side files come from disk and the recovery file: whatever the bytes, the reader
// must end, keep every contract within the boards and pairs, and what it accepted must
// write back to the same text.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "files/contract_file.h"
#include "fuzz_checks.h"

using namespace vindelkast;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static MemberRegister reg;
    static Contest contest;
    reg.startWithByeMember();
    contest.reset(reg);
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (!readContracts(contest, text).empty()) {
        fuzz::require(contest.contracts.empty());
        return 0;
    }
    for (const auto& [key, played] : contest.contracts) {
        fuzz::require(Contest::validBoard(key.board) && Contest::validPair(key.nsPair) &&
                      Contest::validPair(key.ewPair));
        fuzz::require(played.tricks >= 0 && played.tricks <= 13 && played.contract.level <= 7);
    }
    Contest again;
    fuzz::require(readContracts(again, writeContracts(contest)).empty() &&
                  again.contracts == contest.contracts);
    return 0;
}
