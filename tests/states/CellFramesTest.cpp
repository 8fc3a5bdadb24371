// SPDX-License-Identifier: MIT
#include "board/morvane.h"
#include "draw/Draw.h"
#include "states/Bitmap.h"
#include "states/CIntroState.h"
#include "states/CMenuState.h"
#include "states/CPlayState.h"
#include "states/CellSprite.h"
#include "tests/e2e/support/TemporaryDirectory.h"
#include "tests/support/BmpFile.h"
#include "tests/support/RunningEngine.h"
#include "tests/support/ScopedWorkingDirectory.h"
#include "tests/support/Surfaces.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// The white frames that the board draws into its cell sprites are that white as each
// sprite's own format has it: the board and the cursor look exactly as if no sprite had
// been converted for the screen, whatever the depth of "NULL.bmp".
namespace {

constexpr int kRadius = 45;  // half of the 90-pixel cell picture
constexpr int kBoardSide = 6 * kRadius;

// "NULL.bmp" at a depth: dark squares, and at 8 bits a palette without pure white, whose
// nearest colour to white is FEFEFE.
std::vector<std::uint8_t> CellPicture(int bitsPerPixel)
{
    std::vector<std::uint8_t> bytes = sdltest::MakeBmp(90, 90, bitsPerPixel, [](int x, int y) {
        return (x / 10 + y / 10) % 2 ? 0x204060 : 0x102030;
    });
    if (bitsPerPixel == 8) {
        constexpr size_t kLastPaletteEntry = 14 + 40 + 255 * 4;
        std::fill_n(bytes.begin() + kLastPaletteEntry, 3, 0);
    }
    return bytes;
}

// The board with a circle, a cross and empty cells, and the circle cursor over the middle
// cell, drawn from sprites that stay in the format they were loaded with.
sdltest::Surface UnconvertedBoard(const SDL_PixelFormat* screenFormat)
{
    sdltest::Surface screen(SDL_CreateRGBSurface(
        SDL_SWSURFACE, 480, 272, screenFormat->BitsPerPixel, screenFormat->Rmask,
        screenFormat->Gmask, screenFormat->Bmask, screenFormat->Amask));
    const sdltest::Surface o(LoadCellSprite()), x(LoadCellSprite()), empty(LoadCellSprite());
    DrawCircleSprite(o, kRadius);
    DrawCrossSprite(x, kRadius);
    t.drawmap(screen, o, x, empty, kRadius);
    BlitBitmap(o, screen, 3 * kRadius - o->w / 2, 3 * kRadius - o->h / 2);
    return screen;
}

using CellFrames = RunningEngine;

// The 32-bit picture again, one channel (0 red, 1 green, 2 blue) declared 7 bits wide
// (BI_BITFIELDS masks after the header): a format with a channel of fewer than 8 bits and
// no palette.
std::vector<std::uint8_t> SevenBitChannelCellPicture(int channel)
{
    std::vector<std::uint8_t> bytes = CellPicture(32);
    const auto put32 = [&bytes](size_t at, std::uint32_t value) {
        for (int i = 0; i < 4; ++i)
            bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
    };
    constexpr size_t kFileSize = 2, kDataOffset = 10, kCompression = 30, kHeaderEnd = 54;
    std::uint8_t masks[] = {0, 0, 0xFF, 0, 0, 0xFF, 0, 0, 0xFF, 0, 0, 0};
    masks[4 * channel + 2 - channel] = 0xFE;
    bytes.insert(bytes.begin() + kHeaderEnd, std::begin(masks), std::end(masks));
    put32(kFileSize, static_cast<std::uint32_t>(bytes.size()));
    put32(kDataOffset, kHeaderEnd + sizeof masks);
    put32(kCompression, 3);  // BI_BITFIELDS
    return bytes;
}

TEST_F(CellFrames, BoardAndCursorEqualTheUnconvertedSpritesAndOnly8BitChannelsAreConverted)
{
    engine.PushState(CIntroState::Instance());
    engine.PushState(CMenuState::Instance());
    // 0 to 2: 32 bits with 7 of red, green or blue.
    for (int bits : {8, 16, 24, 32, 0, 1, 2}) {
        SCOPED_TRACE(bits < 3 ? "32-bit NULL.bmp with a 7-bit channel " + std::to_string(bits)
                              : std::to_string(bits) + "-bit NULL.bmp");
        e2e::TemporaryDirectory folder;
        folder.CopyPicturesFrom(std::filesystem::current_path().string(), {"NULL.bmp"});
        sdltest::WriteFile(folder.PathOf("NULL.bmp"),
                           bits < 3 ? SevenBitChannelCellPicture(bits) : CellPicture(bits));
        ScopedWorkingDirectory inside(folder.Path());

        engine.PushState(CPlayState::Instance());
        t.cells[0][0] = morvane::kHuman;
        t.cells[2][1] = morvane::kComputer;
        sdltest::DrainEvents();
        FrameAfter(sdltest::PushMouseMotion, 3 * kRadius, 3 * kRadius);

        const sdltest::Surface reference = UnconvertedBoard(engine.m_screen->format);
        EXPECT_TRUE(sdltest::SameColours(engine.m_screen, reference, kBoardSide, kBoardSide))
            << "the board as drawn from unconverted sprites";

        const sdltest::Surface cell(ToScreenFormatIfLossless(LoadCellSprite()));
        if (bits >= 8) {
            EXPECT_EQ(cell->format->BitsPerPixel == engine.m_screen->format->BitsPerPixel,
                      bits >= 24)
                << "converted to the screen's format only at 8 bits a channel";
        }
        engine.PopState();
    }
}

// Where "NULL.bmp" cannot be loaded and there is no screen to take the format of, the
// cell is a blank 90 x 90 picture of 8 bits a colour, without alpha.
TEST(CellSprites, WithoutThePictureOrAScreenTheCellIsABlankRgbPicture)
{
    e2e::TemporaryDirectory empty;
    ScopedWorkingDirectory inside(empty.Path());
    testing::internal::CaptureStderr();
    const sdltest::Surface cell(LoadCellSprite());
    testing::internal::GetCapturedStderr();
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->w, 90);
    EXPECT_EQ(cell->h, 90);
    const SDL_PixelFormat& format = *cell->format;
    EXPECT_EQ(format.BitsPerPixel, 32);
    EXPECT_EQ(format.Rmask, 0xFF0000u);
    EXPECT_EQ(format.Gmask, 0x00FF00u);
    EXPECT_EQ(format.Bmask, 0x0000FFu);
    EXPECT_EQ(format.Amask, 0u);
    EXPECT_EQ(ToScreenFormatIfLossless(nullptr), nullptr) << "no cell: nothing to convert";
}

// The circle and the cross lie about the sprite's middle, at the radius given, whatever
// the sprite's shape: on 100 x 80 at radius 30 the middle is (50, 40), the cross's strokes
// run corner to corner of the square 61 pixels wide around it, the first from one pixel
// beyond its top left.
TEST(CellSprites, TheCircleAndTheCrossLieAboutTheSpritesMiddleAtTheRadiusGiven)
{
    constexpr int kWidth = 100, kHeight = 80, kSpriteRadius = 30;
    const auto blank = [] {
        return sdltest::MakeSurface(kWidth, kHeight, 4);
    };

    const sdltest::Surface circle = blank(), circleWanted = blank();
    DrawCircleSprite(circle, kSpriteRadius);
    DrawCircle(circleWanted, 50, 40, 30, 255, 255, 255);
    EXPECT_TRUE(sdltest::SameColours(circle, circleWanted, kWidth, kHeight)) << "the circle";

    const sdltest::Surface cross = blank(), crossWanted = blank();
    DrawCrossSprite(cross, kSpriteRadius);
    DrawLine(crossWanted, 19, 9, 80, 70, 255, 255, 255);
    DrawLine(crossWanted, 20, 69, 80, 9, 255, 255, 255);
    EXPECT_TRUE(sdltest::SameColours(cross, crossWanted, kWidth, kHeight)) << "the cross";
}

}  // namespace
