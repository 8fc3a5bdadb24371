// SPDX-License-Identifier: MIT
#include "tests/e2e/web/WebBrowser.h"

#include "tests/e2e/web/WebWindow.h"

namespace e2e {

void WebBrowser::Admit(GameLaunch& launch) const
{
    launch.environment.Set("NOUGHTS_E2E_WEB_RUN_DIR", m_runDir.Path());
}

std::unique_ptr<GameWindow> WebBrowser::AwaitWindow(pid_t /*pid*/,
                                                    std::chrono::milliseconds timeout)
{
    // The page's canvas comes after a whole browser has started, not one program: on a
    // loaded machine that alone can take most of a game's wait.
    constexpr int kBrowserStartFactor = 3;
    return WebWindow::Await(m_runDir.PathOf("control"), timeout * kBrowserStartFactor);
}

}  // namespace e2e
