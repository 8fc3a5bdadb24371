// SPDX-License-Identifier: MIT
#include "tests/e2e/support/RealWindowTest.h"

#include "tests/e2e/support/WaitUntil.h"

#include <stdexcept>

namespace e2e {

RealWindow::RealWindow() : m_connection(m_display.Name()) {}

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
        m_window = GameWindow::Await(m_connection, Game().Pid(), kWindowTimeout * m_slowdown);
    }
    return *m_window;
}

testing::AssertionResult RealWindow::GameEndsWith(ExitStatus expected,
                                                  std::chrono::milliseconds timeout)
{
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

WindowInput& RealWindow::Input()
{
    if (!m_input) {
        m_input.emplace(m_connection, AwaitWindow());
    }
    return *m_input;
}

}  // namespace e2e
