#pragma once

#include <functional>

#ifdef _WIN32
#include <thread>
#else
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace vindelkast::test {

// A job run by another process, as a second program in the same folder would run it. Windows
// has no fork: there the job runs on a thread of its own, with files and locks of its own,
// which Windows keeps apart per handle just as it does between programs.
class ChildProcess {
public:
#ifdef _WIN32
    explicit ChildProcess(const std::function<bool()>& job) : m_thread([this, job] { m_ok = job(); }) {}
#else
    explicit ChildProcess(const std::function<bool()>& job) : m_pid(::fork()) {
        if (m_pid == 0) ::_exit(job() ? 0 : 1);
    }
#endif
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // Waits for the job; true when it ran to the end and said it succeeded.
    bool succeeded() {
#ifdef _WIN32
        if (m_thread.joinable()) m_thread.join();
        return m_ok;
#else
        int status = 0;
        return m_pid > 0 && ::waitpid(m_pid, &status, 0) == m_pid && WIFEXITED(status) &&
               WEXITSTATUS(status) == 0;
#endif
    }

private:
#ifdef _WIN32
    bool m_ok = false;
    std::thread m_thread;
#else
    pid_t m_pid;
#endif
};

}  // namespace vindelkast::test
