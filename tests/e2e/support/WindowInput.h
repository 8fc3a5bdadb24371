// SPDX-License-Identifier: MIT
#pragma once

#include "tests/e2e/support/GameWindow.h"
#include "tests/e2e/support/XConnection.h"

#include <X11/X.h>

#include <chrono>

// Real input for the game's window: pointer and keys go through the XTEST extension, so
// they reach the game exactly as a user's would, through the X server; the close request
// is the message a window manager sends. Every call returns once the server has handled it.
// Holds the connection and the window by reference; both must outlive this. Input follows
// the window when the game's library replaces it (see GameWindow).
//
// Send input only once the game shows its first frame (or has written something it writes
// after setting its video mode): a key that arrives while SDL 1.2 is still setting the mode
// is lost now and then, as it would never be from a person.
namespace e2e {

class WindowInput {
public:
    static constexpr auto kKeyGap = std::chrono::milliseconds(20);

    // Throws std::runtime_error if the server lacks XTEST. Gives the window the keyboard
    // focus, as a window manager would for a new window (there is none on Xvfb).
    WindowInput(XConnection& connection, const GameWindow& window);

    // Moves the pointer to (x, y) in the window's coordinates.
    void MoveTo(int x, int y);
    // Moves the pointer to (x, y), then presses and releases the left button there.
    void ClickAt(int x, int y);

    // Presses and releases the key of a keysym (XK_space, XK_Escape, XK_i...). Keys
    // follow one another at least kKeyGap apart: SDL 1.2 takes a release that is followed
    // within a millisecond or two by a press of the same key for auto-repeat and drops
    // both, so two quick presses of Escape would arrive as one.
    void PressKey(KeySym key);

    // WM_DELETE_WINDOW in a WM_PROTOCOLS client message: the window manager's "close".
    void RequestClose();

private:
    // Gives the keyboard focus to the game's window, now, if it does not have it.
    void Focus();

    XConnection* m_connection;
    const GameWindow* m_window;
    Window m_focused = None;
    std::chrono::steady_clock::time_point m_lastKeyRelease;
};

}  // namespace e2e
