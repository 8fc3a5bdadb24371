// SPDX-License-Identifier: MIT
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

// Polling instead of fixed sleeps: a test waits only as long as the game needs, up to a
// generous limit that only a fault reaches.
namespace e2e {

constexpr auto kPollInterval = std::chrono::milliseconds(20);

// Asks check (giving a testing::AssertionResult) every kPollInterval until it succeeds or
// the timeout has passed, and always at least once; the failure tells how long it waited
// and what the last look found.
template <typename Check>
testing::AssertionResult Eventually(Check check, std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        testing::AssertionResult last = check();
        if (last) {
            return last;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            return testing::AssertionFailure() << "not within " << timeout.count()
                                               << " ms; at the last look: " << last.message();
        }
        std::this_thread::sleep_for(kPollInterval);
    }
}

}  // namespace e2e
