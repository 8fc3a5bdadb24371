// SPDX-License-Identifier: MIT
#pragma once

#include "tests/e2e/support/Environment.h"
#include "tests/e2e/support/TemporaryDirectory.h"

#include <sys/types.h>

#include <chrono>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

// One run of a program started with fork and exec: the game, anything that starts it (an
// installed launcher, a shell, valgrind), or the X server it shows on. Its standard output
// and error go to files that the test reads back. The object owns the process: it is
// killed (SIGKILL) and reaped when the object goes, and the kernel kills it too if the test
// process dies first, so no test leaves servers or games behind.
namespace e2e {

// How a process ended: a normal exit with its status code, or a signal. gtest prints it.
struct ExitStatus {
    bool bySignal = false;
    int value = 0;  // the exit code, or the signal number

    static ExitStatus Exited(int code) { return {false, code}; }
    bool operator==(const ExitStatus& other) const
    {
        return bySignal == other.bySignal && value == other.value;
    }
};

std::ostream& operator<<(std::ostream& out, const ExitStatus& status);

// Everything about how a program is started; each part may be changed by the test.
struct GameLaunch {
    std::string launcher;                // what starts the program (wine64); empty: itself
    std::string program;                 // without a slash, looked up on the child's PATH
    std::vector<std::string> arguments;  // argv[1] onwards
    std::string workingDirectory;        // where the game looks for its pictures; empty: ours
    Environment environment;             // the child's whole environment

    // The built game in the build folder beside its pictures, without sound and without a
    // chosen SDL video driver (a WindowSystem then points it at its display), with Xlib's
    // own leaks excused under LeakSanitizer. Whatever else the test process's environment
    // holds is passed on.
    static GameLaunch BuiltGame();

    // A Windows program: its lines end in CRLF, and a test may skip what Wine cannot do.
    bool IsWindowsProgram() const;
    // The web game's page, which its launcher serves to a browser (tests/e2e/web): a test
    // may skip what a page cannot do.
    bool IsWebPage() const;
    // What the program receives as argv[0]: its path, under Wine the same file on the
    // drive Z: that maps the Linux root, and on the web the page's fixed "noughts".
    std::string ArgumentZero() const;
};

class GameProcess {
public:
    // Throws std::runtime_error naming the program and the reason when the working
    // directory, the output files or the exec fail.
    explicit GameProcess(const GameLaunch& launch);
    ~GameProcess();
    GameProcess(const GameProcess&) = delete;
    GameProcess& operator=(const GameProcess&) = delete;

    pid_t Pid() const { return m_pid; }

    // The exit status once the process has ended, or nothing if it still runs at the end
    // of the timeout. Polls, so it returns soon after the process ends.
    std::optional<ExitStatus> WaitForExit(std::chrono::milliseconds timeout);
    // Sends a signal if the process still runs.
    void Signal(int signal);

    // What the process has written so far: all of it once it has ended, before that
    // whatever it has flushed. Lines end in "\n" whatever the platform's line end.
    std::string Stdout() const { return TextOf("stdout"); }
    std::string Stderr() const { return TextOf("stderr"); }

private:
    std::string TextOf(const std::string& outputName) const;

    bool m_crlfLines;
    TemporaryDirectory m_outputDir;
    pid_t m_pid = -1;
    std::optional<ExitStatus> m_exit;
};

}  // namespace e2e
