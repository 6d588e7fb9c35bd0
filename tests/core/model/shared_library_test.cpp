#include "model/shared_library.h"

#include <gtest/gtest.h>

#include <string>

namespace vindelkast {
namespace {

// A library every machine has stands in for one loaded when used, with a function whose
// answer proves it is the library's own; another it has not loaded yet lacks the names asked
// for (a library once loaded is not looked at again).
#ifdef _WIN32
// Windows' own kernel: GetCurrentProcessId is a function every Windows has.
struct Present {
    unsigned long (*processId)() = nullptr;
};
void resolvePresent(LibrarySymbols& symbols, Present& kernel) {
    symbols.function("GetCurrentProcessId", kernel.processId);
}
void expectTheLibrarysOwn(const Present& kernel) { EXPECT_GT(kernel.processId(), 0u); }
const SharedLibrary kPresent{"kernel32.dll", "", "R\xe4kningen kan inte g\xf6ras: k\xe4rnan"};
const SharedLibrary kOther{"advapi32.dll", "", "Ber\xe4kningen"};
const char* const kAbsent = "vindelkast-finns-inte.dll";
#else
// The C library's mathematics: lgamma leaves the sign of the gamma function in the variable
// signgam, the way libxml2 keeps its deallocator in one.
struct Present {
    double (*lgamma)(double) = nullptr;
    int* signgam = nullptr;
};
void resolvePresent(LibrarySymbols& symbols, Present& m) {
    symbols.function("lgamma", m.lgamma);
    symbols.variable("signgam", m.signgam);
}
void expectTheLibrarysOwn(const Present& m) {
    m.lgamma(-0.5);  // gamma(-1/2) = -2 sqrt(pi)
    EXPECT_EQ(*m.signgam, -1);
    m.lgamma(0.5);
    EXPECT_EQ(*m.signgam, 1) << "the variable is read where the library keeps it";
}
const SharedLibrary kPresent{"libm.so.6", "libc6", "R\xe4kningen kan inte g\xf6ras: matematikbiblioteket"};
const SharedLibrary kOther{"libc.so.6", "libc6", "Ber\xe4kningen"};
const char* const kAbsent = "libvindelkast-finns-inte.so.0";
#endif

struct Lacking {
    void (*function)() = nullptr;
    int* variable = nullptr;
};

TEST(SharedLibrary, FunctionsAndVariablesComeFromTheLoadedLibraryOnce) {
    const auto first = loadSharedLibrary<Present>(kPresent, resolvePresent);
    ASSERT_NE(first.table, nullptr) << first.message;
    EXPECT_EQ(first.message, "");
    expectTheLibrarysOwn(*first.table);
    EXPECT_EQ(loadSharedLibrary<Present>(kPresent, resolvePresent).table, first.table);
}

// A machine without the library, or with one by that name that lacks a function or a variable,
// gets a message that names the library and what to install (a Debian package, or on Windows the
// program itself, whose DLLs no package brings), and no table.
TEST(SharedLibrary, AMissingLibraryOrNameIsToldWithWhatToInstall) {
    const auto resolveFunction = [](LibrarySymbols& symbols, Lacking& l) {
        symbols.function("vindelkast_lgamma", l.function);
    };
    for (const std::string package : {"vindelkast-test", ""}) {
        const auto missing = loadSharedLibrary<Lacking>({kAbsent, package, "R\xe4kningen"}, resolveFunction);
        EXPECT_EQ(missing.table, nullptr);
        EXPECT_TRUE(
            missing.message.starts_with("R\xe4kningen " + std::string(kAbsent) + " kunde inte l\xe4sas in ("))
            << missing.message;
        EXPECT_TRUE(missing.message.ends_with(package.empty()
                                                  ? "). Installera om Vindelkast."
                                                  : "). Installera Debianpaketet vindelkast-test."))
            << missing.message;
    }

    const auto noFunction = loadSharedLibrary<Lacking>(kOther, resolveFunction);
    EXPECT_EQ(noFunction.table, nullptr);
    EXPECT_TRUE(noFunction.message.starts_with(
        "Ber\xe4kningen " + kOther.file + " kunde inte l\xe4sas in (funktionen vindelkast_lgamma saknas). "))
        << noFunction.message;

    const auto noVariable = loadSharedLibrary<Lacking>(kOther, [](LibrarySymbols& symbols, Lacking& l) {
        symbols.variable("vindelkast_signgam", l.variable);
        symbols.function("vindelkast_lgamma", l.function);
    });
    EXPECT_EQ(noVariable.table, nullptr);
    EXPECT_NE(noVariable.message.find("(variabeln vindelkast_signgam saknas)"), std::string::npos)
        << "the first name missing is told" << noVariable.message;
}

}  // namespace
}  // namespace vindelkast
