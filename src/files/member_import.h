#pragma once

#include <string>

#include "files/file_names.h"
#include "model/member_register.h"

namespace vindelkast {

// The register file in the working folder.
inline constexpr const char* kRegisterFileName = "medlem.txt";

// Start-up: empties the register and loads `path`. Returns "" when the file was read, else
// the message after which the window offers another file ("Hittade inte persondatabasen
// medlem.txt!").
std::string loadRegisterAtStartUp(MemberRegister& reg, const std::string& path = kRegisterFileName);
// The file chosen instead at start-up (".txt" appended when it has no extension); returns
// the member count, 0 when it could not be opened either.
int loadChosenRegister(const std::string& chosen, MemberRegister& reg);

// What importing a register came to. `message` is always the text to show.
struct RegisterImport {
    bool imported = false;  // false: the register and the register file are as they were
    int membersRead = 0;
    std::string message;  // "Läste 57 personer." or "Detta är inte ett medlemsregister"
};

// Replaces the register by the members of `fileName` and rewrites the register file
// `registerPath` safely with them. A file that cannot be opened or holds no member line
// changes nothing. Members stay alive, so a start list keeps pointing at valid persons.
RegisterImport importRegister(const std::string& fileName, MemberRegister& reg,
                              const std::string& registerPath = kRegisterFileName);

// Shown before the import's file dialog.
inline constexpr const char* kImportRegisterIntro = "Du vill importera ett nytt medlemsregister.";

}  // namespace vindelkast
