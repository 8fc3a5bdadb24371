// SPDX-License-Identifier: MIT
#pragma once

#include <SDL.h>

#include <algorithm>

// The pixel memory of a locked (or lock-free) surface, and the part of it a write may
// reach. A view only: it owns nothing and is valid while the surface stays locked and
// keeps its pixels. Internal to draw/.
namespace draw_detail {

struct PixelMemory {
    Uint8* base;
    int width;   // the surface's w
    int height;  // the surface's h
    int pitch;
    int columns;      // columns whose every byte lies inside its row: min(w, pitch / size)
    long long bytes;  // pitch * h, the whole pixel memory
};

inline PixelMemory MemoryOf(const SDL_Surface* surface, int bytesPerPixel)
{
    const int width = std::max(surface->w, 0);
    const int height = std::max(surface->h, 0);
    const int pitch = surface->pitch;
    return {static_cast<Uint8*>(surface->pixels),
            width,
            height,
            pitch,
            std::min(width, pitch / bytesPerPixel),
            static_cast<long long>(pitch) * height};
}

}  // namespace draw_detail
