// SPDX-License-Identifier: MIT
#pragma once

#include "tests/e2e/support/GameProcess.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>

// Waiting for the game to write something, with a failure message that shows what it
// did write. Use as ASSERT_TRUE(WaitForStderrText(game, "intro.bmp")).
namespace e2e {

constexpr auto kOutputTimeout = std::chrono::seconds(5);

testing::AssertionResult WaitForStdoutText(const GameProcess& game, const std::string& text,
                                           std::chrono::milliseconds timeout = kOutputTimeout);
testing::AssertionResult WaitForStderrText(const GameProcess& game, const std::string& text,
                                           std::chrono::milliseconds timeout = kOutputTimeout);

}  // namespace e2e
