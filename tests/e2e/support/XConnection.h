// SPDX-License-Identifier: MIT
#pragma once

#include <X11/Xlib.h>

#include <string>

// The test's own client connection to the X server. Owns the Display until the object
// goes. X protocol errors (a window that vanished while being read, say) are recorded
// instead of ending the test process, as Xlib's default handler would.
namespace e2e {

class XConnection {
public:
    // Throws std::runtime_error if the display cannot be opened.
    explicit XConnection(const std::string& displayName);
    ~XConnection();
    XConnection(const XConnection&) = delete;
    XConnection& operator=(const XConnection&) = delete;

    Display* Get() const { return m_display; }
    Window Root() const { return DefaultRootWindow(m_display); }
    int ScreenNumber() const { return DefaultScreen(m_display); }

    // Waits until the server has handled every request sent so far; true if none of the
    // requests since the last call raised an error.
    bool SyncWithoutErrors();

private:
    Display* m_display = nullptr;
};

}  // namespace e2e
