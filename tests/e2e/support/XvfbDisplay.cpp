// SPDX-License-Identifier: MIT
#include "tests/e2e/support/XvfbDisplay.h"

#include <X11/Xlib.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <stdexcept>
#include <thread>

namespace e2e {
namespace {

constexpr auto kStartTimeout = std::chrono::seconds(15);

// Xvfb writes its display number and a newline to the -displayfd descriptor once it
// listens for clients. Returns the number, or -1 if the server ended or went silent.
int ReadDisplayNumber(int fd, std::chrono::steady_clock::time_point deadline)
{
    std::string text;
    while (text.find('\n') == std::string::npos) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            return -1;
        }
        pollfd waiting{fd, POLLIN, 0};
        const int ready = poll(&waiting, 1, static_cast<int>(left.count()));
        if (ready < 0 && errno == EINTR) {
            continue;
        }
        if (ready <= 0) {
            return -1;
        }
        char chunk[32];
        const ssize_t got = read(fd, chunk, sizeof chunk);
        if (got <= 0) {
            return -1;  // the server closed the descriptor: it has ended
        }
        text.append(chunk, static_cast<size_t>(got));
    }
    try {
        return std::stoi(text);
    } catch (const std::exception&) {
        return -1;
    }
}

bool AcceptsConnections(const std::string& name)
{
    Display* display = XOpenDisplay(name.c_str());
    if (display == nullptr) {
        return false;
    }
    XCloseDisplay(display);
    return true;
}

}  // namespace

XvfbDisplay::XvfbDisplay()
{
    int numberPipe[2];
    if (pipe2(numberPipe, O_CLOEXEC) != 0) {
        throw std::runtime_error(std::string("pipe: ") + std::strerror(errno));
    }
    SpawnRequest request;
    // -noreset: by default the server resets whenever its last client leaves, and refuses
    // connections meanwhile; the readiness probe below is such a client.
    request.command = {"Xvfb",      "-displayfd", std::to_string(numberPipe[1]),
                       "-screen",   "0",          "800x600x24",
                       "-nolisten", "tcp",        "-noreset"};
    request.environment = Environment::OfThisProcess();
    request.stderrPath = m_logDir.PathOf("xvfb.log");
    request.inheritedFd = numberPipe[1];
    try {
        m_server = std::make_unique<ChildProcess>(request);
    } catch (const std::runtime_error& error) {
        close(numberPipe[0]);
        close(numberPipe[1]);
        throw std::runtime_error(std::string(error.what()) +
                                 " (the end-to-end tests need Xvfb: install the xvfb package)");
    }
    close(numberPipe[1]);

    const auto deadline = std::chrono::steady_clock::now() + kStartTimeout;
    m_number = ReadDisplayNumber(numberPipe[0], deadline);
    close(numberPipe[0]);
    if (m_number < 0) {
        throw std::runtime_error("Xvfb did not report a display number; its log:\n" +
                                 ReadWholeFile(m_logDir.PathOf("xvfb.log")));
    }
    // The number comes once the server listens; a first connection proves it.
    while (!AcceptsConnections(Name())) {
        if (std::chrono::steady_clock::now() >= deadline || !m_server->Running()) {
            throw std::runtime_error("Xvfb on " + Name() + " accepts no connection; its log:\n" +
                                     ReadWholeFile(m_logDir.PathOf("xvfb.log")));
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

}  // namespace e2e
