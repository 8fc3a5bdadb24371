// SPDX-License-Identifier: MIT
#include "tests/e2e/ReplayedRand.h"

#include <dlfcn.h>

namespace {

e2e::GameLibc g_libc = e2e::GameLibc::Glibc;
// msvcrt's generator: its whole state is one number, set by srand and stepped before
// each draw.
unsigned g_msvcrtState = 1;

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
    static const auto own = GlibcOwn<void (*)(unsigned)>("srand");
    own(start);
}

extern "C" int rand() noexcept
{
    if (g_libc == e2e::GameLibc::Msvcrt) {
        g_msvcrtState = g_msvcrtState * 214013U + 2531011U;
        return static_cast<int>(g_msvcrtState >> 16U & 0x7fffU);
    }
    static const auto own = GlibcOwn<int (*)()>("rand");
    return own();
}
