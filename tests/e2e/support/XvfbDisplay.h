// SPDX-License-Identifier: MIT
#pragma once

#include "tests/e2e/support/ChildProcess.h"
#include "tests/e2e/support/TemporaryDirectory.h"

#include <memory>
#include <string>

// A private X server (Xvfb, one 800x600 screen at 24 bits, no TCP, no reset
// when the last client leaves) on a display number
// the server picks itself, so tests running side by side never share one. Ready to
// accept connections when the constructor returns; stopped when the object goes.
namespace e2e {

class XvfbDisplay {
public:
    // Throws std::runtime_error with a clear reason when Xvfb is not installed, does not
    // come up or does not accept connections.
    XvfbDisplay();
    ~XvfbDisplay();
    XvfbDisplay(const XvfbDisplay&) = delete;
    XvfbDisplay& operator=(const XvfbDisplay&) = delete;

    int Number() const { return m_number; }
    // The value for DISPLAY, e.g. ":3".
    std::string Name() const { return ":" + std::to_string(m_number); }

private:
    TemporaryDirectory m_logDir;
    std::unique_ptr<ChildProcess> m_server;
    int m_number = -1;
};

}  // namespace e2e
