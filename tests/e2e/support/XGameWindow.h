// SPDX-License-Identifier: MIT
#pragma once

#include "tests/e2e/support/GameWindow.h"
#include "tests/e2e/support/XConnection.h"

#include <X11/X.h>
#include <sys/types.h>

#include <chrono>
#include <memory>
#include <optional>

// The game's top-level window on the test's X server: found, measured, read back and sent
// real input. Pointer and keys go through the XTEST extension, so they reach the game
// exactly as a user's would; the close request is the message a window manager sends.
// Does not own the window (the game does) and holds the connection by reference, which
// must outlive it.
//
// sdl12-compat maps a first window and soon replaces it with another (SDL 2 recreates it
// for its renderer); a read that finds the window gone therefore looks once more for the
// process's mapped window and follows it.
namespace e2e {

class XGameWindow final : public GameWindow {
public:
    // Waits for the mapped top-level window of process pid. SDL 1.2 labels its window
    // with _NET_WM_PID; a mapped window of the game's size (480x272) without that label
    // is taken only if it is the only one. Throws std::runtime_error, listing the
    // top-level windows there are, if none appears within the timeout, or if the server
    // lacks XTEST. Gives the window the keyboard focus, as a window manager would for a new
    // window (there is none on Xvfb).
    static std::unique_ptr<XGameWindow> Await(XConnection& connection, pid_t pid,
                                              std::chrono::milliseconds timeout);

    std::optional<WindowGeometry> Geometry() const override;
    // Its inner windows included; nothing if the window is not viewable.
    std::optional<RgbImage> Capture() const override;
    std::string DesktopName() const override;
    void MoveTo(int x, int y) override;
    void Click() override;
    void PressKey(KeySym key) override;
    // WM_DELETE_WINDOW in a WM_PROTOCOLS client message: the window manager's "close".
    void RequestClose() override;

private:
    XGameWindow(XConnection& connection, pid_t pid, Window window)
        : m_connection(&connection), m_pid(pid), m_window(window)
    {
    }

    // After a failed read: true if the process now has another mapped window, then taken.
    bool FollowReplacement() const;
    // Gives the keyboard focus to the game's window, now, if it does not have it.
    void Focus();

    XConnection* m_connection;
    pid_t m_pid;
    mutable Window m_window;
    Window m_focused = None;
    std::chrono::steady_clock::time_point m_lastKeyRelease;
};

}  // namespace e2e
