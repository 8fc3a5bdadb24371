// SPDX-License-Identifier: MIT
#include "tests/e2e/web/WebBrowser.h"

#include "tests/e2e/support/BuildPaths.h"
#include "tests/e2e/web/WebWindow.h"

#include <cstdio>
#include <memory>
#include <stdexcept>

namespace e2e {

void WebBrowser::Admit(GameLaunch& launch) const
{
    launch.environment.Set("NOUGHTS_E2E_WEB_RUN_DIR", m_runDir.Path());
}

std::unique_ptr<GameWindow> WebBrowser::AwaitWindow(pid_t /*pid*/,
                                                    std::chrono::milliseconds timeout)
{
    return WebWindow::Await(m_runDir.PathOf("control"), timeout + StartAllowance());
}

std::chrono::milliseconds WebBrowser::StartAllowance() const
{
    // The page's canvas comes after a whole browser has started, not one program: on a
    // loaded machine that alone can take most of a game's wait, and twice that in
    // Firefox, which answers only once its own start's idle tasks have run.
    return std::chrono::seconds(20);
}

std::optional<std::string> WebBrowser::WhyUnsupported() const
{
    // The launcher reads the run's case from the environment this process passes on.
    const std::string command = "'" + BuiltGameLauncher() + "' --unsupported";
    const std::unique_ptr<FILE, int (*)(FILE*)> answer(popen(command.c_str(), "r"), pclose);
    if (!answer) {
        throw std::runtime_error("cannot run " + command);
    }
    std::string reason;
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, answer.get()) != nullptr) {
        reason += buffer;
    }
    while (!reason.empty() && reason.back() == '\n') {
        reason.pop_back();
    }
    return reason.empty() ? std::nullopt : std::optional<std::string>(reason);
}

}  // namespace e2e
