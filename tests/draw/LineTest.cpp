// SPDX-License-Identifier: MIT
#include "draw/Draw.h"
#include "tests/draw/PixelSets.h"
#include "tests/support/Surfaces.h"

#include <gtest/gtest.h>

#include <climits>

using drawtest::PointSet;
using drawtest::PointsWithValue;

namespace {

// Lines are checked against point sets worked out by hand from the parametric form:
// 1000 points at t = 0, 0.001, ..., 0.999, each coordinate truncated toward zero.
class LineAtEveryDepth : public testing::TestWithParam<int> {
protected:
    void SetUp() override
    {
        surface = sdltest::MakeSurface(120, 100, GetParam());
        ASSERT_NE(surface, nullptr);
        SDL_FillRect(surface, nullptr, 0);
        white = SDL_MapRGB(surface->format, 255, 255, 255);
    }
    void TearDown() override { SDL_FreeSurface(surface); }

    PointSet Drawn() const { return PointsWithValue(surface, white); }

    SDL_Surface* surface = nullptr;
    Uint32 white = 0;
};

PointSet Row(int y, int xFirst, int xLast)
{
    PointSet points;
    for (int x = xFirst; x <= xLast; ++x)
        points.insert({x, y});
    return points;
}

PointSet Column(int x, int yFirst, int yLast)
{
    PointSet points;
    for (int y = yFirst; y <= yLast; ++y)
        points.insert({x, y});
    return points;
}

PointSet Diagonal(int first, int last)
{
    PointSet points;
    for (int k = first; k <= last; ++k)
        points.insert({k, k});
    return points;
}

TEST_P(LineAtEveryDepth, IncreasingCoordinatesStopOneShortOfTheEnd)
{
    DrawLine(surface, 0, 10, 100, 10, 255, 255, 255);
    EXPECT_EQ(Drawn(), Row(10, 0, 99));

    SDL_FillRect(surface, nullptr, 0);
    DrawLine(surface, 0, 0, 0, 89, 255, 255, 255);
    EXPECT_EQ(Drawn(), Column(0, 0, 88));

    SDL_FillRect(surface, nullptr, 0);
    DrawLine(surface, 0, 0, 50, 50, 255, 255, 255);
    EXPECT_EQ(Drawn(), Diagonal(0, 49));
}

TEST_P(LineAtEveryDepth, DecreasingCoordinatesTowardZeroOrMoreReachTheEnd)
{
    DrawLine(surface, 10, 0, 0, 0, 255, 255, 255);
    EXPECT_EQ(Drawn(), Row(0, 0, 10));

    SDL_FillRect(surface, nullptr, 0);
    DrawLine(surface, 50, 50, 0, 0, 255, 255, 255);
    EXPECT_EQ(Drawn(), Diagonal(0, 50));

    SDL_FillRect(surface, nullptr, 0);
    DrawLine(surface, 30, 80, 30, 20, 255, 255, 255);
    EXPECT_EQ(Drawn(), Column(30, 20, 80));
}

TEST_P(LineAtEveryDepth, CoordinatesAreTruncatedTowardZero)
{
    // x = -3t stays above -1 up to t = 0.333, which truncates to column 0, and the
    // row reaches 30 * 0.333 = 9.99 by then: column 0, rows 0 to 9. Flooring would
    // have drawn the single point (0, 0).
    DrawLine(surface, 0, 0, -3, 30, 255, 255, 255);
    EXPECT_EQ(Drawn(), Column(0, 0, 9));

    // The cross stroke that starts one pixel above and left of a sprite: its first
    // points truncate onto (0, 0), and it ends at (88, 88).
    SDL_FillRect(surface, nullptr, 0);
    DrawLine(surface, -1, -1, 89, 89, 255, 255, 255);
    EXPECT_EQ(Drawn(), Diagonal(0, 88));
}

TEST_P(LineAtEveryDepth, PointsOutsideTheSurfaceAreSkipped)
{
    // Right edge: columns 100 to 119 on the surface, 120 to 149 off it.
    DrawLine(surface, 100, 5, 150, 5, 255, 255, 255);
    EXPECT_EQ(Drawn(), Row(5, 100, 119));

    SDL_FillRect(surface, nullptr, 0);
    DrawLine(surface, 7, -50, 7, 150, 255, 255, 255);  // rows a fifth of a pixel apart
    EXPECT_EQ(Drawn(), Column(7, 0, 99));

    // Ends at the limits of int and far off the surface: the points that land on it
    // are the only ones written (AddressSanitizer watches the rest).
    const int acrossRow3[][4] = {{INT_MIN, 3, INT_MAX, 3}, {1000000, 3, -1000000, 3}};
    for (const auto& e : acrossRow3) {
        SDL_FillRect(surface, nullptr, 0);
        DrawLine(surface, e[0], e[1], e[2], e[3], 255, 255, 255);
        for (const auto& point : Drawn())
            EXPECT_EQ(point.second, 3);
    }
    const int offTheSurface[][4] = {{INT_MAX, INT_MAX, INT_MAX, INT_MIN},
                                    {-1000000, -1000000, -1000000, 1000000},
                                    {INT_MIN, INT_MIN, INT_MIN, INT_MIN}};
    for (const auto& e : offTheSurface) {
        SDL_FillRect(surface, nullptr, 0);
        DrawLine(surface, e[0], e[1], e[2], e[3], 255, 255, 255);
        EXPECT_TRUE(Drawn().empty());
    }
    SDL_FillRect(surface, nullptr, 0);
    DrawLine(surface, INT_MIN, INT_MIN, INT_MAX, INT_MAX, 255, 255, 255);  // through the middle
    for (const auto& point : Drawn())
        EXPECT_EQ(point.first, point.second);
    SDL_FillRect(surface, nullptr, 0);
    DrawLine(surface, -1000, 3, 1000, 3, 255, 255, 255);  // two columns a point
    PointSet evenColumns;
    for (int x = 0; x < 120; x += 2)
        evenColumns.insert({x, 3});
    EXPECT_EQ(Drawn(), evenColumns);
}

INSTANTIATE_TEST_SUITE_P(BytesPerPixel, LineAtEveryDepth, testing::Values(1, 2, 3, 4));

TEST(Line, HasExactlyOneThousandPoints)
{
    // Across 2000 columns the points are two columns apart, so none repeats: the even
    // columns 0 to 1998. A single-precision parameter would add a 1001st at 1999.
    SDL_Surface* surface = sdltest::MakeSurface(2001, 1, 1);
    SDL_FillRect(surface, nullptr, 0);
    DrawLine(surface, 0, 0, 2000, 0, 255, 255, 255);
    const Uint32 white = SDL_MapRGB(surface->format, 255, 255, 255);
    PointSet expected;
    for (int x = 0; x <= 1998; x += 2)
        expected.insert({x, 0});
    EXPECT_EQ(PointsWithValue(surface, white), expected);
    SDL_FreeSurface(surface);
}

TEST(Line, DoesNotClearTheSurface)
{
    SDL_Surface* surface = sdltest::MakeSurface(10, 10, 4);
    const Uint32 grey = SDL_MapRGB(surface->format, 128, 128, 128);
    SDL_FillRect(surface, nullptr, grey);
    DrawLine(surface, 0, 0, 10, 0, 255, 255, 255);
    EXPECT_EQ(PointsWithValue(surface, grey).size(), 90u);
    SDL_FreeSurface(surface);
}

}  // namespace
