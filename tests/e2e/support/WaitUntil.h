// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <thread>

// Polling instead of fixed sleeps: a test waits only as long as the game needs, up to a
// generous limit that only a fault reaches.
namespace e2e {

constexpr auto kPollInterval = std::chrono::milliseconds(20);

// Calls condition every kPollInterval until it gives true or the timeout has passed;
// returns its last answer. The condition is always asked at least once.
template <typename Condition>
bool WaitUntil(Condition condition, std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (condition()) {
            return true;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(kPollInterval);
    }
}

}  // namespace e2e
