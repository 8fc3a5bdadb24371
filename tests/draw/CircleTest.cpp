// SPDX-License-Identifier: MIT
#include "draw/CircleUpdateArea.h"
#include "draw/Draw.h"
#include "tests/draw/GuardedSurface.h"
#include "tests/draw/PixelSets.h"
#include "tests/draw/UpdateRecorder.h"
#include "tests/support/Surfaces.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>
#include <vector>

using namespace drawtest;

namespace {

// The candidate angles, 0.005 in single precision apart from 0 while below 6.263184.
// By hand: 1252 steps give 6.26, below the bound, and 1253 give 6.265, above it.
std::vector<double> CandidateAngles()
{
    std::vector<double> angles;
    for (double a = 0.0; a < 6.263184; a += 0.005f)
        angles.push_back(a);
    return angles;
}

constexpr int kShiftFor[] = {0, 1, 2, 1, 4};  // columns left, by bytes per pixel

std::vector<Uint8> MemoryOf(const SDL_Surface* s)
{
    const auto* bytes = static_cast<const Uint8*>(s->pixels);
    return std::vector<Uint8>(bytes, bytes + static_cast<size_t>(s->pitch) * s->h);
}

// The pixel memory a circle must leave: black, with value c stored at every candidate
// that passes the bounds test, in row py and column px - shift, wherever that address
// falls inside the memory. Worked out on bytes, with std::cos and std::sin per point.
std::vector<Uint8> ExpectedCircleMemory(const SDL_Surface* s, int x, int y, int radius, Uint32 c)
{
    const int bpp = s->format->BytesPerPixel;
    std::vector<Uint8> memory = MemoryOf(s);
    const long long size = static_cast<long long>(memory.size());
    for (int row = 0; row < s->h; ++row)
        std::memset(memory.data() + row * s->pitch, 0, static_cast<size_t>(s->w) * bpp);
    for (const double a : CandidateAngles()) {
        const double fx = std::cos(a) * radius + x;
        const double fy = y - std::sin(a) * radius;
        if (std::fabs(fx) > 1e9 || std::fabs(fy) > 1e9)
            continue;
        const long long px = static_cast<long long>(fx);
        const long long py = static_cast<long long>(fy);
        if (!(px < s->w && py < s->h && px > 0 && py > 0))
            continue;
        const long long offset = py * s->pitch + (px - kShiftFor[bpp]) * bpp;
        if (offset < 0 || offset + bpp > size)
            continue;
        for (int i = 0; i < bpp; ++i)  // little-endian machine: low byte first for every size
            memory[offset + i] = static_cast<Uint8>(c >> (8 * i));
    }
    return memory;
}

TEST(CircleReference, HasTheHandCountedNumberOfCandidates)
{
    EXPECT_EQ(CandidateAngles().size(), 1253u);
}

class CircleAtEveryDepth : public testing::TestWithParam<int> {
protected:
    void SetUp() override
    {
        ASSERT_NE(surface, nullptr);
        SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 128, 128, 128));
        orange = SDL_MapRGB(surface->format, 250, 140, 10);
    }

    const sdltest::Surface surface = sdltest::MakeSurface(90, 90, GetParam());
    Uint32 orange = 0;
};

TEST_P(CircleAtEveryDepth, MatchesTheCandidatePointsShiftedLeft)
{
    // The last three have every candidate exactly on a bound: computed column and row 1
    // are drawn, computed column 90 and row 90 (whose shifted pixel would still lie in
    // the memory at 2 and 4 bytes) are not.
    const int cases[][3] = {{45, 45, 45},  {45, 45, 20}, {10, 80, 30}, {0, 0, 60},
                            {45, 45, -45}, {89, 1, 100}, {2, 45, 3},   {45, 45, 0},
                            {1, 1, 0},     {90, 45, 0},  {1, 90, 0}};
    for (const auto& c : cases) {
        const auto expected = ExpectedCircleMemory(surface, c[0], c[1], c[2], orange);
        DrawCircle(surface, c[0], c[1], c[2], 250, 140, 10);
        EXPECT_EQ(MemoryOf(surface), expected)
            << "centre " << c[0] << "," << c[1] << " radius " << c[2];
    }
}

TEST_P(CircleAtEveryDepth, SkipsComputedColumnZeroRowZeroAndTheRightEdge)
{
    // Radius 45 about (45, 45): the first candidate is at computed column 90 (off the
    // surface) and the one at angle pi at computed column 0; both are skipped. The
    // second candidate, at 89.99 and 44.77, is the rightmost point drawn.
    DrawCircle(surface, 45, 45, 45, 255, 255, 255);
    const int shift = kShiftFor[GetParam()];
    const PointSet drawn = PointsWithColour(surface, kWhite);
    EXPECT_TRUE(drawn.count({89 - shift, 44}));
    EXPECT_FALSE(drawn.count({90 - shift, 45}));
    for (const auto& point : drawn) {
        EXPECT_NE(point.second, 0);  // computed row 0 is never drawn, and no point wraps there
        if (GetParam() == 1 || GetParam() == 3) {
            EXPECT_LE(point.first, 89 - shift);  // nothing wraps for a one-column shift
        }
    }
}

INSTANTIATE_TEST_SUITE_P(BytesPerPixel, CircleAtEveryDepth, testing::Values(1, 2, 3, 4));

TEST(Circle, FourBytePointsNearTheLeftEdgeLandAtTheEndOfTheRowAbove)
{
    const sdltest::Surface surface = sdltest::MakeSurface(90, 90, 4);
    DrawCircle(surface, 45, 45, 45, 255, 255, 255);
    // Computed columns 1 to 3 move four left, past the row's start: the true outline
    // reaches no further right than column 85, so columns 86 to 89 hold only these.
    const PointSet drawn = PointsWithColour(surface, kWhite);
    EXPECT_GT(std::count_if(drawn.begin(), drawn.end(), [](auto p) { return p.first >= 86; }), 0);

    // Three columns wide, computed (1, 1) moves back to the memory's very first pixel.
    const sdltest::Surface narrow = sdltest::MakeSurface(3, 3, 4);
    DrawCircle(narrow, 1, 1, 0, 255, 255, 255);
    EXPECT_EQ(PointsWithColour(narrow, kWhite), (PointSet{{0, 0}}));
}

TEST(Circle, BlackensTheWholeSurfaceFirst)
{
    const sdltest::Surface surface = sdltest::MakeSurface(30, 20, 4);
    SDL_FillRect(surface, nullptr, 0xFFFFFF);
    DrawCircle(surface, 1000, 1000, 5, 255, 255, 255);
    EXPECT_EQ(PointsWithValue(surface, 0).size(), 600u);
}

TEST(Circle, DrawsEachOfItsCandidatePointsOnce)
{
    // About ten pixels apart on a radius of 1999, none of the 1253 points repeats and
    // all lie inside: the count of lit pixels is the count of candidates.
    const sdltest::Surface surface = sdltest::MakeSurface(4001, 4001, 1);
    ASSERT_NE(surface, nullptr);
    DrawCircle(surface, 2000, 2000, 1999, 255, 255, 255);
    const PointSet drawn = PointsWithColour(surface, kWhite);
    EXPECT_EQ(drawn.size(), 1253u);
    EXPECT_TRUE(drawn.count({3998, 2000}));  // the start, computed column 3999, one left
}

TEST(Circle, HugeRadiiAndFarCentresWriteNothingOutside)
{
    const int radii[] = {INT_MAX, INT_MIN, 1000000000, -1000000000, 1000000, 4, 1, 0};
    const int centres[] = {INT_MIN, -1000, 0, 1, 2, 3, 5, 1000, INT_MAX};
    for (int bpp = 1; bpp <= 4; ++bpp) {
        for (const int size : {1, 2, 3, 5}) {
            GuardedSurface guarded(size, size, bpp, 0);
            for (const int r : radii)
                for (const int cx : centres)
                    for (const int cy : centres)
                        DrawCircle(guarded.Surface(), cx, cy, r, 255, 255, 255);
            EXPECT_TRUE(guarded.GuardsIntact()) << bpp << " bytes, " << size << " square";
        }
    }
}

TEST(Circle, OnTheScreenDrawsAsOnAnySurface)
{
    ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
    SDL_Surface* screen = SDL_SetVideoMode(480, 272, 32, 0);
    ASSERT_NE(screen, nullptr) << SDL_GetError();
    // Update areas reaching past every edge, and none at all: each must be cut or dropped.
    const int cases[][3] = {
        {240, 136, 100}, {470, 260, 300}, {-100, -100, 50}, {240, 136, INT_MAX}, {0, 0, INT_MIN}};
    for (const auto& c : cases) {
        SDL_LockSurface(screen);
        const auto expected = ExpectedCircleMemory(screen, c[0], c[1], c[2],
                                                   SDL_MapRGB(screen->format, 255, 255, 255));
        SDL_UnlockSurface(screen);
        UpdateRecorder updates;
        DrawCircle(screen, c[0], c[1], c[2], 255, 255, 255);
        SDL_LockSurface(screen);
        EXPECT_EQ(MemoryOf(screen), expected);
        SDL_UnlockSurface(screen);

        // The display is asked to show the area CircleUpdateArea names, if it names one.
        SDL_Rect area{};
        std::vector<std::vector<int>> wanted;
        if (draw_detail::CircleUpdateArea(480, 272, c[0], c[1], c[2], &area))
            wanted.push_back({area.x, area.y, area.w, area.h});
        std::vector<std::vector<int>> asked;
        for (const UpdateRecorder::Update& u : updates.Take()) {
            EXPECT_EQ(u.surface, screen);
            asked.push_back({u.x, u.y, static_cast<int>(u.w), static_cast<int>(u.h)});
        }
        EXPECT_EQ(asked, wanted) << "centre " << c[0] << "," << c[1] << " radius " << c[2];
    }
    SDL_Quit();
}

TEST(CircleUpdateArea, IsTheNamedRectangleCutToTheScreen)
{
    // Corner (x - r, y - r), size (x + r, y + r). Past the right and bottom edges: cut
    // there. Left of and above the corner: cut to 0. Each case: x, y, r, then the area.
    const int cases[][7] = {{45, 45, 45, 0, 0, 90, 90},
                            {100, 60, 20, 80, 40, 120, 80},
                            {400, 200, 100, 300, 100, 180, 172},
                            {240, 136, INT_MAX, 0, 0, 480, 272}};
    for (const auto& c : cases) {
        SDL_Rect area{};
        ASSERT_TRUE(draw_detail::CircleUpdateArea(480, 272, c[0], c[1], c[2], &area));
        EXPECT_EQ(std::vector<int>({area.x, area.y, area.w, area.h}),
                  std::vector<int>({c[3], c[4], c[5], c[6]}))
            << "centre " << c[0] << "," << c[1] << " radius " << c[2];
    }
}

TEST(CircleUpdateArea, IsDroppedWhenNothingOfItIsOnTheScreen)
{
    SDL_Rect area{};
    EXPECT_FALSE(draw_detail::CircleUpdateArea(480, 272, -100, -100, 50, &area));
    EXPECT_FALSE(draw_detail::CircleUpdateArea(480, 272, 600, 100, 10, &area));
    EXPECT_FALSE(draw_detail::CircleUpdateArea(480, 272, 100, 300, 10, &area));
    // Corners exactly on the right and the bottom edges: nothing of the area is inside.
    EXPECT_FALSE(draw_detail::CircleUpdateArea(480, 272, 490, 100, 10, &area));
    EXPECT_FALSE(draw_detail::CircleUpdateArea(480, 272, 100, 282, 10, &area));
    EXPECT_FALSE(draw_detail::CircleUpdateArea(480, 272, 100, 100, -200, &area));
    EXPECT_FALSE(draw_detail::CircleUpdateArea(480, 272, INT_MIN, INT_MIN, INT_MIN, &area));
    EXPECT_FALSE(draw_detail::CircleUpdateArea(0, 0, 45, 45, 45, &area));
}

}  // namespace
