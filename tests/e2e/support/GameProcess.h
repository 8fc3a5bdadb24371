// SPDX-License-Identifier: MIT
#pragma once

#include "tests/e2e/support/ChildProcess.h"
#include "tests/e2e/support/Environment.h"
#include "tests/e2e/support/TemporaryDirectory.h"

#include <chrono>
#include <optional>
#include <string>
#include <vector>

// One run of the game (or of anything that starts it, such as an installed launcher),
// with its standard output and error captured to files that the test reads back.
// The process is killed when the object goes.
namespace e2e {

// Everything about how the game is started; each part may be changed by the test.
struct GameLaunch {
    std::string launcher;                // what starts the program (wine64); empty: itself
    std::string program;                 // absolute path of the program
    std::vector<std::string> arguments;  // argv[1] onwards
    std::string workingDirectory;        // where it looks for its pictures
    Environment environment;

    // The built game in the build folder beside its pictures, on the given X display,
    // without sound and without a chosen SDL video driver (so SDL takes X11), with Xlib's
    // own leaks excused under LeakSanitizer. Whatever else the test process's environment
    // holds is passed on.
    static GameLaunch BuiltGameOn(const std::string& displayName);

    // A Windows program: its lines end in CRLF, and a test may skip what Wine cannot do.
    bool IsWindowsProgram() const;
    // What the program receives as argv[0]: its path, or under Wine the same file on the
    // drive Z: that maps the Linux root.
    std::string ArgumentZero() const;
};

class GameProcess {
public:
    // Throws std::runtime_error when the program cannot be started.
    explicit GameProcess(const GameLaunch& launch);
    GameProcess(const GameProcess&) = delete;
    GameProcess& operator=(const GameProcess&) = delete;

    pid_t Pid() const { return m_child.Pid(); }
    const GameLaunch& Launch() const { return m_launch; }

    // The exit status, or nothing if the game still runs at the end of the timeout.
    std::optional<ExitStatus> WaitForExit(std::chrono::milliseconds timeout)
    {
        return m_child.WaitForExit(timeout);
    }
    bool Running() { return m_child.Running(); }

    // What the game has written so far: all of it once the game has ended, before that
    // whatever it has flushed. Lines end in "\n" whatever the platform's line end.
    std::string Stdout() const { return TextOf("stdout"); }
    std::string Stderr() const { return TextOf("stderr"); }

private:
    std::string TextOf(const std::string& outputName) const;
    static SpawnRequest RequestFor(const GameLaunch& launch, const TemporaryDirectory& outputDir);

    GameLaunch m_launch;
    TemporaryDirectory m_outputDir;  // declared before m_child: it must outlive the process
    ChildProcess m_child;
};

}  // namespace e2e
