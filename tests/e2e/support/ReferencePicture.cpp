// SPDX-License-Identifier: MIT
#include "tests/e2e/support/ReferencePicture.h"

#include "tests/support/Surfaces.h"

#include <SDL.h>

#include <stdexcept>

namespace e2e {

RgbImage LoadBmpPicture(const std::string& path)
{
    SDL_Surface* surface = SDL_LoadBMP(path.c_str());
    if (surface == nullptr) {
        throw std::runtime_error("cannot load the picture " + path + ": " + SDL_GetError());
    }
    RgbImage picture(surface->w, surface->h);
    SDL_LockSurface(surface);
    for (int y = 0; y < surface->h; ++y) {
        for (int x = 0; x < surface->w; ++x) {
            picture.At(x, y) = sdltest::RgbAt(surface, x, y);
        }
    }
    SDL_UnlockSurface(surface);
    SDL_FreeSurface(surface);
    return picture;
}

}  // namespace e2e
