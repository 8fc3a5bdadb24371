// SPDX-License-Identifier: MIT
#include "tests/e2e/wayland/SwayWindow.h"

#include "tests/e2e/wayland/SwaySession.h"

#include <sstream>
#include <stdexcept>
#include <thread>

namespace e2e {
namespace {

// The visible windows of process $pid in sway's tree; the content lies at the node's
// rectangle plus the window's rectangle within it (the rest is sway's decoration).
const std::string kWindowsOfPid =
    "$tree | .. | objects | select(.pid? == $pid and .visible? == true)";

// P6 with 8-bit channels, as grim writes it.
std::optional<RgbImage> FromPpm(const std::string& ppm)
{
    std::istringstream in(ppm);
    std::string magic;
    int width = 0;
    int height = 0;
    int maximum = 0;
    in >> magic >> width >> height >> maximum;
    in.get();  // the one blank after the header
    const size_t start = static_cast<size_t>(in.tellg());
    if (!in || magic != "P6" || maximum != 255 ||
        ppm.size() - start < static_cast<size_t>(width) * height * 3) {
        return std::nullopt;
    }
    RgbImage image(width, height);
    const auto* bytes = reinterpret_cast<const unsigned char*>(ppm.data() + start);
    for (uint32_t& pixel : image.pixels) {
        pixel = static_cast<uint32_t>(bytes[0] << 16 | bytes[1] << 8 | bytes[2]);
        bytes += 3;
    }
    return image;
}

}  // namespace

std::unique_ptr<SwayWindow> SwayWindow::Await(SwaySession& session, pid_t pid,
                                              std::chrono::milliseconds timeout)
{
    std::unique_ptr<SwayWindow> window(new SwayWindow(session, pid));
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!window->Geometry()) {
        if (std::chrono::steady_clock::now() >= deadline) {
            const std::string windows = window->Query(
                "$tree | .. | objects | select(.pid?) | \"\\n  pid \\(.pid) app_id \\(.app_id) "
                "\\(.window_rect.width)x\\(.window_rect.height) visible \\(.visible)\"");
            throw std::runtime_error("no visible window of process " + std::to_string(pid) +
                                     " appeared; windows:" + (windows.empty() ? " none" : windows));
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return window;
}

std::string SwayWindow::Query(const std::string& filter) const
{
    return m_session->Run("jq", {"--null-input", "--raw-output", "--join-output", "--argjson",
                                 "tree", m_session->Swaymsg({"-t", "get_tree", "--raw"}),
                                 "--argjson", "pid", std::to_string(m_pid), filter});
}

std::optional<WindowGeometry> SwayWindow::Geometry() const
{
    std::istringstream found(Query(kWindowsOfPid + " | \"\\(.rect.x + .window_rect.x) \\(.rect.y + "
                                                   ".window_rect.y) \\(.window_rect.width) "
                                                   "\\(.window_rect.height) \""));
    WindowGeometry geometry;
    if (found >> geometry.x >> geometry.y >> geometry.width >> geometry.height &&
        geometry.width > 0 && geometry.height > 0) {
        return geometry;
    }
    return std::nullopt;
}

std::optional<RgbImage> SwayWindow::Capture() const
{
    const std::optional<WindowGeometry> g = Geometry();
    if (!g) {
        return std::nullopt;
    }
    std::ostringstream area;
    area << g->x << "," << g->y << " " << g->width << "x" << g->height;
    return FromPpm(m_session->Run("grim", {"-t", "ppm", "-g", area.str(), "-"}));
}

std::string SwayWindow::DesktopName() const
{
    return Query(kWindowsOfPid + " | .app_id // \"\"");
}

void SwayWindow::MoveTo(int x, int y)
{
    const std::optional<WindowGeometry> geometry = Geometry();
    if (!geometry) {
        throw std::runtime_error("cannot move the pointer: the game's window has gone");
    }
    m_session->Input().MoveTo(geometry->x + x, geometry->y + y);
}

void SwayWindow::Click()
{
    m_session->Input().Click();
}

void SwayWindow::PressKey(KeySym key)
{
    std::this_thread::sleep_until(m_lastKeyRelease + kKeyGap);
    m_session->Input().PressKey(key);
    m_lastKeyRelease = std::chrono::steady_clock::now();
}

void SwayWindow::RequestClose()
{
    m_session->Swaymsg({"[pid=" + std::to_string(m_pid) + "]", "kill"});
}

}  // namespace e2e
