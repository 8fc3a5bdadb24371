// SPDX-License-Identifier: MIT
#include "tests/e2e/ReplayedRand.h"

#include <dlfcn.h>

namespace {

e2e::GameLibc g_libc = e2e::GameLibc::Glibc;
// msvcrt's generator: its whole state is the last seed, stepped before each draw.
unsigned g_msvcrtSeed = 1;

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

extern "C" void srand(unsigned seed) noexcept
{
    if (g_libc == e2e::GameLibc::Msvcrt) {
        g_msvcrtSeed = seed;
        return;
    }
    static const auto own = GlibcOwn<void (*)(unsigned)>("srand");
    own(seed);
}

extern "C" int rand() noexcept
{
    if (g_libc == e2e::GameLibc::Msvcrt) {
        g_msvcrtSeed = g_msvcrtSeed * 214013U + 2531011U;
        return static_cast<int>(g_msvcrtSeed >> 16U & 0x7fffU);
    }
    static const auto own = GlibcOwn<int (*)()>("rand");
    return own();
}
