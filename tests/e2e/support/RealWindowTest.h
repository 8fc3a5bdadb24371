// SPDX-License-Identifier: MIT
#pragma once

#include "tests/e2e/support/GameProcess.h"
#include "tests/e2e/support/GameWindow.h"
#include "tests/e2e/support/RgbImage.h"
#include "tests/e2e/support/WindowSystem.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>

// The real-window driver: a private display server (X or Wayland, see WindowSystem) and at
// most one game on it, for a test or a tool. It owns the server, the game process and the
// handle on the game's window; they go in the reverse order at the end.
namespace e2e {

// Limits that only a fault reaches; the waits themselves end as soon as they can.
constexpr auto kWindowTimeout = std::chrono::seconds(10);
constexpr auto kExitTimeout = std::chrono::seconds(10);
constexpr auto kScreenTimeout = std::chrono::seconds(5);
// A game built for another processor and run here under qemu's emulation (a cross
// build's test run) starts and draws a few times slower, and so does this harness.
#ifdef NOUGHTS_E2E_GAME_EMULATED
constexpr int kEmulationSlowdown = 3;
#else
constexpr int kEmulationSlowdown = 1;
#endif

class RealWindow {
public:
    RealWindow();

    // How the built game is started on this test's display; change it and hand it to Start.
    GameLaunch BuiltGame() const
    {
        GameLaunch launch = GameLaunch::BuiltGame();
        m_system->Admit(launch);
        return launch;
    }

    // Starts the game; one per test.
    GameProcess& Start(const GameLaunch& launch);
    GameProcess& Game();

    // Waits for the game's window to be mapped; the test reads it and sends it input.
    GameWindow& AwaitWindow();

    // Waits until what the window shows passes check; the failure shows the last check's
    // message. Use as EXPECT_TRUE(AwaitScreen(...)).
    testing::AssertionResult AwaitScreen(
        const std::function<testing::AssertionResult(const RgbImage&)>& check);
    // Waits until the picture is shown at the window's top-left corner, pixel for pixel.
    testing::AssertionResult AwaitPicture(const RgbImage& picture);

    // Waits for the game to end; success if it ended with the expected status. The
    // failure message shows the game's standard error.
    testing::AssertionResult GameEndsWith(ExitStatus expected,
                                          std::chrono::milliseconds timeout = kExitTimeout);

    // Waits until the game's standard error holds text; the failure shows all it holds.
    testing::AssertionResult AwaitStderrText(const std::string& text);

    // For a game that runs many times slower (under valgrind): the waits for its window
    // and its screens last factor times longer.
    void ExpectSlowGame(int factor) { m_slowdown = kEmulationSlowdown * factor; }
    std::chrono::milliseconds ScreenTimeout() const { return kScreenTimeout * m_slowdown; }

    // Why the display server cannot give this test run's case; nothing when it can.
    std::optional<std::string> WhyUnsupported() const { return m_system->WhyUnsupported(); }

private:
    std::unique_ptr<WindowSystem> m_system;
    std::unique_ptr<GameProcess> m_game;
    std::unique_ptr<GameWindow> m_window;
    int m_slowdown = kEmulationSlowdown;
};

// A test with a real window of its own, driven through Window (RealWindow or a class
// over it); skipped, saying why, where the display server cannot give the run's case.
template <class Window>
class RealWindowTestOf : public testing::Test, public Window {
protected:
    void SetUp() override
    {
        if (const std::optional<std::string> reason = this->WhyUnsupported()) {
            GTEST_SKIP() << *reason;
        }
    }
};
using RealWindowTest = RealWindowTestOf<RealWindow>;

}  // namespace e2e
