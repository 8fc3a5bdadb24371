// SPDX-License-Identifier: MIT
#include "tests/e2e/support/ChildProcess.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <thread>

namespace e2e {
namespace {

// What the child reports through the error pipe when it cannot reach exec.
struct SpawnFailure {
    int step;  // index into kSteps
    int error;
};

const char* const kSteps[] = {"change to the working directory", "open the standard output file",
                              "open the standard error file", "run the program"};

// Only async-signal-safe calls from here on: the child of a fork.
[[noreturn]] void FailInChild(int pipeFd, int step)
{
    const SpawnFailure failure{step, errno};
    [[maybe_unused]] ssize_t written = write(pipeFd, &failure, sizeof failure);
    _exit(127);
}

void RedirectInChild(int pipeFd, int targetFd, const char* path, int step)
{
    const int fd = open(path, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0 || dup2(fd, targetFd) < 0) {
        FailInChild(pipeFd, step);
    }
    close(fd);
}

std::vector<char*> PointersTo(std::vector<std::string>& strings)
{
    std::vector<char*> pointers;
    for (std::string& s : strings) {
        pointers.push_back(s.data());
    }
    pointers.push_back(nullptr);
    return pointers;
}

}  // namespace

ChildProcess::ChildProcess(const SpawnRequest& request)
{
    if (request.command.empty()) {
        throw std::invalid_argument("ChildProcess: no program given");
    }
    // Everything the child needs is built before the fork.
    std::vector<std::string> command = request.command;
    std::vector<std::string> environment = request.environment.Entries();
    std::vector<char*> argv = PointersTo(command);
    std::vector<char*> envp = PointersTo(environment);
    const std::string stdoutPath = request.stdoutPath.empty() ? "/dev/null" : request.stdoutPath;
    const std::string stderrPath = request.stderrPath.empty() ? "/dev/null" : request.stderrPath;
    const char* workingDirectory =
        request.workingDirectory.empty() ? nullptr : request.workingDirectory.c_str();

    int errorPipe[2];
    if (pipe2(errorPipe, O_CLOEXEC) != 0) {
        throw std::runtime_error(std::string("pipe: ") + std::strerror(errno));
    }
    const pid_t parent = getpid();
    m_pid = fork();
    if (m_pid < 0) {
        const int error = errno;
        close(errorPipe[0]);
        close(errorPipe[1]);
        throw std::runtime_error(std::string("fork: ") + std::strerror(error));
    }
    if (m_pid == 0) {
        close(errorPipe[0]);
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (getppid() != parent) {
            _exit(127);  // the test process died before the line above took effect
        }
        if (workingDirectory != nullptr && chdir(workingDirectory) != 0) {
            FailInChild(errorPipe[1], 0);
        }
        const int nullInput = open("/dev/null", O_RDONLY);
        if (nullInput >= 0) {
            dup2(nullInput, STDIN_FILENO);
            close(nullInput);
        }
        RedirectInChild(errorPipe[1], STDOUT_FILENO, stdoutPath.c_str(), 1);
        RedirectInChild(errorPipe[1], STDERR_FILENO, stderrPath.c_str(), 2);
        if (request.inheritedFd >= 0) {
            const int flags = fcntl(request.inheritedFd, F_GETFD);
            fcntl(request.inheritedFd, F_SETFD, flags & ~FD_CLOEXEC);
        }
        execvpe(argv[0], argv.data(), envp.data());
        FailInChild(errorPipe[1], 3);
    }

    close(errorPipe[1]);
    SpawnFailure failure{};
    ssize_t got;
    do {
        got = read(errorPipe[0], &failure, sizeof failure);
    } while (got < 0 && errno == EINTR);
    close(errorPipe[0]);
    if (got == static_cast<ssize_t>(sizeof failure)) {
        int status = 0;
        waitpid(m_pid, &status, 0);
        m_pid = -1;
        throw std::runtime_error("cannot start \"" + request.command[0] + "\": could not " +
                                 kSteps[failure.step] + ": " + std::strerror(failure.error));
    }
}

ChildProcess::~ChildProcess()
{
    if (m_pid > 0 && !m_exit) {
        kill(m_pid, SIGKILL);
        int status = 0;
        waitpid(m_pid, &status, 0);
    }
}

std::optional<ExitStatus> ChildProcess::WaitForExit(std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!m_exit) {
        int status = 0;
        const pid_t result = waitpid(m_pid, &status, WNOHANG);
        if (result == m_pid) {
            m_exit = ExitStatus::FromWaitStatus(status);
            break;
        }
        if (result < 0 && errno != EINTR) {
            throw std::runtime_error(std::string("waitpid: ") + std::strerror(errno));
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return m_exit;
}

void ChildProcess::Signal(int signal)
{
    if (m_pid > 0 && !m_exit) {
        kill(m_pid, signal);
    }
}

}  // namespace e2e
