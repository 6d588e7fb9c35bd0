#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "files/contest_file.h"
#include "fuzz_checks.h"
#include "model/member_register.h"

using namespace vindelkast;

namespace {

std::string readAndWrite(const std::string& text, ContestReadResult::Kind& kind) {
    MemberRegister reg;
    reg.startWithByeMember();
    reg.append(Member{"Berg", "", 17, 0});
    Contest contest;
    contest.reset(reg);
    std::istringstream in(text);
    kind = readContestFile(contest, in).kind;
    fuzz::checkBounds(contest);
    fuzz::checkDeals(contest);
    return contestFileText(contest, "fuzz");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ContestReadResult::Kind kind{};
    const std::string written = readAndWrite(std::string(reinterpret_cast<const char*>(data), size), kind);
    if (kind == ContestReadResult::Kind::NotContest || kind == ContestReadResult::Kind::NotOpen) return 0;
    // What the program writes, it reads back to the same file.
    ContestReadResult::Kind again{};
    const std::string rewritten = readAndWrite(written, again);
    fuzz::require(rewritten == written);
    return 0;
}
