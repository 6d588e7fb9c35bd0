#include <gtest/gtest.h>

#include <string>

#include "analysis/solver_library.h"

namespace vindelkast {
namespace {

// The installed solver loads and gives every function the analysis calls; loading it again
// hands back the same one.
TEST(SolverLibrary, TheInstalledSolverLoadsOnce) {
    const LoadedSolver first = installedSolver();
    ASSERT_NE(first.solver, nullptr) << first.message;
    EXPECT_EQ(first.message, "");
    EXPECT_TRUE(first.solver->setMaxThreads && first.solver->calcAllTablesPbn && first.solver->dealerParBin &&
                first.solver->errorMessage);
    EXPECT_EQ(installedSolver().solver, first.solver);
    char text[80] = {};
    first.solver->errorMessage(RETURN_PBN_FAULT, text);
    EXPECT_NE(std::string(text), "");
}

// A machine without the solver, or with a library by that name that is no solver, gets a
// message that names the library and what to install, and the analysis is not tried.
TEST(SolverLibrary, AMissingOrForeignLibraryIsNamedInTheMessage) {
    const LoadedSolver missing = loadSolverLibrary("libvindelkast-ingen-losare.so.0");
    EXPECT_EQ(missing.solver, nullptr);
    EXPECT_EQ(missing.message.rfind(
                  "Analysen kan inte g\xf6ras: dubbeldummyl\xf6saren libvindelkast-ingen-losare.so.0 "
                  "kunde inte l\xe4sas in (",
                  0),
              0u)
        << missing.message;
    EXPECT_NE(missing.message.find("Installera Debianpaketet libdds0."), std::string::npos);

    const LoadedSolver foreign = loadSolverLibrary("libm.so.6");
    EXPECT_EQ(foreign.solver, nullptr);
    EXPECT_NE(foreign.message.find("(funktionen SetMaxThreads saknas)"), std::string::npos)
        << foreign.message;
}

}  // namespace
}  // namespace vindelkast
