#pragma once

#include <string>
#include <string_view>

#include "files/member_import.h"
#include "model/member_register.h"

namespace vindelkast {

// What adding a new person came to.
struct AddedMember {
    Member* member = nullptr;  // the new register entry; nullptr when the name was refused
    std::string message;       // "" when the person is in the register and in the file
};

// The new person of the name panel: the name text splits at its first blank into surname
// and first name; the identity text is the number (below 1 or not a whole number: the next
// free club number); the handicap text a whole number (else 0). The person is appended to
// the register and to the register file. A name that the file or a start list could not give
// back unchanged is refused; a failed append leaves the person in the register and says so.
// A club number taken in the file meanwhile is replaced, and the message says so.
AddedMember addMemberToRegister(MemberRegister& reg, std::string_view nameText, std::string_view idText,
                                std::string_view handicapText,
                                const std::string& registerPath = kRegisterFileName);

// The same from the window's texts (UTF-8); a name with a character that Windows-1252
// cannot hold is refused.
AddedMember addMemberToRegisterUtf8(MemberRegister& reg, std::string_view nameUtf8, std::string_view idUtf8,
                                    std::string_view handicapUtf8,
                                    const std::string& registerPath = kRegisterFileName);

// Appends one member line to the register file while holding its lock, all or nothing: a
// failed append leaves the file byte for byte as it was. A club number the file already
// gives somebody (another program may have added persons meanwhile) is replaced by the next
// free one, at least `nextFreeId`. Returns "" or the message.
std::string appendMemberToFile(const std::string& path, Member& member, int nextFreeId);

}  // namespace vindelkast
