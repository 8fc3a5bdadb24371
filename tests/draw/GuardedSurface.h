// SPDX-License-Identifier: MIT
#pragma once

#include "tests/support/Surfaces.h"

#include <vector>

// A surface over memory the test owns, to see writes that stray: each row has padding
// bytes after its pixels, and guard bytes lie before and after the whole pixel memory.
// Padding and guards start with known patterns. The object owns both the memory and the
// SDL_Surface header; the surface must not outlive it.
class GuardedSurface {
public:
    static constexpr int kGuardBytes = 64;

    GuardedSurface(int w, int h, int bytesPerPixel, int paddingBytes);

    SDL_Surface* get() const { return m_surface; }

    // The bytes before and after the pixel memory are as they started.
    bool GuardsIntact() const;
    // The padding bytes at the end of every row are as they started.
    bool PaddingIntact() const;

private:
    int m_rowBytes;
    int m_pitch;
    std::vector<Uint8> m_memory;
    sdltest::Surface m_surface;
};
