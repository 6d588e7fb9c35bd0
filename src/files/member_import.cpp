#include "files/member_import.h"

#include <fstream>

#include "files/member_file.h"
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
    std::ifstream in(fileName, std::ios::binary);
    std::vector<Member> members;
    if (in) members = readMemberLines(in);
    if (members.empty()) {
        result.message = "Detta \xe4r inte ett medlemsregister";
        return result;
    }
    reg.startWithByeMember();
    for (Member& member : members) reg.append(std::move(member));
    result.imported = true;
    result.membersRead = static_cast<int>(members.size());
    result.message = "L\xe4ste " + std::to_string(result.membersRead) + " personer.";
    const std::string written = writeTextSafely(registerPath, registerFileText(reg));
    if (!written.empty()) result.message += "\n" + written;
    return result;
}

}  // namespace vindelkast
