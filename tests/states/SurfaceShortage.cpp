// SPDX-License-Identifier: MIT
#include "tests/states/SurfaceShortage.h"

#include <SDL.h>
#include <dlfcn.h>

namespace {

const SurfaceShortage* g_shortage = nullptr;

}  // namespace

struct SurfaceRequests {
    static bool Refused(int width, int height)
    {
        return g_shortage != nullptr && width == g_shortage->m_width &&
               height == g_shortage->m_height;
    }
};

SurfaceShortage::SurfaceShortage(int width, int height) : m_width(width), m_height(height)
{
    g_shortage = this;
}

SurfaceShortage::~SurfaceShortage()
{
    g_shortage = nullptr;
}

extern "C" SDL_Surface* SDL_CreateRGBSurface(Uint32 flags, int width, int height, int depth,
                                             Uint32 Rmask, Uint32 Gmask, Uint32 Bmask, Uint32 Amask)
{
    if (SurfaceRequests::Refused(width, height)) {
        SDL_SetError("Out of memory");
        return nullptr;
    }
    using Create = SDL_Surface*(Uint32, int, int, int, Uint32, Uint32, Uint32, Uint32);
    static Create* const sdls = reinterpret_cast<Create*>(dlsym(RTLD_NEXT, "SDL_CreateRGBSurface"));
    return sdls(flags, width, height, depth, Rmask, Gmask, Bmask, Amask);
}
