// SPDX-License-Identifier: MIT
#include "tests/e2e/support/WindowInput.h"

#include <X11/extensions/XTest.h>

#include <stdexcept>
#include <string>
#include <thread>

namespace e2e {

WindowInput::WindowInput(XConnection& connection, const GameWindow& window)
    : m_connection(&connection), m_window(&window)
{
    int eventBase = 0;
    int errorBase = 0;
    int major = 0;
    int minor = 0;
    if (!XTestQueryExtension(m_connection->Get(), &eventBase, &errorBase, &major, &minor)) {
        throw std::runtime_error("the X server has no XTEST extension");
    }
    Focus();
}

void WindowInput::Focus()
{
    m_window->Geometry();  // follows a replaced window
    if (m_window->Id() == m_focused) {
        return;
    }
    XSetInputFocus(m_connection->Get(), m_window->Id(), RevertToPointerRoot, CurrentTime);
    if (m_connection->SyncWithoutErrors()) {
        m_focused = m_window->Id();
    }
}

void WindowInput::MoveTo(int x, int y)
{
    const std::optional<WindowGeometry> geometry = m_window->Geometry();
    if (!geometry) {
        throw std::runtime_error("cannot move the pointer: the game's window has gone");
    }
    XTestFakeMotionEvent(m_connection->Get(), m_connection->ScreenNumber(), geometry->x + x,
                         geometry->y + y, CurrentTime);
    m_connection->SyncWithoutErrors();
}

void WindowInput::ClickAt(int x, int y)
{
    MoveTo(x, y);
    XTestFakeButtonEvent(m_connection->Get(), Button1, True, CurrentTime);
    XTestFakeButtonEvent(m_connection->Get(), Button1, False, CurrentTime);
    m_connection->SyncWithoutErrors();
}

void WindowInput::PressKey(KeySym key)
{
    const KeyCode code = XKeysymToKeycode(m_connection->Get(), key);
    if (code == 0) {
        throw std::runtime_error("the X server's keyboard has no key for keysym " +
                                 std::to_string(key));
    }
    std::this_thread::sleep_until(m_lastKeyRelease + kKeyGap);
    Focus();
    XTestFakeKeyEvent(m_connection->Get(), code, True, CurrentTime);
    XTestFakeKeyEvent(m_connection->Get(), code, False, CurrentTime);
    m_connection->SyncWithoutErrors();
    m_lastKeyRelease = std::chrono::steady_clock::now();
}

void WindowInput::RequestClose()
{
    Focus();
    Display* display = m_connection->Get();
    XEvent message{};
    message.xclient.type = ClientMessage;
    message.xclient.window = m_window->Id();
    message.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    message.xclient.format = 32;
    message.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    message.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, m_window->Id(), False, NoEventMask, &message);
    m_connection->SyncWithoutErrors();
}

}  // namespace e2e
