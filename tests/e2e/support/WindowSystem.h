// SPDX-License-Identifier: MIT
#pragma once

#include "tests/e2e/support/GameProcess.h"
#include "tests/e2e/support/GameWindow.h"

#include <sys/types.h>

#include <chrono>
#include <memory>
#include <optional>
#include <string>

// The private display server one test's game shows on, started for the test and stopped
// when the object goes: an X server (XServer) by default, or a headless Wayland
// compositor (SwaySession) when NOUGHTS_E2E_WINDOW_SYSTEM is "wayland", or a headless
// browser showing the web game's page (WebBrowser) when it is "web". The same tests run
// on each.
namespace e2e {

class WindowSystem {
public:
    virtual ~WindowSystem() = default;

    // Points the game's environment at this server.
    virtual void Admit(GameLaunch& launch) const = 0;
    // Waits for the window of process pid. Throws std::runtime_error, saying what windows
    // there are, if none appears within the timeout.
    virtual std::unique_ptr<GameWindow> AwaitWindow(pid_t pid,
                                                    std::chrono::milliseconds timeout) = 0;
    // How much longer than a native program the game takes to start on this server (a
    // browser's start); a wait for the game's end before its window showed gets it too.
    virtual std::chrono::milliseconds StartAllowance() const
    {
        return std::chrono::milliseconds(0);
    }
    // Why this server cannot give the case the test run asks for (taps in a browser
    // without touch), for the test's skip; nothing when it can.
    virtual std::optional<std::string> WhyUnsupported() const { return std::nullopt; }
};

// The server that NOUGHTS_E2E_WINDOW_SYSTEM names; throws std::runtime_error for a name
// this build has no driver for.
std::unique_ptr<WindowSystem> ChosenWindowSystem();

}  // namespace e2e
