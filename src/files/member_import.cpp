#include "files/member_import.h"

#include <fstream>

#include "files/file_platform.h"
#include "files/member_file.h"
#include "files/register_lock.h"
#include "files/safe_write.h"

namespace vindelkast {

std::string loadRegisterAtStartUp(MemberRegister& reg, const std::string& path) {
    reg.clear();
    if (loadRegister(path, reg) >= 1) return "";
    return "Hittade inte persondatabasen medlem.txt!";
}

int loadChosenRegister(const std::string& chosen, MemberRegister& reg) {
    if (chosen.empty()) return reg.memberCount();
    return loadRegister(withDefaultExtension(chosen, ".txt"), reg);
}

RegisterImport importRegister(const std::string& fileName, MemberRegister& reg,
                              const std::string& registerPath) {
    RegisterImport result;
    std::ifstream in(filePath(fileName), std::ios::binary);
    std::vector<Member> members;
    if (in) members = readMemberLines(in);
    if (members.empty()) {
        result.message = "Detta \xe4r inte ett medlemsregister";
        return result;
    }
    // A name that a start list could not give back stays out, and the director is told.
    std::string leftOut;
    std::erase_if(members, [&leftOut](const Member& member) {
        const std::string refused = pairSeparatorMessage(longName(member));
        if (!refused.empty()) leftOut += "\n" + refused;
        return !refused.empty();
    });
    if (members.empty()) {
        result.message = "Detta \xe4r inte ett medlemsregister" + leftOut;
        return result;
    }
    reg.startWithByeMember();
    for (Member& member : members) reg.append(std::move(member));
    result.imported = true;
    result.membersRead = static_cast<int>(members.size());
    result.message = "L\xe4ste " + std::to_string(result.membersRead) + " personer." + leftOut;
    // Nobody adds a person to the old file while it is being replaced.
    const RegisterLock lock(registerPath, false);
    const std::string written = writeTextSafely(registerPath, registerFileText(reg));
    if (!written.empty()) result.message += "\n" + written;
    return result;
}

}  // namespace vindelkast
