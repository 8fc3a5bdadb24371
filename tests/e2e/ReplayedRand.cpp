// SPDX-License-Identifier: MIT
#include "tests/e2e/ReplayedRand.h"

#include <dlfcn.h>

#include <cstdint>

namespace {

e2e::GameLibc g_libc = e2e::GameLibc::Glibc;
// msvcrt's generator: its whole state is one number, set by srand and stepped before
// each draw.
unsigned g_msvcrtState = 1;
// musl's: a 64-bit linear congruential generator; srand(s) sets it to s - 1, and each draw
// steps it and gives its top 31 bits.
uint64_t g_muslState = 0;

// glibc's own function of that name, which this program's definition hides.
template <typename Function>
Function GlibcOwn(const char* name)
{
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

}  // namespace

namespace e2e {

void ReplayRandOf(GameLibc libc)
{
    g_libc = libc;
}

}  // namespace e2e

extern "C" void srand(unsigned start) noexcept
{
    if (g_libc == e2e::GameLibc::Msvcrt) {
        g_msvcrtState = start;
        return;
    }
    if (g_libc == e2e::GameLibc::Musl) {
        g_muslState = start - 1U;
        return;
    }
    static const auto own = GlibcOwn<void (*)(unsigned)>("srand");
    own(start);
}

extern "C" int rand() noexcept
{
    if (g_libc == e2e::GameLibc::Msvcrt) {
        g_msvcrtState = g_msvcrtState * 214013U + 2531011U;
        return static_cast<int>(g_msvcrtState >> 16U & 0x7fffU);
    }
    if (g_libc == e2e::GameLibc::Musl) {
        g_muslState = g_muslState * 6364136223846793005ULL + 1U;
        return static_cast<int>(g_muslState >> 33U);
    }
    static const auto own = GlibcOwn<int (*)()>("rand");
    return own();
}
