#pragma once

// vindelkast-cli run as a director runs it, in a fresh folder; a test is skipped where the
// program is not built.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "example_contests.h"
#include "temp_folder.h"

namespace vindelkast::test {

// vindelkast-cli is built beside the tests folder of the build.
inline std::string cliPath() {
    const auto self = std::filesystem::read_symlink("/proc/self/exe");
    return (self.parent_path().parent_path() / "vindelkast-cli").string();
}

// One word for the shell, whatever it holds (a quote too).
inline std::string quoted(const std::string& word) {
    std::string text = "'";
    for (char c : word) text += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return text + "'";
}

struct CliRun {
    int exitCode;
    std::string out;
    std::string err;
};

class Cli : public ::testing::Test {
protected:
    void SetUp() override {
        if (!std::filesystem::exists(cliPath())) GTEST_SKIP() << "vindelkast-cli is not built: " << cliPath();
    }
    // Runs the program in the folder; what it writes to stdout and stderr stays in out.txt and err.txt.
    CliRun run(const std::string& arguments) {
        const std::string command = "cd " + quoted(folder.file("")) + " && " + quoted(cliPath()) + " " +
                                    arguments + " >out.txt 2>err.txt";
        const int status = std::system(command.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, folder.read("out.txt"), folder.read("err.txt")};
    }
    std::string example(const std::string& name) { return quoted(examplePath(name)); }
    std::string exampleRegister() { return "--register " + example("medlem.txt"); }

    TempFolder folder;
};

}  // namespace vindelkast::test
