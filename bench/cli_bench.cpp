// vindelkast-cli as the director's scripts run it: a fresh process per verb, so what each
// process costs before its first line of work (loading libraries and their set-up) counts.
// The time reported is the CPU time of the child processes, from the kernel's accounting.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "files/contest_file.h"
#include "model/version.h"
#include "support/sample_contests.h"

extern char** environ;

namespace vindelkast {
namespace {

namespace fs = std::filesystem;

// VK_CLI names another build of the program, to compare against an earlier one.
std::string cliProgram() {
    const char* other = std::getenv("VK_CLI");
    return other && *other ? other : VK_CLI_PATH;
}

struct ChildCost {
    double cpuSeconds = -1;  // -1 when it failed
    double maxResidentMiB = 0;
};

// Runs the program with its output thrown away: the child's CPU time and peak memory.
ChildCost childCost(const std::vector<std::string>& args) {
    std::vector<char*> argv;
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) return {};
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return {};
    const auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    return {seconds(usage.ru_utime) + seconds(usage.ru_stime), usage.ru_maxrss / 1024.0};
}

double childCpuSeconds(const std::vector<std::string>& args) { return childCost(args).cpuSeconds; }

// A folder holding the largest evening (71 boards, 72 pairs, every pair named) and its register.
struct LargestEvening {
    fs::path dir = fs::temp_directory_path() / ("vindelkast-cli-bench-" + std::to_string(getpid()));
    LargestEvening() {
        fs::create_directories(dir);
        test::ContestFixture f;
        test::fillLargestContest(f.c());
        test::fillRegister(*f.reg, 144);
        test::seatPairs(f.c(), 72);
        std::ofstream reg(dir / "medlem.txt", std::ios::binary);
        for (int i = 1; i <= 144; ++i) reg << "Efternamn" << i << " F\xf6rnamn" << i << " " << i << " 0\r\n";
        std::ofstream contest(dir / "stor.sco", std::ios::binary);
        writeContest(f.c(), contest, kVersionText);
    }
    ~LargestEvening() { fs::remove_all(dir); }
    std::string path(const char* name) const { return (dir / name).string(); }
};

// The two verbs a director runs after the evening: rescore it, then show the standings.
void BM_CliRescoreAndStandingsOnTheLargestEvening(benchmark::State& state) {
    LargestEvening evening;
    const std::string cli = cliProgram();
    const std::string reg = evening.path("medlem.txt");
    for (auto _ : state) {
        const double rescore = childCpuSeconds(
            {cli, "rescore", evening.path("stor.sco"), evening.path("ut.sco"), "--register", reg});
        const double standings =
            childCpuSeconds({cli, "standings", evening.path("ut.sco"), "--register", reg});
        if (rescore < 0 || standings < 0) {
            state.SkipWithError(("vindelkast-cli failed: " + cli).c_str());
            return;
        }
        state.SetIterationTime(rescore + standings);
    }
}
BENCHMARK(BM_CliRescoreAndStandingsOnTheLargestEvening)->UseManualTime()->Unit(benchmark::kMillisecond);

// One `standings` process on the largest example against a process that does nothing
// (/bin/true): what the program itself adds in CPU time (the reported time) and in peak
// memory (the counter), the floor of starting a process taken away.
void BM_CliStandingsOverATrivialProcess(benchmark::State& state) {
    const std::string examples = std::string(VK_SOURCE_DIR) + "/examples";
    const std::string cli = cliProgram();
    double extraMiB = 0;
    for (auto _ : state) {
        const ChildCost floor = childCost({"/bin/true"});
        const ChildCost standings = childCost({cli, "standings", examples + "/kv\xc3\xa4ll16.sco"});
        if (floor.cpuSeconds < 0 || standings.cpuSeconds < 0) {
            state.SkipWithError(("vindelkast-cli failed: " + cli).c_str());
            return;
        }
        state.SetIterationTime(std::max(0.0, standings.cpuSeconds - floor.cpuSeconds));
        extraMiB = std::max(extraMiB, standings.maxResidentMiB - floor.maxResidentMiB);
    }
    state.counters["extra_MiB"] = extraMiB;
}
BENCHMARK(BM_CliStandingsOverATrivialProcess)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(200);

}  // namespace
}  // namespace vindelkast
