#include "model/shared_library.h"

namespace vindelkast {

std::string sharedLibraryMessage(const SharedLibrary& library, std::string why) {
    // The loader's words may come in the system's language and encoding: keep them ASCII.
    for (char& c : why)
        if (static_cast<unsigned char>(c) >= 0x80) c = '?';
    if (why.empty()) why = "ok\xe4nt fel";
    // On Windows the library is one of the program's own DLLs, which no package brings.
    const std::string remedy =
        library.package.empty() ? "Installera om Vindelkast" : "Installera Debianpaketet " + library.package;
    return library.use + " " + library.file + " kunde inte l\xe4sas in (" + why + "). " + remedy + ".";
}

}  // namespace vindelkast
