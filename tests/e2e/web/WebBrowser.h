// SPDX-License-Identifier: MIT
#pragma once

#include "tests/e2e/support/TemporaryDirectory.h"
#include "tests/e2e/support/WindowSystem.h"

// The web game's "display server" for one test: a folder of the test's where the game's
// launcher (tests/e2e/web/browser-launcher.js, which serves the page and runs a headless
// browser) puts its control socket and the browser's profile. The launcher is the game's
// process; its window is the page's canvas (WebWindow), reached through that socket. Owns
// the folder, which goes when the object goes, after the game.
namespace e2e {

class WebBrowser final : public WindowSystem {
public:
    // Tells the launcher where its run folder is.
    void Admit(GameLaunch& launch) const override;
    // Waits until the launcher answers on its socket and the page has its canvas.
    std::unique_ptr<GameWindow> AwaitWindow(pid_t pid, std::chrono::milliseconds timeout) override;
    // A whole browser's start.
    std::chrono::milliseconds StartAllowance() const override;
    // The launcher's word on whether its browser can give the run's case (taps).
    std::optional<std::string> WhyUnsupported() const override;

private:
    TemporaryDirectory m_runDir;
};

}  // namespace e2e
