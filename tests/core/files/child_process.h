#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <functional>

namespace vindelkast::test {

// A job run by another process, as a second program in the same folder would run it.
class ChildProcess {
public:
    explicit ChildProcess(const std::function<bool()>& job) : m_pid(::fork()) {
        if (m_pid == 0) ::_exit(job() ? 0 : 1);
    }
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // Waits for the job; true when it ran to the end and said it succeeded.
    bool succeeded() {
        int status = 0;
        return m_pid > 0 && ::waitpid(m_pid, &status, 0) == m_pid && WIFEXITED(status) &&
               WEXITSTATUS(status) == 0;
    }

private:
    pid_t m_pid;
};

}  // namespace vindelkast::test
