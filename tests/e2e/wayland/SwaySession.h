// SPDX-License-Identifier: MIT
#pragma once

#include "tests/e2e/support/GameProcess.h"
#include "tests/e2e/support/TemporaryDirectory.h"
#include "tests/e2e/support/WindowSystem.h"
#include "tests/e2e/wayland/VirtualInput.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

// A private Wayland compositor for one test: sway on its headless back end, with one
// 800x600 output, no XWayland and no input device of its own, in a runtime folder of
// its own (mode 700, removed at the end). The game is pointed at it through
// WAYLAND_DISPLAY and SDL's Wayland driver. The test's keyboard and mouse are the
// session's VirtualInput. Windows are found and closed through sway's IPC (swaymsg) and
// read back with grim, which uses the compositor's screen-copy protocol.
namespace e2e {

class SwaySession final : public WindowSystem {
public:
    // The output's size; the virtual pointer's coordinates span it.
    static constexpr int kWidth = 800;
    static constexpr int kHeight = 600;

    // Throws std::runtime_error with sway's log if it does not come up.
    SwaySession();
    ~SwaySession() override;

    void Admit(GameLaunch& launch) const override;
    std::unique_ptr<GameWindow> AwaitWindow(pid_t pid, std::chrono::milliseconds timeout) override;

    // Runs a client of this compositor (swaymsg, grim, sh) to its end and gives its
    // standard output. Throws std::runtime_error with its standard error if it fails.
    std::string Run(const std::string& program, const std::vector<std::string>& arguments) const;
    // swaymsg with arguments, on this session's IPC socket.
    std::string Swaymsg(std::vector<std::string> arguments) const;

    VirtualInput& Input() { return *m_input; }

private:
    // The compositor's environment for its clients.
    Environment ClientEnvironment() const;
    // True once sway listens on both its sockets, which are then noted.
    bool Listens();

    TemporaryDirectory m_runtimeDir;
    std::optional<GameProcess> m_sway;
    std::string m_socket;     // the Wayland socket's name in the runtime folder
    std::string m_ipcSocket;  // sway's IPC socket, a full path
    std::unique_ptr<VirtualInput> m_input;
};

}  // namespace e2e
