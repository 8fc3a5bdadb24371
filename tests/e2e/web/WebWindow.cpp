// SPDX-License-Identifier: MIT
#include "tests/e2e/web/WebWindow.h"

#include <X11/keysym.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <sstream>
#include <stdexcept>
#include <thread>

namespace e2e {
namespace {

// Longer than any one request takes; reached only if the launcher hangs.
constexpr timeval kAnswerTimeout{10, 0};

// A connected socket, or -1 while nothing listens there yet.
int Connect(const std::string& path)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path) {
        throw std::runtime_error("socket path too long: " + path);
    }
    std::strcpy(address.sun_path, path.c_str());
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        throw std::runtime_error(std::string("socket: ") + std::strerror(errno));
    }
    if (connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        close(fd);
        return -1;
    }
    setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &kAnswerTimeout, sizeof kAnswerTimeout);
    return fd;
}

std::string Base64Decoded(const std::string& text)
{
    static const std::string kAlphabet =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string bytes;
    bytes.reserve(text.size() / 4 * 3);
    unsigned bits = 0;
    int count = 0;
    for (char c : text) {
        const size_t value = kAlphabet.find(c);
        if (value == std::string::npos) {
            continue;  // the padding
        }
        bits = bits << 6U | static_cast<unsigned>(value);
        count += 6;
        if (count >= 8) {
            count -= 8;
            bytes.push_back(static_cast<char>(bits >> static_cast<unsigned>(count) & 0xffU));
        }
    }
    return bytes;
}

// The launcher's name of each key the game answers.
const char* KeyName(KeySym key)
{
    switch (key) {
    case XK_space:
        return "Space";
    case XK_Escape:
        return "Escape";
    case XK_i:
        return "i";
    default:
        throw std::invalid_argument("the web driver has no key " + std::to_string(key));
    }
}

}  // namespace

std::unique_ptr<WebWindow> WebWindow::Await(const std::string& socketPath,
                                            std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    std::unique_ptr<WebWindow> window;
    std::string last = "the launcher's socket " + socketPath + " does not answer";
    while (std::chrono::steady_clock::now() < deadline) {
        if (!window) {
            const int fd = Connect(socketPath);
            if (fd >= 0) {
                window.reset(new WebWindow(fd));
            }
        }
        if (window) {
            if (window->Ask("geometry")) {
                return window;
            }
            last = window->m_lastError;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    throw std::runtime_error("no canvas on the page: " + last);
}

WebWindow::~WebWindow()
{
    close(m_socket);
}

std::optional<std::string> WebWindow::Ask(const std::string& request) const
{
    const std::string line = request + "\n";
    if (send(m_socket, line.data(), line.size(), MSG_NOSIGNAL) !=
        static_cast<ssize_t>(line.size())) {
        m_lastError = "the launcher has gone";
        return std::nullopt;
    }
    size_t end;
    while ((end = m_received.find('\n')) == std::string::npos) {
        char buffer[65536];
        const ssize_t got = recv(m_socket, buffer, sizeof buffer, 0);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            m_lastError = "the launcher has gone";
            return std::nullopt;
        }
        m_received.append(buffer, static_cast<size_t>(got));
    }
    const std::string answer = m_received.substr(0, end);
    m_received.erase(0, end + 1);
    if (answer.rfind("ok", 0) != 0) {
        m_lastError = answer.rfind("error ", 0) == 0 ? answer.substr(6) : answer;
        return std::nullopt;
    }
    return answer.size() > 3 ? answer.substr(3) : "";
}

std::string WebWindow::Require(const std::string& request) const
{
    std::optional<std::string> answer = Ask(request);
    if (!answer) {
        throw std::runtime_error("the page did not do \"" + request.substr(0, 40) +
                                 "\": " + m_lastError);
    }
    return *answer;
}

std::optional<WindowGeometry> WebWindow::Geometry() const
{
    const std::optional<std::string> answer = Ask("geometry");
    WindowGeometry geometry;
    if (answer && std::istringstream(*answer) >> geometry.x >> geometry.y >> geometry.width >>
                      geometry.height) {
        return geometry;
    }
    return std::nullopt;
}

std::optional<RgbImage> WebWindow::Capture() const
{
    const std::optional<std::string> answer = Ask("capture");
    std::istringstream in(answer.value_or(""));
    int width = 0;
    int height = 0;
    std::string encoded;
    if (!(in >> width >> height >> encoded)) {
        return std::nullopt;
    }
    const std::string rgba = Base64Decoded(encoded);
    if (rgba.size() != static_cast<size_t>(width) * height * 4) {
        return std::nullopt;
    }
    RgbImage image(width, height);
    const auto* bytes = reinterpret_cast<const unsigned char*>(rgba.data());
    for (uint32_t& pixel : image.pixels) {
        pixel = static_cast<uint32_t>(bytes[0] << 16 | bytes[1] << 8 | bytes[2]);
        bytes += 4;
    }
    return image;
}

void WebWindow::MoveTo(int x, int y)
{
    Require("move " + std::to_string(x) + " " + std::to_string(y));
}

void WebWindow::Click()
{
    Require("click");
}

void WebWindow::PressKey(KeySym key)
{
    std::this_thread::sleep_until(m_lastKeyRelease + kKeyGap);
    Require(std::string("key ") + KeyName(key));
    m_lastKeyRelease = std::chrono::steady_clock::now();
}

void WebWindow::RequestClose()
{
    throw std::logic_error("a page has no window that can be asked to close");
}

void WebWindow::PressElement(const std::string& id)
{
    Require("press " + id);
}

std::string WebWindow::Evaluate(const std::string& expression)
{
    // One request a line: the expression's own line ends are only blanks to it.
    std::string line = expression;
    std::replace(line.begin(), line.end(), '\n', ' ');
    return Require("evaluate " + line);
}

void WebWindow::Request(const std::string& requests)
{
    std::istringstream list(requests);
    for (std::string request; std::getline(list, request, ';');) {
        Require(request);
    }
}

std::optional<std::string> WebWindow::WhyUnsupported(const std::string& feature)
{
    const std::string answer = Require("supports " + feature);
    if (answer.rfind("no ", 0) == 0) {
        return answer.substr(3);
    }
    return std::nullopt;
}

void WebWindow::Server(const std::string& state)
{
    Require("server " + state);
}

}  // namespace e2e
