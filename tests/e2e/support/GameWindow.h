// SPDX-License-Identifier: MIT
#pragma once

#include "tests/e2e/support/RgbImage.h"

#include <X11/X.h>

#include <chrono>
#include <optional>
#include <string>

// The game's window on the test's display server, whichever it is (XGameWindow on Xvfb,
// SwayWindow on a headless Wayland compositor, WebWindow for the page's canvas in
// headless Chromium): found, measured, read back and sent real input, which reaches the
// game as a user's would. Every input call returns once the
// server has handled it. The game owns the window; this is the test's handle on it.
//
// Send input only once the game shows its first frame (or has written something it writes
// after setting its video mode): a key that arrives while SDL 1.2 is still setting the mode
// is lost now and then, as it would never be from a person.
namespace e2e {

struct WindowGeometry {
    int x = 0;  // position of the top-left corner of the window's content on the screen
    int y = 0;
    int width = 0;
    int height = 0;
};

// The least time between keys. SDL 1.2 takes a release that is followed within a
// millisecond or two by a press of the same key for auto-repeat and drops both, so two
// quick presses of Escape would arrive as one.
constexpr auto kKeyGap = std::chrono::milliseconds(20);

class GameWindow {
public:
    virtual ~GameWindow() = default;

    // Where the window lies and how large it is, now; nothing if it has gone.
    virtual std::optional<WindowGeometry> Geometry() const = 0;
    // The window's pixels as shown on the screen; nothing if the window has gone.
    virtual std::optional<RgbImage> Capture() const = 0;
    // The name a desktop ties the window to its menu entry by (the entry's StartupWMClass):
    // the class in WM_CLASS on X11, the app_id on Wayland; empty if it has none.
    virtual std::string DesktopName() const = 0;

    // Moves the pointer to (x, y) in the window's coordinates.
    virtual void MoveTo(int x, int y) = 0;
    // Presses and releases the left button where the pointer is.
    virtual void Click() = 0;
    // Moves the pointer to (x, y), then clicks there.
    void ClickAt(int x, int y)
    {
        MoveTo(x, y);
        Click();
    }
    // Presses and releases the key of a keysym (XK_space, XK_Escape, XK_i...), kKeyGap
    // at least after the last key.
    virtual void PressKey(KeySym key) = 0;
    // The close request a window manager or compositor sends.
    virtual void RequestClose() = 0;
};

}  // namespace e2e
