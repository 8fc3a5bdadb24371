// SPDX-License-Identifier: MIT
#include "tests/e2e/support/XvfbDisplay.h"

#include <X11/Xlib.h>
#include <signal.h>

#include <chrono>
#include <stdexcept>
#include <thread>

namespace e2e {

XvfbDisplay::XvfbDisplay()
{
    GameLaunch launch;
    launch.program = "Xvfb";
    // -displayfd 1: the server writes the number it picked and a newline to its standard
    // output once it listens. -noreset: by default the server resets whenever its last
    // client leaves, and refuses connections meanwhile; the probe below is such a client.
    launch.arguments = {"-displayfd", "1",         "-screen", "0",
                        "800x600x24", "-nolisten", "tcp",     "-noreset"};
    launch.environment = Environment::OfThisProcess();
    try {
        m_server.emplace(launch);
    } catch (const std::runtime_error& error) {
        throw std::runtime_error(std::string(error.what()) +
                                 " (the end-to-end tests need Xvfb: install the xvfb package)");
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(15);
    while (!AcceptsConnections()) {
        if (m_server->WaitForExit(std::chrono::milliseconds(0)) ||
            std::chrono::steady_clock::now() >= deadline) {
            throw std::runtime_error("Xvfb on \"" + m_name +
                                     "\" accepts no connection; its log:\n" + m_server->Stderr());
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

XvfbDisplay::~XvfbDisplay()
{
    // SIGTERM lets the server remove its lock file and socket; SIGKILL follows if it hangs.
    m_server->Signal(SIGTERM);
    m_server->WaitForExit(std::chrono::seconds(5));
}

bool XvfbDisplay::AcceptsConnections()
{
    const std::string number = m_server->Stdout();
    if (number.find('\n') == std::string::npos) {
        return false;
    }
    m_name = ":" + number.substr(0, number.find('\n'));
    Display* display = XOpenDisplay(m_name.c_str());
    if (display != nullptr) {
        XCloseDisplay(display);
    }
    return display != nullptr;
}

}  // namespace e2e
