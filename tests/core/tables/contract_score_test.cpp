// Contract scores against values worked out by hand from the duplicate scoring table.
// Boards give the vulnerability: 1 none, 2 NS, 3 EW, 4 all.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "model/contract.h"

using namespace vindelkast;

namespace {

struct Case {
    const char* contract;
    const char* declarer;
    const char* result;
    int board;
    int ns;
};

const Case kCases[] = {
    // Part scores and games, every level and strain, not vulnerable.
    {"1C", "N", "=", 1, 70},
    {"1R", "S", "+1", 1, 90},
    {"1H", "N", "=", 1, 80},
    {"1S", "N", "+6", 1, 260},
    {"1NT", "N", "=", 1, 90},
    {"2K", "S", "=", 1, 90},
    {"2N", "N", "+1", 1, 150},
    {"3NT", "N", "=", 1, 400},
    {"3nt", "N", "+1", 1, 430},
    {"4H", "N", "=", 1, 420},
    {"5C", "N", "=", 1, 400},
    {"5D", "N", "+2", 1, 440},
    {"6S", "N", "=", 1, 980},
    {"6NT", "N", "=", 1, 990},
    {"7C", "N", "=", 1, 1440},
    {"7NT", "N", "=", 1, 1520},
    // Vulnerable, and the other side declaring.
    {"4H", "N", "=", 2, 620},
    {"3NT", "S", "=", 4, 600},
    {"2NT", "N", "=", 2, 120},
    {"4S", "E", "=", 3, -620},
    {"3NT", "W", "=", 2, -400},
    {"4S", "\xd6", "+1", 1, -450},
    {"2H", "V", "=", 4, -110},
    // Doubled and redoubled making: the insult bonus, doubled into game, overtricks.
    {"2SX", "N", "=", 1, 470},
    {"1NTX", "N", "=", 1, 180},
    {"1CXX", "N", "=", 1, 230},
    {"1NTXX", "N", "=", 1, 560},
    {"1SXX", "N", "+1", 1, 720},
    {"3NTX", "N", "+1", 1, 650},
    {"5CX", "N", "=", 2, 750},
    {"5CX", "N", "+1", 2, 950},
    {"2HX", "S", "+2", 4, 1070},
    {"4SXX", "N", "=", 4, 1080},
    {"6HXX", "W", "+1", 3, -2470},
    {"7NTXX", "N", "=", 4, 2980},
    // Undertricks 1..13: plain, doubled and redoubled, on both vulnerabilities.
    {"4S", "N", "-1", 1, -50},
    {"7NTX", "N", "-2", 2, -500},
    {"7NTXX", "N", "-3", 1, -1000},
    {"7NTX", "N", "-4", 1, -800},
    {"7NT", "N", "-5", 2, -500},
    {"7NTXX", "S", "-6", 4, -3400},
    {"7NTX", "E", "-7", 2, 1700},
    {"7NTX", "W", "-8", 3, 2300},
    {"7NTXX", "N", "-9", 3, -4600},
    {"7NT", "N", "-10", 1, -500},
    {"7NTX", "N", "-11", 4, -3200},
    {"7NTX", "S", "-12", 1, -3200},
    {"7NTXX", "N", "-13", 2, -7600},
    {"1CX", "N", "-7", 1, -1700},
    // All passed.
    {"pass", "N", "=", 4, 0},
};

TEST(ContractScore, DuplicateTable) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(std::string(c.contract) + " " + c.declarer + " " + c.result + " bricka " +
                     std::to_string(c.board));
        PlayedContract played;
        ASSERT_EQ(parseContract(c.contract, played.contract), "");
        played.declarer = parseDeclarer(c.declarer);
        played.tricks = tricksFromResult(played.contract, c.result);
        ASSERT_GE(played.declarer, 0);
        ASSERT_GE(played.tricks, 0);
        EXPECT_EQ(nsScore(played, c.board), c.ns);
        // The written form reads back as the same contract.
        Contract again;
        ASSERT_EQ(parseContract(contractText(played.contract), again), "");
        EXPECT_EQ(again, played.contract);
    }
}

TEST(ContractScore, RefusesWhatIsNoContractOrResult) {
    Contract c;
    for (const char* bad : {"", "8S", "0S", "4Q", "4SXXX", "4SX X X", "NT", "4 NTT", "S4"})
        EXPECT_NE(parseContract(bad, c), "") << bad;
    ASSERT_EQ(parseContract("7S", c), "");
    for (const char* bad : {"+1", "-14", "+0", "1", "", "++1", "-1a"})
        EXPECT_EQ(tricksFromResult(c, bad), -1) << bad;
    EXPECT_EQ(tricksFromResult(c, "-13"), 0);
    for (const char* bad : {"", "X", "NS", "\xc3\x85"}) EXPECT_EQ(parseDeclarer(bad), -1) << bad;
}

struct CliRun {
    int exitCode = -1;
    std::string out;
};

// vindelkast-cli is built beside the tests folder of the build; stderr goes along on stdout.
std::filesystem::path cliPath() {
    return std::filesystem::read_symlink("/proc/self/exe").parent_path().parent_path() / "vindelkast-cli";
}

CliRun cli(const std::string& arguments) {
    const std::string command = cliPath().string() + " contract " + arguments + " 2>&1";
    CliRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return run;
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe)) run.out += buffer;
    const int status = pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

TEST(ContractScore, CommandLinePrintsTheNsScoreAlone) {
    if (!std::filesystem::exists(cliPath())) GTEST_SKIP() << "vindelkast-cli is not built: " << cliPath();
    const CliRun redoubled = cli("6HXX \xc3\x96 +1 --board 3");
    EXPECT_EQ(redoubled.exitCode, 0);
    EXPECT_EQ(redoubled.out, "-2470\n");
    EXPECT_EQ(cli("--board 2 3NTX S -2").out, "-500\n");
    const CliRun beyond = cli("4S N +7 --board 1");
    EXPECT_EQ(beyond.exitCode, 2);
    EXPECT_NE(beyond.out.find("0-13 stick"), std::string::npos) << beyond.out;
    EXPECT_EQ(cli("4S N =").exitCode, 2);
}

}  // namespace
