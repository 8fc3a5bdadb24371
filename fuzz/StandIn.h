// SPDX-License-Identifier: MIT
#pragma once

#include <SDL.h>
#include <dlfcn.h>

// What the screens fuzzer's stand-ins for SDL's calls share. Stateless.

// The call a stand-in replaces: the next definition of the name past this program.
template <typename Function>
Function Real(const char* name)
{
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

inline bool SameFormat(const SDL_PixelFormat* a, const SDL_PixelFormat* b)
{
    return a->BitsPerPixel == b->BitsPerPixel && a->Rmask == b->Rmask && a->Gmask == b->Gmask &&
           a->Bmask == b->Bmask && a->Amask == b->Amask;
}
