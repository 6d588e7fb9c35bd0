#include "model/shared_library.h"

#include <gtest/gtest.h>

#include <string>

namespace vindelkast {
namespace {

// The C library's mathematics stand in for a library loaded when used: lgamma leaves the sign
// of the gamma function in the variable signgam, the way libxml2 keeps its deallocator in one.
struct Mathematics {
    double (*lgamma)(double) = nullptr;
    int* signgam = nullptr;
};

void resolveMathematics(LibrarySymbols& symbols, Mathematics& m) {
    symbols.function("lgamma", m.lgamma);
    symbols.variable("signgam", m.signgam);
}

const SharedLibrary kMathematics{"libm.so.6", "libc6",
                                 "R\xe4kningen kan inte g\xf6ras: matematikbiblioteket"};

TEST(SharedLibrary, FunctionsAndVariablesComeFromTheLoadedLibraryOnce) {
    const auto first = loadSharedLibrary<Mathematics>(kMathematics, resolveMathematics);
    ASSERT_NE(first.table, nullptr) << first.message;
    EXPECT_EQ(first.message, "");
    first.table->lgamma(-0.5);  // gamma(-1/2) = -2 sqrt(pi)
    EXPECT_EQ(*first.table->signgam, -1);
    first.table->lgamma(0.5);
    EXPECT_EQ(*first.table->signgam, 1) << "the variable is read where the library keeps it";
    EXPECT_EQ(loadSharedLibrary<Mathematics>(kMathematics, resolveMathematics).table, first.table);
}

// A machine without the library, or with one by that name that lacks a function or a variable,
// gets a message that names the library and the package to install, and no table.
TEST(SharedLibrary, AMissingLibraryOrNameIsToldWithThePackage) {
    const SharedLibrary absent{"libvindelkast-finns-inte.so.0", "vindelkast-test",
                               "R\xe4kningen kan inte g\xf6ras: matematikbiblioteket"};
    const auto missing = loadSharedLibrary<Mathematics>(absent, resolveMathematics);
    EXPECT_EQ(missing.table, nullptr);
    EXPECT_EQ(missing.message.rfind("R\xe4kningen kan inte g\xf6ras: matematikbiblioteket "
                                    "libvindelkast-finns-inte.so.0 kunde inte l\xe4sas in (",
                                    0),
              0u)
        << missing.message;
    EXPECT_TRUE(missing.message.ends_with("). Installera Debianpaketet vindelkast-test.")) << missing.message;

    const auto noFunction = loadSharedLibrary<Mathematics>(
        {"libc.so.6", "libc6", "R\xe4kningen kan inte g\xf6ras: C-biblioteket"},
        [](LibrarySymbols& symbols, Mathematics& m) { symbols.function("vindelkast_lgamma", m.lgamma); });
    EXPECT_EQ(noFunction.table, nullptr);
    EXPECT_EQ(noFunction.message,
              "R\xe4kningen kan inte g\xf6ras: C-biblioteket libc.so.6 kunde inte l\xe4sas in "
              "(funktionen vindelkast_lgamma saknas). Installera Debianpaketet libc6.");

    const auto noVariable = loadSharedLibrary<Mathematics>(
        {"libc.so.6", "libc6", "Ber\xe4kningen"}, [](LibrarySymbols& symbols, Mathematics& m) {
            symbols.variable("vindelkast_signgam", m.signgam);
            symbols.function("vindelkast_lgamma", m.lgamma);
        });
    EXPECT_EQ(noVariable.table, nullptr);
    EXPECT_NE(noVariable.message.find("(variabeln vindelkast_signgam saknas)"), std::string::npos)
        << "the first name missing is told" << noVariable.message;
}

}  // namespace
}  // namespace vindelkast
