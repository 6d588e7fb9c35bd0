#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "files/member_file.h"
#include "files/member_lookup.h"
#include "fuzz_checks.h"

using namespace vindelkast;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    MemberRegister reg;
    reg.startWithByeMember();
    for (Member& member : readMemberLines(in)) {
        const Member* added = reg.append(member);
        // Every member can be found by its long name (the first one of that name).
        const Member* found = findMemberByLongName(longName(*added), reg);
        fuzz::require(found != nullptr && longName(*found) == longName(*added));
        // The writer's line of a member is itself a member line.
        parseMemberLine(memberLine(*added));
    }
    fuzz::require(nextFreeMemberId(reg) >= 1);
    fuzz::require(!registerFileText(reg).empty() || reg.memberCount() == 1);
    return 0;
}
