#include <gtest/gtest.h>

#include <string>

#include "model/shared_library.h"

namespace vindelkast {
namespace {

// Windows' own kernel stands in for a DLL loaded when used: GetTickCount64 and the variable-free
// GetCurrentProcessId are functions every Windows has.
struct Kernel {
    unsigned long long (*tickCount)() = nullptr;
    unsigned long (*processId)() = nullptr;
};

void resolveKernel(LibrarySymbols& symbols, Kernel& kernel) {
    symbols.function("GetTickCount64", kernel.tickCount);
    symbols.function("GetCurrentProcessId", kernel.processId);
}

TEST(SharedLibrary, ADllLoadsOnceAndAMissingOneSaysToReinstallTheProgram) {
    const SharedLibrary kernel{"kernel32.dll", "", "R\xe4kningen kan inte g\xf6ras: k\xe4rnan"};
    const auto first = loadSharedLibrary<Kernel>(kernel, resolveKernel);
    ASSERT_NE(first.table, nullptr) << first.message;
    EXPECT_GT(first.table->processId(), 0u);
    EXPECT_EQ(loadSharedLibrary<Kernel>(kernel, resolveKernel).table, first.table);

    // A DLL the program should have beside it: no Debian package to name, the program to install again.
    const auto missing = loadSharedLibrary<Kernel>(
        {"vindelkast-finns-inte.dll", "", "R\xe4kningen kan inte g\xf6ras: biblioteket"}, resolveKernel);
    EXPECT_EQ(missing.table, nullptr);
    EXPECT_EQ(missing.message.rfind("R\xe4kningen kan inte g\xf6ras: biblioteket vindelkast-finns-inte.dll "
                                    "kunde inte l\xe4sas in (",
                                    0),
              0u)
        << missing.message;
    EXPECT_TRUE(missing.message.ends_with("). Installera om Vindelkast.")) << missing.message;

    // Another DLL than the one loaded above: a library once loaded is not looked at again.
    const auto noFunction = loadSharedLibrary<Kernel>(
        {"advapi32.dll", "", "Ber\xe4kningen"},
        [](LibrarySymbols& symbols, Kernel& k) { symbols.function("vindelkast_tick", k.tickCount); });
    EXPECT_EQ(noFunction.table, nullptr);
    EXPECT_NE(noFunction.message.find("(funktionen vindelkast_tick saknas)"), std::string::npos)
        << noFunction.message;
}

}  // namespace
}  // namespace vindelkast
