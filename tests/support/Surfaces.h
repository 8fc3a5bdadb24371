// SPDX-License-Identifier: MIT
#pragma once

#include <SDL.h>
#include <gtest/gtest.h>

#include <memory>

// Surfaces and pixel reads for the drawing and picture tests.
namespace sdltest {

struct FreeSurface {
    void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};

// An SDL surface that is freed when it goes, and passes wherever an SDL_Surface* is asked
// for, so that a test that stops early leaks nothing.
class Surface : public std::unique_ptr<SDL_Surface, FreeSurface> {
public:
    using unique_ptr::unique_ptr;
    operator SDL_Surface*() const& { return get(); }
    // A temporary would be freed under the pointer it gave.
    operator SDL_Surface*() && = delete;
};

// The usual RGB masks at bytesPerPixel (1 to 4): none at 1, 5-6-5 at 2, 8-8-8 above.
struct RgbMasks {
    Uint32 r, g, b;
};
RgbMasks UsualMasks(int bytesPerPixel);

// SDL starts an 8-bit surface with an all-black palette, where every colour maps to index
// 0: this gives it a 3-3-2 palette, so that distinct colours stay distinct. Others it leaves.
void GiveDistinctColours(SDL_Surface* surface);

// A software surface of w x h at bytesPerPixel (1 to 4), with the usual RGB masks; 8-bit
// surfaces get a 3-3-2 palette. Over the caller's pixels, rows pitch bytes apart, if given.
Surface MakeSurface(int w, int h, int bytesPerPixel, void* pixels = nullptr, int pitch = 0);

// The raw pixel value at (x, y), read independently of the drawing code: its bytes low
// byte first, which on this little-endian machine is also the native integer.
Uint32 PixelAt(const SDL_Surface* surface, int x, int y);

// The pixel at (x, y) as 0xRRGGBB, whatever the surface's format.
Uint32 RgbAt(const SDL_Surface* surface, int x, int y);

// Success when shown and wanted have the same colours at every point of the w x h area at
// their top left; else where they first differ, and at how many points.
testing::AssertionResult SameColours(const SDL_Surface* shown, const SDL_Surface* wanted, int w,
                                     int h);

}  // namespace sdltest
