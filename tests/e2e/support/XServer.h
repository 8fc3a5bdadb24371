// SPDX-License-Identifier: MIT
#pragma once

#include "tests/e2e/support/WindowSystem.h"
#include "tests/e2e/support/XConnection.h"
#include "tests/e2e/support/XvfbDisplay.h"

// A private Xvfb server and the test's own connection to it; the game's windows are read
// and driven through that connection (XGameWindow), which lives as long as this object.
namespace e2e {

class XServer final : public WindowSystem {
public:
    XServer() : m_connection(m_display.Name()) {}

    void Admit(GameLaunch& launch) const override
    {
        launch.environment.Set("DISPLAY", m_display.Name());
    }
    std::unique_ptr<GameWindow> AwaitWindow(pid_t pid, std::chrono::milliseconds timeout) override;

private:
    XvfbDisplay m_display;
    XConnection m_connection;
};

}  // namespace e2e
