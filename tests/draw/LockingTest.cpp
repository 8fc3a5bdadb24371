// SPDX-License-Identifier: MIT
#include "draw/Draw.h"
#include "tests/draw/PixelSets.h"
#include "tests/support/Surfaces.h"

#include <gtest/gtest.h>

#include <ios>
#include <utility>
#include <vector>

using namespace drawtest;

namespace {

// An RLE colour-keyed surface is encoded at its first blit; from then on it must be
// locked, and until it is its pixel memory is gone (pixels is null). Classic SDL 1.2 does
// this; an SDL that keeps such a surface plain cannot give this situation at all.
class MustLockSurface : public testing::TestWithParam<int> {
protected:
    void SetUp() override
    {
        ASSERT_NE(surface, nullptr);
        SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 10, 200, 30));
        ASSERT_EQ(SDL_SetColorKey(surface, SDL_SRCCOLORKEY | SDL_RLEACCEL, 0), 0);
        ASSERT_EQ(SDL_BlitSurface(surface, nullptr, target, nullptr), 0);
        if (!SDL_MUSTLOCK(surface) || surface->pixels != nullptr) {
            GTEST_SKIP() << "this SDL keeps an RLE colour-keyed surface's pixels after its "
                            "first blit and asks for no lock (flags 0x"
                         << std::hex << surface->flags
                         << "), so a surface with no pixels until it is locked cannot be made "
                            "here (sdl12-compat behaves so; classic SDL 1.2 runs this test)";
        }
    }
    PointSet LockedPointsWithColour(Uint32 rgb)
    {
        EXPECT_EQ(SDL_LockSurface(surface), 0);
        const auto points = PointsWithColour(surface, rgb);
        SDL_UnlockSurface(surface);
        return points;
    }

    const sdltest::Surface surface = sdltest::MakeSurface(20, 12, GetParam());
    const sdltest::Surface target = sdltest::MakeSurface(20, 12, GetParam());
};

TEST_P(MustLockSurface, ClearScrLocksItAndPaintsEveryPixel)
{
    ClearScr(surface, 255, 255, 255);
    EXPECT_EQ(LockedPointsWithColour(kWhite), Rectangle(0, 0, 20, 12));
    EXPECT_EQ(surface->pixels, nullptr);  // unlocked again: encoded as before
}

TEST_P(MustLockSurface, FillRectBlackensAndFills)
{
    DrawFillRect(surface, 3, 2, 8, 9, 128, 128, 128);
    EXPECT_EQ(LockedPointsWithColour(kGrey), Rectangle(3, 2, 8, 9));
    EXPECT_EQ(LockedPointsWithColour(kBlack).size(), 240u - 35u);
}

TEST_P(MustLockSurface, CircleBlackensFirstAndLineDrawsOnTop)
{
    DrawCircle(surface, 1000, 1000, 3, 255, 255, 255);
    EXPECT_EQ(LockedPointsWithColour(kBlack), Rectangle(0, 0, 20, 12));
    DrawLine(surface, 0, 5, 20, 5, 255, 255, 255);
    EXPECT_EQ(LockedPointsWithColour(kWhite), Rectangle(0, 5, 20, 6));
}

INSTANTIATE_TEST_SUITE_P(BytesPerPixel, MustLockSurface, testing::Values(1, 2, 3, 4));

TEST(SurfaceWithOffset, IsDrawnWhereItsPixelsStartOnceLocked)
{
    // Surfaces whose pixels begin past the start of their memory, as a display surface
    // with an offset does: locking moves pixels there, so drawing must happen under the
    // lock. One row in, and the smallest offset there is, a single byte.
    const int w = 6, h = 4;
    for (const auto& [bpp, offset] : {std::pair{4, w * 4}, std::pair{3, 1}}) {
        const int pitch = w * bpp;
        std::vector<Uint8> memory(static_cast<size_t>(pitch) * h + offset, 0x5A);
        const sdltest::Surface surface = sdltest::MakeSurface(w, h, bpp, memory.data(), pitch);
        ASSERT_NE(surface, nullptr);
        surface->offset = offset;
        ASSERT_TRUE(SDL_MUSTLOCK(surface));
        ASSERT_EQ(SDL_LockSurface(surface), 0);
        const bool offsetHonoured = surface->pixels == memory.data() + offset;
        SDL_UnlockSurface(surface);
        if (!offsetHonoured) {
            surface->offset = 0;
            GTEST_SKIP() << "this SDL does not move pixels by the offset field when it locks a "
                            "surface, so pixels that begin past the surface's memory cannot be "
                            "made here (sdl12-compat behaves so; classic SDL 1.2 runs this test)";
        }
        // The pixel stored at a byte of the memory, in the machine's (little-endian) order.
        const auto pixelAt = [&](size_t start) {
            Uint32 value = 0;
            for (int i = 0; i < bpp; ++i)
                value |= static_cast<Uint32>(memory[start + i]) << (8 * i);
            return value;
        };
        const Uint32 white = SDL_MapRGB(surface->format, 255, 255, 255);
        const Uint32 grey = SDL_MapRGB(surface->format, 128, 128, 128);

        ClearScr(surface, 255, 255, 255);
        for (int i = 0; i < offset; ++i)
            EXPECT_EQ(memory[i], 0x5A) << "before the surface's pixels, at " << i;
        for (size_t i = offset; i < memory.size(); i += bpp)
            EXPECT_EQ(pixelAt(i), white) << "offset " << offset << ", byte " << i;

        DrawFillRect(surface, 0, 0, 1, 1, 128, 128, 128);
        EXPECT_EQ(pixelAt(offset), grey) << "offset " << offset;
        EXPECT_EQ(pixelAt(offset + bpp), 0u) << "offset " << offset;
        EXPECT_EQ(memory[0], 0x5A) << "offset " << offset;

        surface->offset = 0;
    }
}

TEST(SurfaceLockedByTheCaller, StaysLockedAfterTheDrawing)
{
    const sdltest::Surface surface = sdltest::MakeSurface(8, 8, 4);
    const sdltest::Surface target = sdltest::MakeSurface(8, 8, 4);
    ASSERT_EQ(SDL_LockSurface(surface), 0);
    DrawLine(surface, 0, 0, 8, 0, 255, 255, 255);
    EXPECT_EQ(SDL_BlitSurface(surface, nullptr, target, nullptr), -1) << "SDL refuses a locked one";
    SDL_UnlockSurface(surface);
}

TEST(SurfaceWithoutPixels, IsNeverWrittenThrough)
{
    const sdltest::Surface surface(
        SDL_CreateRGBSurfaceFrom(nullptr, 40, 30, 32, 160, 0xFF0000, 0x00FF00, 0x0000FF, 0));
    ASSERT_NE(surface, nullptr);
    SDL_Surface* const targets[] = {surface, nullptr};
    for (SDL_Surface* target : targets) {
        ClearScr(target, 1, 2, 3);
        DrawFillRect(target, 0, 0, 40, 30, 1, 2, 3);
        DrawLine(target, 0, 0, 40, 30, 1, 2, 3);
        DrawCircle(target, 20, 15, 10, 1, 2, 3);
    }
}

}  // namespace
