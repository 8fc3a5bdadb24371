// SPDX-License-Identifier: MIT
#include "draw/Draw.h"
#include "tests/draw/GuardedSurface.h"
#include "tests/support/Surfaces.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <tuple>
#include <vector>

namespace {

// Arguments that reach every edge and far past it, for rectangles and lines.
const int kEnds[] = {INT_MIN, -1000000, -2,  -1,  0,   1,       2,      89,
                     90,      271,      272, 479, 480, 1000000, INT_MAX};
// Centres and radii for circles: on tiny surfaces the shifted points fall before memory.
const int kCentres[] = {INT_MIN, -50, 0, 1, 2, 3, 4, 45, 240, 479, 480, INT_MAX};
const int kRadii[] = {INT_MIN, -100000, -3, 0, 1, 2, 3, 45, 300, 100000, INT_MAX};

void DrawEveryRectangleAndLine(SDL_Surface* surface)
{
    for (const int a : kEnds) {
        for (const int b : kEnds) {
            DrawFillRect(surface, a, b, b, a, 128, 128, 128);
            DrawFillRect(surface, a, a, b, b, 128, 128, 128);
            DrawLine(surface, a, b, b, a, 255, 255, 255);
            DrawLine(surface, a, 0, b, surface->h, 255, 255, 255);
            DrawLine(surface, 0, a, surface->w, b, 255, 255, 255);
        }
    }
    ClearScr(surface, 255, 255, 255);
}

void DrawEveryCircle(SDL_Surface* surface)
{
    for (const int r : kRadii)
        for (const int x : kCentres)
            for (const int y : kCentres)
                DrawCircle(surface, x, y, r, 255, 255, 255);
}

using Shape = std::tuple<int, int, int>;  // width, height, bytes per pixel

class DrawingStaysInsideMemory : public testing::TestWithParam<Shape> {};

// Memory of the test's own with padded rows and guards: rectangles, lines and clears
// touch neither; circles may reach a row's padding (their wrapped points) but no guard.
TEST_P(DrawingStaysInsideMemory, WithPaddedRowsAndGuards)
{
    const auto [w, h, bpp] = GetParam();
    for (const int padding : {0, 4, 12}) {
        GuardedSurface guarded(w, h, bpp, padding);
        ASSERT_NE(guarded.Surface(), nullptr);
        DrawEveryRectangleAndLine(guarded.Surface());
        EXPECT_TRUE(guarded.GuardsIntact()) << "padding " << padding;
        EXPECT_TRUE(guarded.PaddingIntact()) << "padding " << padding;
        DrawEveryCircle(guarded.Surface());
        EXPECT_TRUE(guarded.GuardsIntact()) << "padding " << padding;
    }

    // A malformed surface whose rows are one pixel wider than its pitch holds: only the
    // columns that fit in the pitch may be written, or the last row runs past the memory.
    GuardedSurface narrow(w, h, bpp, 0);
    ASSERT_NE(narrow.Surface(), nullptr);
    narrow.Surface()->w = w + 1;
    DrawEveryRectangleAndLine(narrow.Surface());
    EXPECT_TRUE(narrow.GuardsIntact()) << "rows wider than the pitch";
    DrawEveryCircle(narrow.Surface());
    // Points in the last row, claimed 5 columns wider still: shifted left by 1 to 4 columns,
    // one of them would start exactly where the memory ends.
    narrow.Surface()->w = w + 5;
    for (int x = w; x <= w + 4; ++x)
        DrawCircle(narrow.Surface(), x, h - 1, 0, 255, 255, 255);
    EXPECT_TRUE(narrow.GuardsIntact()) << "rows wider than the pitch";
    // The one whose pixel is the memory's very last is drawn: the bound is the memory's end.
    if (h > 1) {
        const int kCircleShift[] = {0, 1, 2, 1, 4};
        SDL_Surface* surface = narrow.Surface();
        DrawCircle(surface, w - 1 + kCircleShift[bpp], h - 1, 0, 255, 255, 255);
        const Uint8* last = static_cast<const Uint8*>(surface->pixels) + surface->pitch * h - bpp;
        Uint32 stored = 0;
        for (int i = 0; i < bpp; ++i)
            stored |= static_cast<Uint32>(last[i]) << (8 * i);
        EXPECT_EQ(stored, SDL_MapRGB(surface->format, 255, 255, 255)) << "the last pixel";
    }

    // Ones with no column or no row over memory that is there: nothing may be written.
    for (const bool noColumn : {true, false}) {
        GuardedSurface empty(w, h, bpp, 0);
        ASSERT_NE(empty.Surface(), nullptr);
        SDL_Surface* surface = empty.Surface();
        const auto* pixels = static_cast<const Uint8*>(surface->pixels);
        const std::vector<Uint8> before(pixels, pixels + static_cast<size_t>(surface->pitch) * h);
        (noColumn ? surface->w : surface->h) = 0;
        DrawEveryRectangleAndLine(surface);  // which ends in white, a circle in black
        EXPECT_EQ(std::vector<Uint8>(pixels, pixels + before.size()), before)
            << (noColumn ? "no column" : "no row");
        DrawEveryCircle(surface);
        EXPECT_EQ(std::vector<Uint8>(pixels, pixels + before.size()), before)
            << (noColumn ? "no column" : "no row");
    }

    // One whose pitch holds no whole pixel (one byte, the memory cut into rows of one byte
    // each): no column at all may be written.
    if (bpp > 1) {
        GuardedSurface sliver(1, h, bpp, 0);
        ASSERT_NE(sliver.Surface(), nullptr);
        sliver.Surface()->pitch = 1;
        sliver.Surface()->h = h * bpp;
        DrawEveryRectangleAndLine(sliver.Surface());
        DrawEveryCircle(sliver.Surface());
        EXPECT_TRUE(sliver.GuardsIntact()) << "a pitch shorter than a pixel";
    }
}

// SDL's own surfaces, whose pixel memory is exactly pitch times height on the heap:
// AddressSanitizer reports any byte past it.
TEST_P(DrawingStaysInsideMemory, OnSdlSurfaces)
{
    const auto [w, h, bpp] = GetParam();
    const sdltest::Surface surface = sdltest::MakeSurface(w, h, bpp);
    ASSERT_NE(surface, nullptr);
    DrawEveryRectangleAndLine(surface);
    DrawEveryCircle(surface);
}

std::string ShapeName(const testing::TestParamInfo<Shape>& info)
{
    const auto [w, h, bpp] = info.param;
    return std::to_string(w) + "x" + std::to_string(h) + "at" + std::to_string(bpp);
}

INSTANTIATE_TEST_SUITE_P(Shapes, DrawingStaysInsideMemory,
                         testing::Combine(testing::Values(1, 2, 3, 5, 90, 480),
                                          testing::Values(1, 2, 4, 91, 272),
                                          testing::Values(1, 2, 3, 4)),
                         ShapeName);

}  // namespace
