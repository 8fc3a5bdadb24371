// SPDX-License-Identifier: MIT
#pragma once

#include "tests/e2e/support/TemporaryDirectory.h"
#include "tests/e2e/support/WindowSystem.h"
#include "tests/e2e/support/XConnection.h"
#include "tests/e2e/support/XvfbDisplay.h"

// A private Xvfb server and the test's own connection to it; the game's windows are read
// and driven through that connection (XGameWindow), which lives as long as this object.
namespace e2e {

class XServer final : public WindowSystem {
public:
    XServer() : m_connection(m_display.Name()) {}

    // Also gives the game an empty runtime folder of its own and no Wayland display, as a
    // desktop session without a compositor would: SDL 3 looks for Wayland before X11, on
    // the tester's own desktop too, and libwayland complains on standard error where there
    // is no runtime folder at all.
    void Admit(GameLaunch& launch) const override
    {
        launch.environment.Set("DISPLAY", m_display.Name())
            .Unset("WAYLAND_DISPLAY")
            .Set("XDG_RUNTIME_DIR", m_runtimeDir.Path());
    }
    std::unique_ptr<GameWindow> AwaitWindow(pid_t pid, std::chrono::milliseconds timeout) override;

private:
    XvfbDisplay m_display;
    XConnection m_connection;
    TemporaryDirectory m_runtimeDir;
};

}  // namespace e2e
