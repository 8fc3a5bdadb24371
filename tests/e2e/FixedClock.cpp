// SPDX-License-Identifier: MIT
// Preloaded into the game by the real-window tests: time() answers the second named by
// NOUGHTS_FIXED_CLOCK, so that the computer's choices can be replayed and planned.
#include <cstdlib>
#include <ctime>

extern "C" std::time_t time(std::time_t* out)
{
    const char* now = std::getenv("NOUGHTS_FIXED_CLOCK");
    const std::time_t fixed = now != nullptr ? std::strtoll(now, nullptr, 10) : 0;
    if (out != nullptr)
        *out = fixed;
    return fixed;
}
