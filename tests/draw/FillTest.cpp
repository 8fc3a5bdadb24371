// SPDX-License-Identifier: MIT
#include "draw/Draw.h"
#include "tests/draw/PixelSets.h"
#include "tests/support/Surfaces.h"

#include <gtest/gtest.h>

#include <climits>

using namespace drawtest;

namespace {

class FillAtEveryDepth : public testing::TestWithParam<int> {
protected:
    void SetUp() override
    {
        ASSERT_NE(surface, nullptr);
        // Start from a colour neither black nor grey, to see the blackening.
        SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 255, 255, 255));
    }

    const sdltest::Surface surface = sdltest::MakeSurface(13, 7, GetParam());
};

TEST_P(FillAtEveryDepth, ClearScrPaintsEveryPixel)
{
    ClearScr(surface, 128, 128, 128);
    EXPECT_EQ(PointsWithColour(surface, kGrey), Rectangle(0, 0, 13, 7));
}

TEST_P(FillAtEveryDepth, FillRectBlackensThenFillsTheHalfOpenRectangle)
{
    DrawFillRect(surface, 2, 3, 5, 6, 128, 128, 128);
    const auto filled = Rectangle(2, 3, 5, 6);
    EXPECT_EQ(PointsWithColour(surface, kGrey), filled);
    EXPECT_EQ(PointsWithColour(surface, kBlack).size(), 13u * 7u - filled.size());

    // Whole rows from below the first: at 4 bytes a pixel the 13 columns need no row
    // padding, and one run covers the rows.
    DrawFillRect(surface, 0, 1, 13, 3, 128, 128, 128);
    EXPECT_EQ(PointsWithColour(surface, kGrey), Rectangle(0, 1, 13, 3));
    DrawFillRect(surface, 1, 1, 13, 3, 128, 128, 128);  // rows less their first column
    EXPECT_EQ(PointsWithColour(surface, kGrey), Rectangle(1, 1, 13, 3));
}

TEST_P(FillAtEveryDepth, EmptyOrReversedRectanglesLeaveOnlyBlack)
{
    const int cases[][4] = {{4, 1, 4, 6}, {1, 4, 9, 4}, {9, 1, 3, 6}, {1, 6, 9, 2}};
    for (const auto& c : cases) {
        SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 128, 128, 128));
        DrawFillRect(surface, c[0], c[1], c[2], c[3], 128, 128, 128);
        EXPECT_EQ(PointsWithColour(surface, kBlack), Rectangle(0, 0, 13, 7))
            << c[0] << "," << c[1] << " to " << c[2] << "," << c[3];
    }
}

TEST_P(FillAtEveryDepth, RectanglesReachingOutsideFillOnlyTheirPartInside)
{
    DrawFillRect(surface, -1000000, -5, 1000000, 3, 128, 128, 128);
    EXPECT_EQ(PointsWithColour(surface, kGrey), Rectangle(0, 0, 13, 3));

    DrawFillRect(surface, INT_MIN, INT_MIN, INT_MAX, INT_MAX, 128, 128, 128);
    EXPECT_EQ(PointsWithColour(surface, kGrey), Rectangle(0, 0, 13, 7));

    DrawFillRect(surface, 10, 5, 20, 20, 128, 128, 128);
    EXPECT_EQ(PointsWithColour(surface, kGrey), Rectangle(10, 5, 13, 7));

    DrawFillRect(surface, 13, 0, 30, 7, 128, 128, 128);
    EXPECT_TRUE(PointsWithColour(surface, kGrey).empty());
}

INSTANTIATE_TEST_SUITE_P(BytesPerPixel, FillAtEveryDepth, testing::Values(1, 2, 3, 4));

TEST(PixelRule, ThreeBytePixelsAreStoredLowByteFirst)
{
    const sdltest::Surface surface = sdltest::MakeSurface(4, 2, 3);
    ASSERT_EQ(SDL_MapRGB(surface->format, 0xAA, 0xBB, 0xCC), 0xAABBCCu);
    ClearScr(surface, 0xAA, 0xBB, 0xCC);
    const auto* bytes = static_cast<const Uint8*>(surface->pixels);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 4; ++x) {
            const Uint8* p = bytes + y * surface->pitch + 3 * x;
            EXPECT_EQ(p[0], 0xCC);
            EXPECT_EQ(p[1], 0xBB);
            EXPECT_EQ(p[2], 0xAA);
        }
    }
}

TEST(PixelRule, TwoBytePixelsCountRowsInWholeElements)
{
    // A pitch of 9 bytes: row y starts at element (9 * y) / 2, that is bytes 0, 8, 18, 26.
    Uint8 memory[9 * 4] = {};
    const sdltest::Surface surface = sdltest::MakeSurface(4, 4, 2, memory, 9);
    ASSERT_NE(surface, nullptr);
    for (int y = 0; y < 4; ++y)
        DrawLine(surface, 0, y, 1, y, 255, 255, 255);  // writes pixel (0, y) alone
    for (int i = 0; i < 36; ++i) {
        const bool written =
            i == 0 || i == 1 || i == 8 || i == 9 || i == 18 || i == 19 || i == 26 || i == 27;
        EXPECT_EQ(memory[i], written ? 0xFF : 0x00) << "byte " << i;
    }

    // And 4-byte pixels, a pitch of 18 bytes: rows start at bytes 0, 16, 36, 52.
    Uint8 wide[18 * 4] = {};
    const sdltest::Surface four = sdltest::MakeSurface(4, 4, 4, wide, 18);
    ASSERT_NE(four, nullptr);
    for (int y = 0; y < 4; ++y)
        DrawLine(four, 0, y, 1, y, 255, 255, 255);
    for (int i = 0; i < 72; ++i) {
        const int start = i / 4 * 4;  // white is 0x00FFFFFF: the fourth byte stays 0
        const bool written =
            i % 4 != 3 && (start == 0 || start == 16 || start == 36 || start == 52);
        EXPECT_EQ(wide[i] != 0, written) << "byte " << i;
    }
}

TEST(PixelRule, OtherColoursMapThroughTheSurfaceFormat)
{
    // A 16-bit 565 surface: pure red is 0xF800, whatever the drawing code thinks of it.
    const sdltest::Surface surface = sdltest::MakeSurface(3, 3, 2);
    ClearScr(surface, 255, 0, 0);
    EXPECT_EQ(PointsWithValue(surface, 0xF800), Rectangle(0, 0, 3, 3));
    // 0x2010: a high byte twice the low one, which only a byte-wise look tells apart from
    // a repeated byte.
    ClearScr(surface, 32, 0, 128);
    EXPECT_EQ(PointsWithValue(surface, 0x2010), Rectangle(0, 0, 3, 3));
}

}  // namespace
