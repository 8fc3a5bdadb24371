// SPDX-License-Identifier: MIT
#include "tests/e2e/support/XConnection.h"

#include <stdexcept>

namespace e2e {
namespace {

// Xlib's error handler is one per process; the tests have one connection at a time.
bool g_errorSeen = false;

int RecordError(Display*, XErrorEvent*)
{
    g_errorSeen = true;
    return 0;
}

}  // namespace

XConnection::XConnection(const std::string& displayName)
{
    m_display = XOpenDisplay(displayName.c_str());
    if (m_display == nullptr) {
        throw std::runtime_error("cannot open X display " + displayName);
    }
    XSetErrorHandler(RecordError);
}

XConnection::~XConnection()
{
    XCloseDisplay(m_display);
}

bool XConnection::SyncWithoutErrors()
{
    XSync(m_display, False);
    const bool clean = !g_errorSeen;
    g_errorSeen = false;
    return clean;
}

}  // namespace e2e
