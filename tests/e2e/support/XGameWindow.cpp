// SPDX-License-Identifier: MIT
#include "tests/e2e/support/XGameWindow.h"

#include "engine/Window.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <sstream>
#include <stdexcept>
#include <thread>
#include <vector>

namespace e2e {
namespace {

// The window's _NET_WM_PID, or nothing if it has none.
std::optional<long> ProcessOf(Display* display, Window window)
{
    const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    std::optional<long> pid;
    if (XGetWindowProperty(display, window, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format,
                           &count, &remaining, &data) == Success &&
        type == XA_CARDINAL && format == 32 && count == 1) {
        pid = *reinterpret_cast<long*>(data);  // format 32 comes as longs
    }
    if (data != nullptr) {
        XFree(data);
    }
    return pid;
}

struct Candidate {
    Window window;
    XWindowAttributes attributes;
    std::optional<long> pid;
};

// Every top-level window there is now.
std::vector<Candidate> Survey(XConnection& connection)
{
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned count = 0;
    std::vector<Window> windows;
    if (XQueryTree(connection.Get(), connection.Root(), &root, &parent, &children, &count) != 0) {
        windows.assign(children, children + count);
    }
    if (children != nullptr) {
        XFree(children);
    }
    std::vector<Candidate> candidates;
    for (Window window : windows) {
        Candidate candidate{window, {}, std::nullopt};
        if (XGetWindowAttributes(connection.Get(), window, &candidate.attributes) == 0) {
            continue;  // gone meanwhile
        }
        candidate.pid = ProcessOf(connection.Get(), window);
        candidates.push_back(candidate);
    }
    connection.SyncWithoutErrors();  // a window may vanish between the calls
    return candidates;
}

std::optional<Window> Choose(const std::vector<Candidate>& candidates, pid_t pid)
{
    std::vector<Window> unlabelledOfGameSize;
    for (const Candidate& c : candidates) {
        if (c.attributes.map_state != IsViewable) {
            continue;
        }
        if (c.pid == pid) {
            return c.window;
        }
        if (!c.pid && c.attributes.width == kWindowWidth && c.attributes.height == kWindowHeight) {
            unlabelledOfGameSize.push_back(c.window);
        }
    }
    if (unlabelledOfGameSize.size() == 1) {
        return unlabelledOfGameSize.front();
    }
    return std::nullopt;
}

std::string Describe(const std::vector<Candidate>& candidates)
{
    std::ostringstream text;
    for (const Candidate& c : candidates) {
        text << "\n  0x" << std::hex << c.window << std::dec << " " << c.attributes.width << "x"
             << c.attributes.height
             << (c.attributes.map_state == IsViewable ? " mapped" : " unmapped") << " pid "
             << (c.pid ? std::to_string(*c.pid) : "unknown");
    }
    return candidates.empty() ? " none" : text.str();
}

// One channel of an X pixel, selected by a colour mask of the image: 8 bits, as on the
// 24-bit screens of the Xvfb servers the harness starts.
uint32_t Channel(unsigned long pixel, unsigned long mask)
{
    return mask == 0 ? 0 : static_cast<uint32_t>((pixel & mask) >> __builtin_ctzl(mask)) & 0xFF;
}

std::optional<WindowGeometry> Measure(XConnection& connection, Window window)
{
    Display* display = connection.Get();
    XWindowAttributes attributes;
    Window child = 0;
    WindowGeometry geometry;
    const bool measured = XGetWindowAttributes(display, window, &attributes) != 0 &&
                          XTranslateCoordinates(display, window, connection.Root(), 0, 0,
                                                &geometry.x, &geometry.y, &child) != 0;
    if (!connection.SyncWithoutErrors() || !measured) {
        return std::nullopt;
    }
    geometry.width = attributes.width;
    geometry.height = attributes.height;
    return geometry;
}

std::optional<RgbImage> ReadPixels(XConnection& connection, Window window)
{
    const std::optional<WindowGeometry> geometry = Measure(connection, window);
    if (!geometry) {
        return std::nullopt;
    }
    const int width = geometry->width;
    const int height = geometry->height;
    XImage* image = XGetImage(connection.Get(), window, 0, 0, static_cast<unsigned>(width),
                              static_cast<unsigned>(height), AllPlanes, ZPixmap);
    if (!connection.SyncWithoutErrors() || image == nullptr) {
        if (image != nullptr) {
            XDestroyImage(image);
        }
        return std::nullopt;  // gone, or unmapped
    }
    RgbImage picture(width, height);
    for (int row = 0; row < height; ++row) {
        for (int column = 0; column < width; ++column) {
            const unsigned long pixel = XGetPixel(image, column, row);
            picture.At(column, row) = Channel(pixel, image->red_mask) << 16 |
                                      Channel(pixel, image->green_mask) << 8 |
                                      Channel(pixel, image->blue_mask);
        }
    }
    XDestroyImage(image);
    return picture;
}

}  // namespace

std::unique_ptr<XGameWindow> XGameWindow::Await(XConnection& connection, pid_t pid,
                                                std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        const std::vector<Candidate> candidates = Survey(connection);
        if (const std::optional<Window> found = Choose(candidates, pid)) {
            int unused = 0;
            if (!XTestQueryExtension(connection.Get(), &unused, &unused, &unused, &unused)) {
                throw std::runtime_error("the X server has no XTEST extension");
            }
            std::unique_ptr<XGameWindow> window(new XGameWindow(connection, pid, *found));
            window->Focus();
            return window;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            throw std::runtime_error("no mapped window of process " + std::to_string(pid) +
                                     " appeared; top-level windows:" + Describe(candidates));
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

bool XGameWindow::FollowReplacement() const
{
    const std::optional<Window> found = Choose(Survey(*m_connection), m_pid);
    if (!found || *found == m_window) {
        return false;
    }
    m_window = *found;
    return true;
}

std::optional<WindowGeometry> XGameWindow::Geometry() const
{
    const std::optional<WindowGeometry> geometry = Measure(*m_connection, m_window);
    return geometry || !FollowReplacement() ? geometry : Measure(*m_connection, m_window);
}

std::optional<RgbImage> XGameWindow::Capture() const
{
    const std::optional<RgbImage> picture = ReadPixels(*m_connection, m_window);
    return picture || !FollowReplacement() ? picture : ReadPixels(*m_connection, m_window);
}

std::string XGameWindow::DesktopName() const
{
    Geometry();  // follows a replaced window
    XClassHint hint{};
    if (XGetClassHint(m_connection->Get(), m_window, &hint) == 0) {
        return {};
    }
    const std::string name = hint.res_class != nullptr ? hint.res_class : "";
    XFree(hint.res_name);
    XFree(hint.res_class);
    return name;
}

void XGameWindow::Focus()
{
    Geometry();  // follows a replaced window
    if (m_window == m_focused) {
        return;
    }
    XSetInputFocus(m_connection->Get(), m_window, RevertToPointerRoot, CurrentTime);
    if (m_connection->SyncWithoutErrors()) {
        m_focused = m_window;
    }
}

void XGameWindow::MoveTo(int x, int y)
{
    const std::optional<WindowGeometry> geometry = Geometry();
    if (!geometry) {
        throw std::runtime_error("cannot move the pointer: the game's window has gone");
    }
    XTestFakeMotionEvent(m_connection->Get(), m_connection->ScreenNumber(), geometry->x + x,
                         geometry->y + y, CurrentTime);
    m_connection->SyncWithoutErrors();
}

void XGameWindow::Click()
{
    XTestFakeButtonEvent(m_connection->Get(), Button1, True, CurrentTime);
    XTestFakeButtonEvent(m_connection->Get(), Button1, False, CurrentTime);
    m_connection->SyncWithoutErrors();
}

void XGameWindow::PressKey(KeySym key)
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

void XGameWindow::RequestClose()
{
    Focus();
    Display* display = m_connection->Get();
    XEvent message{};
    message.xclient.type = ClientMessage;
    message.xclient.window = m_window;
    message.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    message.xclient.format = 32;
    message.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    message.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, m_window, False, NoEventMask, &message);
    m_connection->SyncWithoutErrors();
}

}  // namespace e2e
