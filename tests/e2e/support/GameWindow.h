// SPDX-License-Identifier: MIT
#pragma once

#include "tests/e2e/support/RgbImage.h"
#include "tests/e2e/support/XConnection.h"

#include <sys/types.h>

#include <chrono>
#include <optional>

// The game's top-level window on the test's X server, as any other X client sees it:
// found, measured and read back, never changed. Does not own the window (the game does)
// and holds the connection by reference, which must outlive it.
//
// sdl12-compat maps a first window and soon replaces it with another (SDL 2 recreates it
// for its renderer); a read that finds the window gone therefore looks once more for the
// process's mapped window and follows it.
namespace e2e {

struct WindowGeometry {
    int x = 0;  // position of the top-left corner in root coordinates
    int y = 0;
    int width = 0;
    int height = 0;
};

class GameWindow {
public:
    // Waits for the mapped top-level window of process pid. SDL 1.2 labels its window
    // with _NET_WM_PID; a mapped window of the game's size (480x272) without that label
    // is taken only if it is the only one. Throws std::runtime_error, listing the
    // top-level windows there are, if none appears within the timeout.
    static GameWindow Await(XConnection& connection, pid_t pid, std::chrono::milliseconds timeout);

    // The window last found; a read may move on to the window that replaced it.
    Window Id() const { return m_window; }

    // Where the window lies and how large it is, now; nothing if it has gone.
    std::optional<WindowGeometry> Geometry() const;

    // The window's pixels as shown on the screen (its inner windows included); nothing
    // if the window has gone or is not viewable.
    std::optional<RgbImage> Capture() const;

private:
    GameWindow(XConnection& connection, pid_t pid, Window window)
        : m_connection(&connection), m_pid(pid), m_window(window)
    {
    }

    // After a failed read: true if the process now has another mapped window, then taken.
    bool FollowReplacement() const;

    XConnection* m_connection;
    pid_t m_pid;
    mutable Window m_window;
};

}  // namespace e2e
