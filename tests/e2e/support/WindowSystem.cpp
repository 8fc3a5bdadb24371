// SPDX-License-Identifier: MIT
#include "tests/e2e/support/WindowSystem.h"

#include "tests/e2e/support/BuildPaths.h"
#include "tests/e2e/support/XGameWindow.h"
#include "tests/e2e/support/XServer.h"
#include "tests/e2e/web/WebBrowser.h"
#ifdef NOUGHTS_E2E_WAYLAND
#include "tests/e2e/wayland/SwaySession.h"
#endif

#include <stdexcept>

namespace e2e {

std::unique_ptr<GameWindow> XServer::AwaitWindow(pid_t pid, std::chrono::milliseconds timeout)
{
    return XGameWindow::Await(m_connection, pid, timeout);
}

std::unique_ptr<WindowSystem> ChosenWindowSystem()
{
    const std::string chosen = EnvironmentOr("NOUGHTS_E2E_WINDOW_SYSTEM", "x11");
    if (chosen == "x11") {
        return std::make_unique<XServer>();
    }
    if (chosen == "web") {
        return std::make_unique<WebBrowser>();
    }
#ifdef NOUGHTS_E2E_WAYLAND
    if (chosen == "wayland") {
        return std::make_unique<SwaySession>();
    }
#endif
    throw std::runtime_error("NOUGHTS_E2E_WINDOW_SYSTEM is \"" + chosen +
                             "\"; this build drives \"x11\", \"web\"" +
#ifdef NOUGHTS_E2E_WAYLAND
                             " and \"wayland\""
#else
                             " only (configured without the Wayland driver's packages)"
#endif
    );
}

}  // namespace e2e
