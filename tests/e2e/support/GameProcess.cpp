// SPDX-License-Identifier: MIT
#include "tests/e2e/support/GameProcess.h"

#include "tests/e2e/support/BuildPaths.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <regex>
#include <stdexcept>
#include <thread>

namespace e2e {
namespace {

// What the child reports through the error pipe when it cannot reach exec.
struct SpawnFailure {
    const char* step;
    int error;
};

// Only async-signal-safe calls from here on: the child of a fork.
[[noreturn]] void FailInChild(int pipeFd, const char* step)
{
    const SpawnFailure failure{step, errno};
    [[maybe_unused]] ssize_t written = write(pipeFd, &failure, sizeof failure);
    _exit(127);
}

void RedirectInChild(int pipeFd, int targetFd, const char* path, int flags)
{
    const int fd = open(path, flags | O_CLOEXEC, 0644);
    if (fd < 0 || dup2(fd, targetFd) < 0) {
        FailInChild(pipeFd, "open the file for a standard stream");
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

std::ostream& operator<<(std::ostream& out, const ExitStatus& status)
{
    if (!status.bySignal) {
        return out << "exit status " << status.value;
    }
    return out << "killed by signal " << status.value << " (" << strsignal(status.value) << ")";
}

GameLaunch GameLaunch::BuiltGame()
{
    GameLaunch launch;
    launch.launcher = BuiltGameLauncher();
    launch.program = BuiltGamePath();
    launch.workingDirectory = PicturesDir();
    launch.environment = Environment::OfThisProcess();
    launch.environment.Set("SDL_AUDIODRIVER", "dummy").Unset("SDL_VIDEODRIVER");
    // A sanitized game would end with status 1 over Xlib's own leaks; the game's leaks
    // are still reported. Other programs ignore the variable.
    launch.environment.Append(
        "LSAN_OPTIONS", "suppressions=" NOUGHTS_E2E_LEAK_SUPPRESSIONS ":print_suppressions=0");
    return launch;
}

bool GameLaunch::IsWindowsProgram() const
{
    return std::filesystem::path(program).extension() == ".exe";
}

bool GameLaunch::IsWebPage() const
{
    return std::filesystem::path(program).extension() == ".html";
}

std::string GameLaunch::ArgumentZero() const
{
    if (IsWebPage()) {
        return "noughts";
    }
    if (!IsWindowsProgram()) {
        return program;
    }
    std::string path = "Z:" + program;
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

GameProcess::GameProcess(const GameLaunch& launch) : m_crlfLines(launch.IsWindowsProgram())
{
    // Everything the child needs is built before the fork.
    std::vector<std::string> command;
    if (!launch.launcher.empty()) {
        command.push_back(launch.launcher);
    }
    command.push_back(launch.program);
    command.insert(command.end(), launch.arguments.begin(), launch.arguments.end());
    std::vector<std::string> environment = launch.environment.Entries();
    std::vector<char*> argv = PointersTo(command);
    std::vector<char*> envp = PointersTo(environment);
    const std::string stdoutPath = m_outputDir.PathOf("stdout");
    const std::string stderrPath = m_outputDir.PathOf("stderr");
    int errorPipe[2];
    if (pipe2(errorPipe, O_CLOEXEC) != 0) {
        throw std::runtime_error(std::string("pipe: ") + std::strerror(errno));
    }
    const pid_t parent = getpid();
    m_pid = fork();
    if (m_pid == 0) {
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (getppid() != parent) {
            _exit(127);  // the test process died before the line above took effect
        }
        RedirectInChild(errorPipe[1], STDIN_FILENO, "/dev/null", O_RDONLY);
        RedirectInChild(errorPipe[1], STDOUT_FILENO, stdoutPath.c_str(), O_WRONLY | O_CREAT);
        RedirectInChild(errorPipe[1], STDERR_FILENO, stderrPath.c_str(), O_WRONLY | O_CREAT);
        if (!launch.workingDirectory.empty() && chdir(launch.workingDirectory.c_str()) != 0) {
            FailInChild(errorPipe[1], "change to the working directory");
        }
        execvpe(argv[0], argv.data(), envp.data());
        FailInChild(errorPipe[1], "run the program");
    }
    const int forkError = errno;
    close(errorPipe[1]);
    if (m_pid < 0) {
        close(errorPipe[0]);
        throw std::runtime_error(std::string("fork: ") + std::strerror(forkError));
    }
    // The pipe closes on exec: nothing to read means the program runs.
    SpawnFailure failure{};
    ssize_t got;
    do {
        got = read(errorPipe[0], &failure, sizeof failure);
    } while (got < 0 && errno == EINTR);
    close(errorPipe[0]);
    if (got == static_cast<ssize_t>(sizeof failure)) {
        waitpid(m_pid, nullptr, 0);
        m_pid = -1;
        throw std::runtime_error("cannot start \"" + command[0] + "\": could not " + failure.step +
                                 ": " + std::strerror(failure.error));
    }
}

GameProcess::~GameProcess()
{
    if (m_pid > 0 && !m_exit) {
        kill(m_pid, SIGKILL);
        waitpid(m_pid, nullptr, 0);
    }
}

std::optional<ExitStatus> GameProcess::WaitForExit(std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!m_exit) {
        int status = 0;
        const pid_t result = waitpid(m_pid, &status, WNOHANG);
        if (result == m_pid) {
            m_exit = WIFSIGNALED(status) ? ExitStatus{true, WTERMSIG(status)}
                                         : ExitStatus::Exited(WEXITSTATUS(status));
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

void GameProcess::Signal(int signal)
{
    if (m_pid > 0 && !m_exit) {
        kill(m_pid, signal);
    }
}

std::string GameProcess::TextOf(const std::string& outputName) const
{
    const std::string text = ReadWholeFile(m_outputDir.PathOf(outputName));
    return m_crlfLines ? std::regex_replace(text, std::regex("\r\n"), "\n") : text;
}

}  // namespace e2e
