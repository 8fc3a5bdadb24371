// SPDX-License-Identifier: MIT
// Preloaded into the game by the real-window tests: time() answers the second named by
// NOUGHTS_FIXED_CLOCK, so that the computer's choices can be replayed and planned. The
// realtime clock answers it too: Wine's loader, preloaded with this, gives it to the
// Windows program's time(). The other clocks, which time frames and waits, run on.
#include <dlfcn.h>

#include <cstdlib>
#include <ctime>

namespace {

std::time_t FixedSecond()
{
    const char* now = std::getenv("NOUGHTS_FIXED_CLOCK");
    return now != nullptr ? std::strtoll(now, nullptr, 10) : 0;
}

}  // namespace

extern "C" std::time_t time(std::time_t* out) noexcept
{
    const std::time_t fixed = FixedSecond();
    if (out != nullptr)
        *out = fixed;
    return fixed;
}

extern "C" int clock_gettime(clockid_t clock, timespec* now) noexcept
{
    if (clock == CLOCK_REALTIME || clock == CLOCK_REALTIME_COARSE) {
        *now = timespec{FixedSecond(), 0};
        return 0;
    }
    static const auto own =
        reinterpret_cast<int (*)(clockid_t, timespec*)>(dlsym(RTLD_NEXT, "clock_gettime"));
    return own(clock, now);
}
