// SPDX-License-Identifier: MIT
#pragma once

#include "tests/e2e/support/GameWindow.h"

#include <sys/types.h>

#include <chrono>
#include <memory>
#include <optional>
#include <string>

// The game's window on a SwaySession: found by the process id sway reports for it, read
// back with grim, driven by the session's virtual keyboard and pointer. Each call asks
// sway afresh where the window is, so a window that sdl12-compat replaces at start is
// followed. Holds the session by reference, which must outlive it.
namespace e2e {

class SwaySession;

class SwayWindow final : public GameWindow {
public:
    // Waits for a visible window of process pid. Throws std::runtime_error, listing the
    // windows there are, if none appears within the timeout.
    static std::unique_ptr<SwayWindow> Await(SwaySession& session, pid_t pid,
                                             std::chrono::milliseconds timeout);

    std::optional<WindowGeometry> Geometry() const override;
    std::optional<RgbImage> Capture() const override;
    std::string DesktopName() const override;
    void MoveTo(int x, int y) override;
    void Click() override;
    void PressKey(KeySym key) override;
    // sway's "kill": the compositor asks the window to close (xdg_toplevel.close).
    void RequestClose() override;

private:
    SwayWindow(SwaySession& session, pid_t pid) : m_session(&session), m_pid(pid) {}

    // What jq's filter gives for the window of the process, on sway's tree of windows now.
    std::string Query(const std::string& filter) const;

    SwaySession* m_session;
    pid_t m_pid;
    std::chrono::steady_clock::time_point m_lastKeyRelease;
};

}  // namespace e2e
