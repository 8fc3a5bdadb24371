// SPDX-License-Identifier: MIT
#pragma once

#include "fuzz/GuardedPixels.h"
#include "tests/support/Surfaces.h"

// The drawing fuzzer's guarded pixel memory in MakeSurface's formats, with paddingBytes
// after each row's pixels; the guards and the padding start with a byte that no colour
// drawn in the tests gives.
class GuardedSurface : public GuardedPixels {
public:
    GuardedSurface(int w, int h, int bytesPerPixel, int paddingBytes)
        : GuardedPixels(Layout(w, h, bytesPerPixel, paddingBytes))
    {
        Mark(0xA5);
        sdltest::GiveDistinctColours(Surface());
    }

private:
    static PixelLayout Layout(int w, int h, int bytesPerPixel, int paddingBytes)
    {
        const sdltest::RgbMasks m = sdltest::UsualMasks(bytesPerPixel);
        return {w, h, bytesPerPixel, m.r, m.g, m.b, 0, paddingBytes, 0};
    }
};
