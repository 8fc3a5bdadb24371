// SPDX-License-Identifier: MIT
#pragma once

#include "tests/e2e/support/Environment.h"
#include "tests/e2e/support/ExitStatus.h"

#include <sys/types.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

// One child process started with fork and exec. The object owns the child: it is
// killed (SIGKILL) and reaped when the object goes, and the kernel kills it too if
// the test process dies first, so no test leaves servers or games behind.
namespace e2e {

struct SpawnRequest {
    // command[0] is the program; without a slash it is looked up on the child's PATH.
    std::vector<std::string> command;
    // Empty: the test process's own working directory.
    std::string workingDirectory;
    // The whole environment of the child.
    Environment environment;
    // Files that receive the child's standard output and error; empty: /dev/null.
    std::string stdoutPath;
    std::string stderrPath;
    // A descriptor of the test process that the child keeps open under the same number
    // (Xvfb's -displayfd); -1 for none.
    int inheritedFd = -1;
};

class ChildProcess {
public:
    // Throws std::runtime_error naming the program and the reason when the working
    // directory, the output files or the exec fail.
    explicit ChildProcess(const SpawnRequest& request);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    pid_t Pid() const { return m_pid; }

    // The exit status once the child has ended, or nothing if it still runs at the end
    // of the timeout. Polls, so it returns soon after the child ends.
    std::optional<ExitStatus> WaitForExit(std::chrono::milliseconds timeout);
    bool Running() { return !WaitForExit(std::chrono::milliseconds(0)).has_value(); }

    // Sends a signal if the child still runs.
    void Signal(int signal);

private:
    pid_t m_pid = -1;
    std::optional<ExitStatus> m_exit;
};

}  // namespace e2e
