// SPDX-License-Identifier: MIT
#include "tests/support/Surfaces.h"

#include <cstring>
#include <ios>
#include <sstream>

namespace sdltest {

RgbMasks UsualMasks(int bytesPerPixel)
{
    return bytesPerPixel == 1   ? RgbMasks{0, 0, 0}
           : bytesPerPixel == 2 ? RgbMasks{0xF800, 0x07E0, 0x001F}
                                : RgbMasks{0xFF0000, 0x00FF00, 0x0000FF};
}

void GiveDistinctColours(SDL_Surface* surface)
{
    if (surface == nullptr || surface->format->BytesPerPixel != 1)
        return;
    SDL_Color colours[256];
    for (int i = 0; i < 256; ++i)
        colours[i] = {Uint8((i >> 5) * 255 / 7), Uint8(((i >> 2) & 7) * 255 / 7),
                      Uint8((i & 3) * 255 / 3), 0};
    SDL_SetColors(surface, colours, 0, 256);
}

Surface MakeSurface(int w, int h, int bytesPerPixel, void* pixels, int pitch)
{
    const RgbMasks m = UsualMasks(bytesPerPixel);
    const int bits = 8 * bytesPerPixel;
    Surface surface(pixels == nullptr
                        ? SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, bits, m.r, m.g, m.b, 0)
                        : SDL_CreateRGBSurfaceFrom(pixels, w, h, bits, pitch, m.r, m.g, m.b, 0));
    GiveDistinctColours(surface);
    return surface;
}

Uint32 PixelAt(const SDL_Surface* surface, int x, int y)
{
    const int bytes = surface->format->BytesPerPixel;
    const auto* row = static_cast<const Uint8*>(surface->pixels) + y * surface->pitch;
    Uint32 value = 0;  // the machine is little-endian: the low bytes take the pixel's
    std::memcpy(&value, row + bytes * x, bytes);
    return value;
}

Uint32 RgbAt(const SDL_Surface* surface, int x, int y)
{
    Uint8 r, g, b;
    SDL_GetRGB(PixelAt(surface, x, y), surface->format, &r, &g, &b);
    return (Uint32(r) << 16) | (Uint32(g) << 8) | b;
}

testing::AssertionResult SameColours(const SDL_Surface* shown, const SDL_Surface* wanted, int w,
                                     int h)
{
    int differing = 0;
    std::ostringstream first;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const Uint32 a = RgbAt(shown, x, y), b = RgbAt(wanted, x, y);
            if (a != b && differing++ == 0)
                first << "first difference at (" << x << ", " << y << "): " << std::hex << a
                      << " shown, " << b << " wanted";
        }
    }
    if (differing == 0)
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << first.str() << "; " << differing << " points differ";
}

}  // namespace sdltest
