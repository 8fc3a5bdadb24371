// SPDX-License-Identifier: MIT
#pragma once

#include "tests/e2e/support/GameWindow.h"
#include "tests/e2e/support/RgbImage.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>

// Waiting for the game's window to show something, with a failure message that says
// what it showed instead. Use as EXPECT_TRUE(WaitForPicture(window, ...)).
namespace e2e {

constexpr auto kScreenTimeout = std::chrono::seconds(5);

// Until what the window shows passes check; the failure shows the last check's message.
testing::AssertionResult WaitForScreen(
    const GameWindow& window, const std::function<testing::AssertionResult(const RgbImage&)>& check,
    std::chrono::milliseconds timeout = kScreenTimeout);

// Until the picture is shown at the window's top-left corner, pixel for pixel.
inline testing::AssertionResult WaitForPicture(const GameWindow& window, const RgbImage& picture,
                                               std::chrono::milliseconds timeout = kScreenTimeout)
{
    return WaitForScreen(
        window, [&](const RgbImage& screen) { return ShowsPictureAt(screen, picture); }, timeout);
}

}  // namespace e2e
