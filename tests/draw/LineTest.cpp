// SPDX-License-Identifier: MIT
#include "draw/Draw.h"
#include "tests/draw/PixelSets.h"
#include "tests/support/Surfaces.h"

#include <gtest/gtest.h>

#include <climits>

using namespace drawtest;

namespace {

constexpr drawtest::Point kRight{1, 0}, kDown{0, 1}, kDiagonal{1, 1};

// Lines are checked against point sets worked out by hand from the parametric form:
// 1000 points at t = 0, 0.001, ..., 0.999, each coordinate truncated toward zero.
class LineAtEveryDepth : public testing::TestWithParam<int> {
protected:
    void SetUp() override { ASSERT_NE(surface, nullptr); }

    const sdltest::Surface surface = sdltest::MakeSurface(120, 100, GetParam());
};

TEST_P(LineAtEveryDepth, IncreasingCoordinatesStopOneShortOfTheEnd)
{
    EXPECT_EQ(LineDrawn(surface, 0, 10, 100, 10), PointsAlong({0, 10}, kRight, 100));
    EXPECT_EQ(LineDrawn(surface, 0, 0, 0, 89), PointsAlong({0, 0}, kDown, 89));
    EXPECT_EQ(LineDrawn(surface, 0, 0, 50, 50), PointsAlong({0, 0}, kDiagonal, 50));
}

TEST_P(LineAtEveryDepth, DecreasingCoordinatesTowardZeroOrMoreReachTheEnd)
{
    EXPECT_EQ(LineDrawn(surface, 10, 0, 0, 0), PointsAlong({0, 0}, kRight, 11));
    EXPECT_EQ(LineDrawn(surface, 50, 50, 0, 0), PointsAlong({0, 0}, kDiagonal, 51));
    EXPECT_EQ(LineDrawn(surface, 30, 80, 30, 20), PointsAlong({30, 20}, kDown, 61));
}

TEST_P(LineAtEveryDepth, CoordinatesAreTruncatedTowardZero)
{
    // x = -3t stays above -1 up to t = 0.333, which truncates to column 0, and the
    // row reaches 30 * 0.333 = 9.99 by then: column 0, rows 0 to 9. Flooring would
    // have drawn the single point (0, 0).
    EXPECT_EQ(LineDrawn(surface, 0, 0, -3, 30), PointsAlong({0, 0}, kDown, 10));

    // The cross stroke that starts one pixel above and left of a sprite: its first
    // points truncate onto (0, 0), and it ends at (88, 88).
    EXPECT_EQ(LineDrawn(surface, -1, -1, 89, 89), PointsAlong({0, 0}, kDiagonal, 89));
}

TEST_P(LineAtEveryDepth, PointsOutsideTheSurfaceAreSkipped)
{
    // Right edge: columns 100 to 119 on the surface, 120 to 149 off it.
    EXPECT_EQ(LineDrawn(surface, 100, 5, 150, 5), PointsAlong({100, 5}, kRight, 20));
    EXPECT_EQ(LineDrawn(surface, 7, -50, 7, 150),
              PointsAlong({7, 0}, kDown, 100));  // rows a fifth of a pixel apart

    // Ends at the limits of int and far off the surface: the points that land on it
    // are the only ones written (AddressSanitizer watches the rest).
    const int acrossRow3[][4] = {{INT_MIN, 3, INT_MAX, 3}, {1000000, 3, -1000000, 3}};
    for (const auto& e : acrossRow3) {
        for (const auto& point : LineDrawn(surface, e[0], e[1], e[2], e[3]))
            EXPECT_EQ(point.second, 3);
    }
    const int offTheSurface[][4] = {{INT_MAX, INT_MAX, INT_MAX, INT_MIN},
                                    {-1000000, -1000000, -1000000, 1000000},
                                    {INT_MIN, INT_MIN, INT_MIN, INT_MIN}};
    for (const auto& e : offTheSurface)
        EXPECT_TRUE(LineDrawn(surface, e[0], e[1], e[2], e[3]).empty());
    for (const auto& point :
         LineDrawn(surface, INT_MIN, INT_MIN, INT_MAX, INT_MAX))  // through the middle
        EXPECT_EQ(point.first, point.second);
    EXPECT_EQ(LineDrawn(surface, -1000, 3, 1000, 3),
              PointsAlong({0, 3}, {2, 0}, 60));  // two columns a point
    // The first point, at exactly x = -1, truncates to column -1, off the surface; drawn,
    // it would land at the end of the row above.
    for (const auto& point : LineDrawn(surface, -1, 5, 30, 20))
        EXPECT_GE(point.second, 5) << point.first;
}

INSTANTIATE_TEST_SUITE_P(BytesPerPixel, LineAtEveryDepth, testing::Values(1, 2, 3, 4));

TEST(Line, HasExactlyOneThousandPoints)
{
    // Across 2000 columns the points are two columns apart, so none repeats: the even
    // columns 0 to 1998. A single-precision parameter would add a 1001st at 1999.
    const sdltest::Surface surface = sdltest::MakeSurface(2001, 1, 1);
    EXPECT_EQ(LineDrawn(surface, 0, 0, 2000, 0), PointsAlong({0, 0}, {2, 0}, 1000));
}

TEST(Line, DoesNotClearTheSurface)
{
    const sdltest::Surface surface = sdltest::MakeSurface(10, 10, 4);
    const Uint32 grey = SDL_MapRGB(surface->format, 128, 128, 128);
    SDL_FillRect(surface, nullptr, grey);
    DrawLine(surface, 0, 0, 10, 0, 255, 255, 255);
    EXPECT_EQ(PointsWithValue(surface, grey).size(), 90u);
}

}  // namespace
