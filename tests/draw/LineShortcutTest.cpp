// SPDX-License-Identifier: MIT
#include "draw/Draw.h"
#include "draw/LinePlot.h"
#include "tests/draw/GuardedSurface.h"
#include "tests/draw/PixelSets.h"
#include "tests/support/Surfaces.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <string>

// DrawLine writes a short line along a row or a column as the run its points cover,
// without computing them. These tests hold it to the pixels of the plain 1000-point loop,
// line for line, over every span up to and past the shortcut's limit.

using draw_detail::DrawLineThroughEveryPoint;
using namespace drawtest;

namespace {

// Two surfaces alike to the byte, rows padded so that the pitch is an odd number of bytes
// (a 2- or 4-byte pixel's row then starts at its own offset).
struct Twins {
    static int OddPadding(int w, int bpp) { return (w * bpp) % 2 == 0 ? 3 : 2; }

    Twins(int w, int h, int bpp)
        : shortcut(w, h, bpp, OddPadding(w, bpp)), plain(w, h, bpp, OddPadding(w, bpp))
    {
    }

    GuardedSurface shortcut;
    GuardedSurface plain;
};

// Wipes both twins to a pattern that no colour drawn here gives, draws the line on one with
// DrawLine and on the other with every point computed. Empty when both came out the same;
// else the first byte that differs.
std::string Differences(Twins& twins, int x1, int y1, int x2, int y2, SDL_Color c)
{
    SDL_Surface* const shortcut = twins.shortcut.Surface();
    SDL_Surface* const plain = twins.plain.Surface();
    const size_t bytes = static_cast<size_t>(plain->pitch) * plain->h;
    std::memset(shortcut->pixels, 0x5A, bytes);
    std::memset(plain->pixels, 0x5A, bytes);
    DrawLine(shortcut, x1, y1, x2, y2, c.r, c.g, c.b);
    DrawLineThroughEveryPoint(plain, x1, y1, x2, y2, c.r, c.g, c.b);
    const auto* drawn = static_cast<const Uint8*>(shortcut->pixels);
    const auto [a, e] =
        std::mismatch(drawn, drawn + bytes, static_cast<const Uint8*>(plain->pixels));
    if (a == drawn + bytes)
        return "";
    return "line (" + std::to_string(x1) + ", " + std::to_string(y1) + ") to (" +
           std::to_string(x2) + ", " + std::to_string(y2) + "): byte " + std::to_string(a - drawn) +
           " is " + std::to_string(*a) + ", every point gives " + std::to_string(*e);
}

constexpr int kWidestSpan = 1100;

// Along lines in one direction, from starts before, at, inside and past both ends of the
// surface and at the limits of int: every span from -1100 to 1100 whose end is an int.
// The fixed coordinate takes in turn the first, a middle and the last row or column, and
// one just off each side.
std::string FirstDifference(Twins& twins, int length, int across, bool horizontal)
{
    const int starts[] = {
        INT_MIN, -1150,      -1000,      -999,       -500,   -2,         -1,           0,
        1,       length / 2, length - 2, length - 1, length, length + 1, length + 700, INT_MAX};
    const int acrosses[] = {0, across / 2, across - 1, -1, across};
    int turn = 0;
    for (const int start : starts) {
        const int fixed = acrosses[turn++ % 5];
        for (int span = -kWidestSpan; span <= kWidestSpan; ++span) {
            const long long end = static_cast<long long>(start) + span;
            if (end < INT_MIN || end > INT_MAX)
                continue;
            // Alternately black, whose runs are written with memset at every depth, and a
            // colour of unlike bytes, written pixel by pixel.
            const SDL_Color colour =
                span % 2 == 0 ? SDL_Color{0, 0, 0, 0} : SDL_Color{200, 255, 50, 0};
            const int last = static_cast<int>(end);
            const std::string found = horizontal
                                          ? Differences(twins, start, fixed, last, fixed, colour)
                                          : Differences(twins, fixed, start, fixed, last, colour);
            if (!found.empty())
                return found;
        }
    }
    return "";
}

class LineShortcut : public testing::TestWithParam<int> {};

TEST_P(LineShortcut, WritesThePixelsOfEveryPoint)
{
    const int bpp = GetParam();
    // Small, both ways; then long rows and long columns that hold a whole 1100-pixel span.
    struct Case {
        int w, h;
        bool rows, columns;
    };
    for (const Case& c :
         {Case{37, 23, true, true}, Case{1250, 3, true, false}, Case{3, 1250, false, true}}) {
        Twins twins(c.w, c.h, bpp);
        if (c.rows) {
            EXPECT_EQ(FirstDifference(twins, c.w, c.h, true), "") << c.w << "x" << c.h << " rows";
        }
        if (c.columns) {
            EXPECT_EQ(FirstDifference(twins, c.h, c.w, false), "")
                << c.w << "x" << c.h << " columns";
        }
        EXPECT_TRUE(twins.shortcut.GuardsIntact());
    }
}

INSTANTIATE_TEST_SUITE_P(BytesPerPixel, LineShortcut, testing::Values(1, 2, 3, 4));

// Runs worked out by hand at and near the shortcut's limits, on a 1200-pixel row.
TEST(LineShortcut, EndsAtTheLimits)
{
    const sdltest::Surface surface = sdltest::MakeSurface(1200, 1, 4);
    const auto columns = [&](int x1, int x2) {
        return LineDrawn(surface, x1, 0, x2, 0);
    };
    const auto range = [](int first, int last) {
        return PointsAlong({first, 0}, {1, 0}, last - first + 1);
    };

    // Points in (-1, 1) truncate to column 0; those at -1 or below are off the surface.
    EXPECT_EQ(columns(0, -5), range(0, 0));  // 0 down to -4.995
    EXPECT_EQ(columns(-1, 0), range(0, 0));  // -1 skipped, then -0.999 up to -0.001
    EXPECT_EQ(columns(1, -1), range(0, 1));  // 1, then 0.998 down to -0.998
    EXPECT_TRUE(columns(-2, -1).empty());    // -2 up to -1.001
    EXPECT_EQ(columns(5, 5), range(5, 5));   // one point, a thousand times
    // The longest shortcut: 999 * 0.999000047 = 998.001 up, 0.999 down toward 0.
    EXPECT_EQ(columns(0, 999), range(0, 998));
    EXPECT_EQ(columns(999, 0), range(0, 999));
    EXPECT_EQ(columns(1199, 200), range(200, 1199));
    // One pixel longer, the points are more than a pixel apart: 10, then 8.99999995.
    PointSet gapAtNine = range(0, 8);
    gapAtNine.insert({10, 0});
    EXPECT_EQ(columns(10, -990), gapAtNine);
    // Ends at the limits of int, all off the surface.
    EXPECT_TRUE(columns(INT_MAX, INT_MAX - 999).empty());
    EXPECT_TRUE(columns(INT_MIN, INT_MIN + 999).empty());

    // The spans the sweep above relies on are the ones that take the shortcut.
    EXPECT_TRUE(draw_detail::IsShortAxisLine(999, 0));
    EXPECT_TRUE(draw_detail::IsShortAxisLine(0, -999));
    EXPECT_FALSE(draw_detail::IsShortAxisLine(-1000, 0));
    EXPECT_FALSE(draw_detail::IsShortAxisLine(999, 1));
}

}  // namespace
