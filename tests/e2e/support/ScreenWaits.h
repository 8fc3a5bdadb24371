// SPDX-License-Identifier: MIT
#pragma once

#include "tests/e2e/support/GameWindow.h"
#include "tests/e2e/support/RgbImage.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>

// Waiting for the game's window to show something, with a failure message that says
// what it showed instead. Use as EXPECT_TRUE(WaitForPixel(window, ...)).
namespace e2e {

constexpr auto kScreenTimeout = std::chrono::seconds(5);

testing::AssertionResult WaitForPixel(const GameWindow& window, int x, int y, uint32_t rgb,
                                      std::chrono::milliseconds timeout = kScreenTimeout);

// Until the picture is shown at the window's top-left corner, pixel for pixel.
testing::AssertionResult WaitForPicture(const GameWindow& window, const RgbImage& picture,
                                        std::chrono::milliseconds timeout = kScreenTimeout);

}  // namespace e2e
