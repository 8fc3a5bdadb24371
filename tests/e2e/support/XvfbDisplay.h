// SPDX-License-Identifier: MIT
#pragma once

#include "tests/e2e/support/GameProcess.h"

#include <optional>
#include <string>

// A private X server (Xvfb, one 800x600 screen at 24 bits, no TCP, no reset when the last
// client leaves) on a display number the server picks itself, so tests running side by
// side never share one. Ready to accept connections when the constructor returns; stopped
// when the object goes.
namespace e2e {

class XvfbDisplay {
public:
    // Throws std::runtime_error with a clear reason when Xvfb is not installed, does not
    // come up or does not accept connections.
    XvfbDisplay();
    ~XvfbDisplay();
    XvfbDisplay(const XvfbDisplay&) = delete;
    XvfbDisplay& operator=(const XvfbDisplay&) = delete;

    // The value for DISPLAY, e.g. ":3".
    const std::string& Name() const { return m_name; }

private:
    // Once the server has reported the number it picked, takes it as the name and opens a
    // first connection; true if that succeeds.
    bool AcceptsConnections();

    std::optional<GameProcess> m_server;
    std::string m_name;
};

}  // namespace e2e
