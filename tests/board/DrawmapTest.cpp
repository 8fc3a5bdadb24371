// SPDX-License-Identifier: MIT
#include "board/BoardColours.h"
#include "board/morvane.h"
#include "tests/support/BoardRows.h"
#include "tests/support/Surfaces.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

using sdltest::RgbAt;

namespace {

constexpr Uint32 kRed = 0xFF0000;    // the O sprite
constexpr Uint32 kGreen = 0x00FF00;  // the X sprite
constexpr Uint32 kBlue = 0x0000FF;   // the empty-cell sprite
constexpr Uint32 kWhite = kBoardLine.r << 16 | kBoardLine.g << 8 | kBoardLine.b;  // the frames
constexpr Uint32 kBlack = 0x000000;

class Drawmap : public testing::Test {
protected:
    static sdltest::Surface Sprite(Uint32 rgb)
    {
        sdltest::Surface s = sdltest::MakeSurface(90, 90, 4);
        SDL_FillRect(s, nullptr, SDL_MapRGB(s->format, rgb >> 16, (rgb >> 8) & 0xFF, rgb & 0xFF));
        return s;
    }

    static bool IsFramed(const SDL_Surface* s)
    {
        for (int k = 0; k < 89; ++k) {
            if (RgbAt(s, k, 0) != kWhite || RgbAt(s, 0, k) != kWhite || RgbAt(s, 89, k) != kWhite ||
                RgbAt(s, k, 89) != kWhite)
                return false;
        }
        return RgbAt(s, 89, 89) != kWhite && RgbAt(s, 1, 1) != kWhite;
    }

    static testing::AssertionResult IsUntouched(const SDL_Surface* s, Uint32 rgb)
    {
        const sdltest::Surface fresh = Sprite(rgb);
        return sdltest::SameColours(s, fresh, 90, 90);
    }

    const sdltest::Surface screen = sdltest::MakeSurface(480, 272, 4);
    const sdltest::Surface o = Sprite(kRed);
    const sdltest::Surface x = Sprite(kGreen);
    const sdltest::Surface empty = Sprite(kBlue);
    morvane board;
};

TEST_F(Drawmap, PlacesColumnIAcrossAndRowJDown)
{
    // o in the top row's middle cell (i = 1, j = 0), x in the left column's bottom cell.
    board.cells[1][0] = 1;
    board.cells[0][2] = 0;
    board.drawmap(screen, o, x, empty, 45);

    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            const Uint32 inside = i == 1 && j == 0 ? kRed : i == 0 && j == 2 ? kGreen : kBlue;
            EXPECT_EQ(RgbAt(screen, 90 * i + 40, 90 * j + 50), inside) << i << "," << j;
            EXPECT_EQ(RgbAt(screen, 90 * i, 90 * j), kWhite);            // frame corner
            EXPECT_EQ(RgbAt(screen, 90 * i + 89, 90 * j + 89), inside);  // frame misses it
        }
    }
    EXPECT_EQ(RgbAt(screen, 270, 10), kBlack);  // nothing right of the board
    EXPECT_EQ(RgbAt(screen, 10, 270), kBlack);  // nor below it
}

TEST_F(Drawmap, FramesOnlyTheSpritesShownAndKeepsTheFrame)
{
    board.drawmap(screen, o, x, empty, 45);
    EXPECT_TRUE(IsFramed(empty));
    EXPECT_TRUE(IsUntouched(o, kRed));
    EXPECT_TRUE(IsUntouched(x, kGreen));

    board.cells[2][2] = 1;
    board.drawmap(screen, o, x, empty, 45);
    EXPECT_TRUE(IsFramed(o));
    EXPECT_TRUE(IsUntouched(x, kGreen));
    EXPECT_EQ(RgbAt(o, 45, 45), kRed);  // painted over, not cleared
}

TEST_F(Drawmap, FramesOfLongSidesHaveTheLinesGaps)
{
    // 1000 points a stroke: along 2000 pixels they land on every other one, from the corner.
    const sdltest::Surface big = sdltest::MakeSurface(2001, 2001, 4);
    board.drawmap(screen, o, x, big, 45);
    EXPECT_EQ(RgbAt(big, 1000, 0), kWhite);
    EXPECT_EQ(RgbAt(big, 0, 1000), kWhite);
    EXPECT_EQ(RgbAt(big, 1, 0), kBlack);
    EXPECT_EQ(RgbAt(big, 0, 1), kBlack);
}

TEST_F(Drawmap, LaterCellsCoverEarlierOnesColumnByColumn)
{
    // At radius 0 every cell lands at (0, 0): the last, cells[2][2], is on top.
    board = sdltest::BoardOf({"OOO", "OOO", "OOX"});
    board.drawmap(screen, o, x, empty, 0);
    EXPECT_EQ(RgbAt(screen, 5, 5), kGreen);

    // At pitch 40 the 90-pixel sprites overlap. (60, 60) lies in cells (0,0), (0,1),
    // (1,0) and (1,1); only (0,1) holds O and (1,0) X, the others no mark at all. Going
    // down column 0 first, then column 1, draws (1,0) last.
    std::fill_n(&board.cells[0][0], 9, 7);
    board.cells[0][1] = 1;
    board.cells[1][0] = 0;
    SDL_FillRect(screen, nullptr, 0);
    board.drawmap(screen, o, x, empty, 20);
    EXPECT_EQ(RgbAt(screen, 60, 60), kGreen);
    EXPECT_EQ(RgbAt(screen, 20, 100), kRed);   // column 0, rows of cell (0, 1) alone
    EXPECT_EQ(RgbAt(screen, 20, 20), kBlack);  // cell (0, 0) has no mark: nothing drawn
    EXPECT_TRUE(IsUntouched(empty, kBlue));
}

TEST_F(Drawmap, MissingSpritesAndFarCellsAreSkippedSafely)
{
    board.cells[0][0] = 1;
    board.cells[1][1] = 0;
    board.drawmap(screen, nullptr, nullptr, empty, 45);
    EXPECT_EQ(RgbAt(screen, 40, 40), kBlack);
    EXPECT_EQ(RgbAt(screen, 130, 130), kBlack);
    EXPECT_EQ(RgbAt(screen, 130, 40), kBlue);

    board.drawmap(nullptr, o, x, empty, 45);
    EXPECT_TRUE(IsFramed(o));

    SDL_FillRect(screen, nullptr, 0);
    board.drawmap(screen, o, x, empty, INT_MAX);
    board.drawmap(screen, o, x, empty, INT_MIN);
    board.drawmap(screen, o, x, empty, 20000);
    EXPECT_EQ(RgbAt(screen, 40, 40), kRed);  // cell (0, 0) is at (0, 0) at any radius
    EXPECT_EQ(RgbAt(screen, 300, 200), kBlack);

    // Corners 65536 apart, which SDL_Rect's 16 bits would wrap onto (0, 0): cell (0, 1),
    // empty and blue, is below the screen, not over cell (0, 0).
    board.drawmap(screen, o, x, empty, 32768);
    EXPECT_EQ(RgbAt(screen, 40, 40), kRed);
}

}  // namespace
