// SPDX-License-Identifier: MIT
#include "tests/e2e/wayland/SwaySession.h"

#include "tests/e2e/wayland/SwayWindow.h"

#include <signal.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

namespace e2e {
namespace {

// Bounds that only a fault reaches.
constexpr auto kStartTimeout = std::chrono::seconds(15);
constexpr auto kToolTimeout = std::chrono::seconds(10);
// Short, since the tests wait that long for a picture after moving the pointer.
constexpr auto kHideCursorAfter = std::chrono::milliseconds(100);

}  // namespace

SwaySession::SwaySession()
{
    const std::string config = m_runtimeDir.PathOf("config");
    std::ofstream(config) << "output HEADLESS-1 resolution " << kWidth << "x" << kHeight << "\n"
                          << "xwayland disable\n"
                          // On this back end sway draws the pointer into the output's
                          // pixels, which grim reads with the window's, whereas an X server
                          // shows it apart from them. Hidden once still, it leaves the
                          // pictures to what the game draws, as on X.
                          << "seat * hide_cursor " << kHideCursorAfter.count() << "\n";
    GameLaunch launch;
    launch.program = "sway";
    launch.arguments = {"--config", config};
    launch.environment = ClientEnvironment();
    // No screen, no GPU and no input device here: draw in memory, in software, and take
    // input only from the virtual devices.
    launch.environment.Set("WLR_BACKENDS", "headless")
        .Set("WLR_LIBINPUT_NO_DEVICES", "1")
        .Set("WLR_RENDERER", "pixman")
        .Unset("WAYLAND_DISPLAY");
    try {
        m_sway.emplace(launch);
    } catch (const std::runtime_error& error) {
        throw std::runtime_error(std::string(error.what()) +
                                 " (the Wayland run needs sway: install the sway package)");
    }
    const auto deadline = std::chrono::steady_clock::now() + kStartTimeout;
    while (!Listens()) {
        if (m_sway->WaitForExit(std::chrono::milliseconds(0)) ||
            std::chrono::steady_clock::now() >= deadline) {
            throw std::runtime_error("sway does not come up; its log:\n" + m_sway->Stderr());
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    m_input = std::make_unique<VirtualInput>(m_runtimeDir.PathOf(m_socket), kWidth, kHeight);
}

SwaySession::~SwaySession()
{
    m_input.reset();
    // SIGTERM lets sway close its clients and sockets; SIGKILL follows if it hangs.
    m_sway->Signal(SIGTERM);
    m_sway->WaitForExit(std::chrono::seconds(5));
}

bool SwaySession::Listens()
{
    std::string socket;
    std::string ipc;
    for (const auto& entry : std::filesystem::directory_iterator(m_runtimeDir.Path())) {
        const std::string name = entry.path().filename();
        if (!entry.is_socket()) {
            continue;
        }
        if (name.rfind("wayland-", 0) == 0) {
            socket = name;
        } else if (name.rfind("sway-ipc.", 0) == 0) {
            ipc = entry.path();
        }
    }
    if (socket.empty() || ipc.empty()) {
        return false;
    }
    m_socket = socket;
    m_ipcSocket = ipc;
    return true;
}

Environment SwaySession::ClientEnvironment() const
{
    Environment environment = Environment::OfThisProcess();
    environment.Set("XDG_RUNTIME_DIR", m_runtimeDir.Path()).Unset("DISPLAY");
    if (!m_socket.empty()) {
        environment.Set("WAYLAND_DISPLAY", m_socket);
    }
    return environment;
}

void SwaySession::Admit(GameLaunch& launch) const
{
    const Environment compositor = ClientEnvironment();
    for (const char* name : {"XDG_RUNTIME_DIR", "WAYLAND_DISPLAY"}) {
        launch.environment.Set(name, *compositor.Get(name));
    }
    // Without a DISPLAY the game cannot fall back to X unseen.
    launch.environment.Unset("DISPLAY").Set("SDL_VIDEODRIVER", "wayland");
}

std::string SwaySession::Run(const std::string& program,
                             const std::vector<std::string>& arguments) const
{
    GameLaunch launch;
    launch.program = program;
    launch.arguments = arguments;
    launch.environment = ClientEnvironment();
    GameProcess tool(launch);
    const std::optional<ExitStatus> status = tool.WaitForExit(kToolTimeout);
    if (!(status == ExitStatus::Exited(0))) {
        std::ostringstream why;
        if (status) {
            why << *status;
        } else {
            why << "still running after " << kToolTimeout.count() << " s";
        }
        throw std::runtime_error(program + " failed (" + why.str() + "): " + tool.Stderr());
    }
    return tool.Stdout();
}

std::string SwaySession::Swaymsg(std::vector<std::string> arguments) const
{
    arguments.insert(arguments.begin(), {"--socket", m_ipcSocket});
    return Run("swaymsg", arguments);
}

std::unique_ptr<GameWindow> SwaySession::AwaitWindow(pid_t pid, std::chrono::milliseconds timeout)
{
    return SwayWindow::Await(*this, pid, timeout);
}

}  // namespace e2e
