// SPDX-License-Identifier: MIT
#pragma once

#include <SDL.h>

#include <cstdint>

// Surfaces and pixel reads for the drawing and picture tests.
namespace sdltest {

// A software surface of w x h at bytesPerPixel (1 to 4), with the usual RGB masks.
// The caller frees it with SDL_FreeSurface.
SDL_Surface* MakeSurface(int w, int h, int bytesPerPixel);

// The raw pixel value at (x, y), read independently of the drawing code: bytes in
// memory order for 3-byte pixels (low byte first), native integers otherwise.
Uint32 PixelAt(const SDL_Surface* surface, int x, int y);

// The pixel at (x, y) as 0xRRGGBB, whatever the surface's format.
Uint32 RgbAt(const SDL_Surface* surface, int x, int y);

}  // namespace sdltest
