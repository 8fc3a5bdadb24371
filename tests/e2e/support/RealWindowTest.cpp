// SPDX-License-Identifier: MIT
#include "tests/e2e/support/RealWindowTest.h"

#include "tests/e2e/support/WaitUntil.h"

#include <stdexcept>

namespace e2e {

RealWindow::RealWindow() : m_system(ChosenWindowSystem()) {}

GameProcess& RealWindow::Start(const GameLaunch& launch)
{
    if (m_game) {
        throw std::logic_error("RealWindow: the game was already started");
    }
    m_game = std::make_unique<GameProcess>(launch);
    return *m_game;
}

GameProcess& RealWindow::Game()
{
    if (!m_game) {
        throw std::logic_error("RealWindow: the game has not been started");
    }
    return *m_game;
}

GameWindow& RealWindow::AwaitWindow()
{
    if (!m_window) {
        m_window = m_system->AwaitWindow(Game().Pid(), kWindowTimeout * m_slowdown);
    }
    return *m_window;
}

testing::AssertionResult RealWindow::GameEndsWith(ExitStatus expected,
                                                  std::chrono::milliseconds timeout)
{
    if (!m_window) {
        timeout += m_system->StartAllowance();
    }
    const std::optional<ExitStatus> status = Game().WaitForExit(timeout);
    if (status == expected) {
        return testing::AssertionSuccess();
    }
    testing::AssertionResult failure = testing::AssertionFailure();
    if (status) {
        failure << "the game ended with " << *status << ", wanted " << expected;
    } else {
        failure << "the game still runs after " << timeout.count() << " ms, wanted " << expected;
    }
    return failure << "; standard error:\n" << Game().Stderr();
}

testing::AssertionResult RealWindow::AwaitStderrText(const std::string& text)
{
    return Eventually(
        [&] {
            const std::string written = Game().Stderr();
            return written.find(text) != std::string::npos
                       ? testing::AssertionSuccess()
                       : testing::AssertionFailure()
                             << "\"" << text << "\" is not on standard error, which holds:\n"
                             << written;
        },
        ScreenTimeout());
}

testing::AssertionResult RealWindow::AwaitScreen(
    const std::function<testing::AssertionResult(const RgbImage&)>& check)
{
    GameWindow& window = AwaitWindow();
    return Eventually(
        [&] {
            const std::optional<RgbImage> screen = window.Capture();
            return screen ? check(*screen) : testing::AssertionFailure() << "no window to read";
        },
        ScreenTimeout());
}

testing::AssertionResult RealWindow::AwaitPicture(const RgbImage& picture)
{
    return AwaitScreen([&](const RgbImage& screen) { return ShowsPictureAt(screen, picture); });
}

}  // namespace e2e
