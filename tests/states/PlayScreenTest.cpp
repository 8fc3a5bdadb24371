// SPDX-License-Identifier: MIT
#include "board/morvane.h"
#include "states/CIntroState.h"
#include "states/CItemState.h"
#include "states/CMenuState.h"
#include "states/CPlayState.h"
#include "states/CellSize.h"
#include "states/ScreenInput.h"
#include "tests/e2e/support/TemporaryDirectory.h"
#include "tests/states/SurfaceShortage.h"
#include "tests/support/BmpFile.h"
#include "tests/support/BoardRows.h"
#include "tests/support/RunningEngine.h"
#include "tests/support/ScopedWorkingDirectory.h"
#include "tests/support/Surfaces.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

using namespace sdltest;

namespace {

// The game on its board: intro, menu and play stacked on a running engine, an empty
// board and a quiet event queue.
class PlayScreen : public RunningEngine {
protected:
    using Cursor = CPlayState::Cursor;

    void SetUp() override
    {
        RunningEngine::SetUp();
        engine.PushState(CIntroState::Instance());
        engine.PushState(CMenuState::Instance());
        engine.PushState(CPlayState::Instance());
        DrainEvents();  // the board warps the mouse on entry
    }
    CPlayState& play() { return *CPlayState::Instance(); }

    // One frame after a left click at (x, y); gives what the frame printed.
    std::string Click(Uint16 x, Uint16 y)
    {
        testing::internal::CaptureStdout();
        FrameAfter(PushMouseButtonDown, SDL_BUTTON_LEFT, x, y);
        fflush(stdout);
        return testing::internal::GetCapturedStdout();
    }

    // Leaves the board and enters it again with "NULL.bmp" a w x h picture of one colour.
    void EnterWithCellPicture(int w, int h)
    {
        e2e::TemporaryDirectory folder;
        folder.CopyPicturesFrom(std::filesystem::current_path().string(), {"NULL.bmp"});
        WriteFile(folder.PathOf("NULL.bmp"), MakeBmp(w, h, 24, [](int, int) { return 0x204060; }));
        ScopedWorkingDirectory inside(folder.Path());
        engine.PopState();
        engine.PushState(CPlayState::Instance());
        DrainEvents();
    }
};

TEST_F(PlayScreen, IsEnteredWithThePointerInTheMiddleOfTheWindowAndNoSystemCursor)
{
    int x = 0, y = 0;
    SDL_PumpEvents();
    SDL_GetMouseState(&x, &y);
    EXPECT_EQ(x, 240);
    EXPECT_EQ(y, 136);
    EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), 0) << "the sprite is the cursor";
}

TEST_F(PlayScreen, FirstClickPlacesACircleAndTheComputerAnswersInTheSameFrame)
{
    EXPECT_EQ(Click(100, 40), "click : 100, 40, 1\n");
    EXPECT_EQ(t.cells[1][0], morvane::kHuman);
    EXPECT_EQ(CountOf(t, morvane::kHuman), 1);
    EXPECT_EQ(CountOf(t, morvane::kComputer), 1) << "the computer answers at once";
    EXPECT_TRUE(play().HumanToMove());
    EXPECT_EQ(play().CursorShown(), Cursor::Cross) << "chosen before the computer moved";

    FrameAfter(PushMouseMotion, 10, 10);
    EXPECT_EQ(play().CursorShown(), Cursor::Circle);
}

TEST_F(PlayScreen, AClickOnAnOccupiedCellIsPrintedAndChangesNothing)
{
    t = BoardOf({"O..", "X..", "..."});
    EXPECT_EQ(Click(10, 100), "click : 10, 100, 1\n");
    EXPECT_EQ(CountOf(t, morvane::kHuman), 1);
    EXPECT_EQ(CountOf(t, morvane::kComputer), 1) << "the computer does not move";
    EXPECT_EQ(t.cells[0][1], morvane::kComputer);
}

TEST_F(PlayScreen, ClicksRightOfOrBelowTheBoardTouchNoCell)
{
    // (100, 300) would reach cells[2][0] through the array's storage, (300, 10) cells[3][0]
    // past it.
    const Uint16 clicks[][2] = {{270, 0}, {300, 10},  {479, 271},    {100, 300},
                                {0, 270}, {269, 270}, {65535, 65535}};
    for (const auto& click : clicks) {
        EXPECT_EQ(Click(click[0], click[1]), "click : " + std::to_string(click[0]) + ", " +
                                                 std::to_string(click[1]) + ", 1\n");
        EXPECT_EQ(CountOf(t, morvane::kEmpty), 9) << click[0] << ", " << click[1];
    }
    EXPECT_TRUE(play().HumanToMove());
}

TEST_F(PlayScreen, TheHumansWinningClickShowsTheWinPictureAtOnceAndFreezesTheBoard)
{
    t = BoardOf({"OX.", "O.X", "..."});
    Click(10, 200);
    EXPECT_EQ(t.setgame(), morvane::kHuman);
    EXPECT_EQ(play().CursorShown(), Cursor::Win);
    EXPECT_EQ(CountOf(t, morvane::kComputer), 2) << "no answer after the end";

    Click(200, 200);
    EXPECT_EQ(t.cells[2][2], morvane::kEmpty) << "clicks after the end change nothing";
    EXPECT_EQ(play().CursorShown(), Cursor::Win);
}

TEST_F(PlayScreen, TheComputersWinShowsTheLossPictureFromTheNextEventOn)
{
    // Both cells left after the human's click at (100, 200) complete a line of crosses.
    t = BoardOf({".XX", "OOX", "O.."});
    Click(100, 200);
    EXPECT_EQ(t.cells[1][2], morvane::kHuman);
    EXPECT_EQ(t.setgame(), morvane::kComputer);
    EXPECT_EQ(play().CursorShown(), Cursor::Cross)
        << "the cursor was chosen before the computer won";

    FrameAfter(PushKeyUp, SDLK_a);  // an event the board ignores is enough
    EXPECT_EQ(play().CursorShown(), Cursor::Loss);
}

TEST_F(PlayScreen, TheHumansNinthCellEndsADrawnGame)
{
    t = BoardOf({"OXO", "OXX", "XO."});
    Click(200, 200);
    EXPECT_EQ(t.setgame(), morvane::kDraw);
    EXPECT_EQ(play().CursorShown(), Cursor::Draw);
}

TEST_F(PlayScreen, AFrameWithoutAnEventChangesNothing)
{
    Click(100, 40);
    const Rows before = RowsOf(t);
    const Cursor cursor = play().CursorShown();

    RunFrame(engine);
    EXPECT_EQ(RowsOf(t), before);
    EXPECT_EQ(play().CursorShown(), cursor);
}

TEST_F(PlayScreen, TheWheelResizesTheDrawingWithinItsLimitsAndClicksKeepTheirCells)
{
    ASSERT_EQ(play().Radius(), kCellSize / 2) << "half the empty cell";
    FrameAfter(PushMouseButtonDown, SDL_BUTTON_WHEELDOWN, 0, 0);
    EXPECT_EQ(play().Radius(), kWindowHeight / 6)
        << "a sixth of the window's height is the largest";

    for (int i = 0; i < 50; ++i) {
        FrameAfter(PushMouseButtonDown, SDL_BUTTON_WHEELUP, 0, 0);
    }
    EXPECT_EQ(play().Radius(), 0);
    FrameAfter(PushMouseButtonDown, SDL_BUTTON_WHEELDOWN, 0, 0);
    EXPECT_EQ(play().Radius(), 1);

    EXPECT_EQ(Click(100, 40), "click : 100, 40, 1\n");
    EXPECT_EQ(t.cells[1][0], morvane::kHuman) << "clicks map to kCellSize cells at any radius";
    EXPECT_EQ(CountOf(t, morvane::kEmpty), 7);
}

// Without "NULL.bmp" and without memory for a blank cell there is no cell to measure: the
// board has no size, and the screen shows no grey area.
TEST_F(PlayScreen, WithNoCellPictureAndNoMemoryForOneTheBoardHasNoSize)
{
    e2e::TemporaryDirectory folder;
    folder.CopyPicturesFrom(std::filesystem::current_path().string(), {"NULL.bmp"});
    ScopedWorkingDirectory inside(folder.Path());
    engine.PopState();
    {
        const SurfaceShortage shortage(kCellSize, kCellSize);
        testing::internal::CaptureStderr();
        engine.PushState(CPlayState::Instance());
        testing::internal::GetCapturedStderr();
    }
    DrainEvents();
    EXPECT_EQ(play().Radius(), 0);
    FrameAfter(PushMouseMotion, 470, 260);
    EXPECT_EQ(sdltest::RgbAt(engine.m_screen, 5, 3), 0x000000u) << "a grey area of radius 1";
}

// With 60-pixel cells the board is drawn at radius 30; the wheel widens it to 45, and the
// grid, 90 pixels apart, shows in the gaps between the cells: white lines at x = 90 and
// 180 and y = 90 and 180, each to 269, one short of 6r, the black right edge at x = 270,
// on the grey area 405 x 270.
TEST_F(PlayScreen, WithSmallerCellsTheWheelOpensGapsWhereTheGridShows)
{
    EnterWithCellPicture(60, 60);
    ASSERT_EQ(play().Radius(), 30);
    for (int i = 0; i < 15; ++i) {
        FrameAfter(PushMouseButtonDown, SDL_BUTTON_WHEELDOWN, 0, 0);
    }
    ASSERT_EQ(play().Radius(), 45);
    FrameAfter(PushMouseMotion, 470, 260);  // the cursor out of the way

    constexpr Uint32 kWhite = 0xFFFFFF, kGrey = 0x808080, kBlack = 0x000000;
    const struct {
        int x, y;
        Uint32 rgb;
    } pixels[] = {
        {89, 75, kGrey},    {90, 75, kWhite},   {91, 75, kGrey},    {180, 75, kWhite},
        {75, 89, kGrey},    {75, 90, kWhite},   {75, 91, kGrey},    {75, 180, kWhite},
        {90, 269, kWhite},  {90, 270, kBlack},  {269, 90, kWhite},  {269, 75, kGrey},
        {270, 75, kBlack},  {270, 269, kBlack}, {271, 75, kGrey},   {404, 269, kGrey},
        {405, 100, kBlack}, {100, 270, kBlack}, {30, 30, 0x204060}, {120, 210, 0x204060},
        {0, 75, kGrey},     {75, 0, kGrey},     {270, 0, kBlack},   {180, 270, kBlack},
        {300, 90, kGrey},   {300, 180, kGrey},
    };
    for (const auto& p : pixels) {
        EXPECT_EQ(sdltest::RgbAt(engine.m_screen, p.x, p.y), p.rgb) << p.x << ", " << p.y;
    }
}

// One-pixel cells give radius 0: each grid line is the one point (0, 0), under the cells.
TEST_F(PlayScreen, WithOnePixelCellsEachGridLineIsOnePoint)
{
    EnterWithCellPicture(1, 1);
    ASSERT_EQ(play().Radius(), 0);
    FrameAfter(PushMouseMotion, 470, 260);
    EXPECT_EQ(RgbAt(engine.m_screen, 1, 0), 0x000000u);
    EXPECT_EQ(RgbAt(engine.m_screen, 0, 1), 0x000000u);
}

TEST_F(PlayScreen, EscapeGoesBackToTheMenuWithTheBoardResetAndSpaceStartsAfresh)
{
    t = BoardOf({"OX.", "O.X", "..."});
    Click(10, 200);  // the human wins; the turn stays with the computer
    ASSERT_FALSE(play().HumanToMove());

    FrameAfter(PushKeyDown, SDLK_ESCAPE);
    EXPECT_EQ(engine.Top(), CMenuState::Instance());
    EXPECT_EQ(CountOf(t, morvane::kEmpty), 9);
    EXPECT_TRUE(play().HumanToMove());

    FrameAfter(PushKeyDown, SDLK_SPACE);
    EXPECT_EQ(engine.Top(), CPlayState::Instance());
    EXPECT_EQ(play().CursorShown(), Cursor::Circle);
    DrainEvents();
    Click(10, 10);
    EXPECT_EQ(t.cells[0][0], morvane::kHuman);
}

TEST_F(PlayScreen, JoystickButtonEightLeavesTheBoardAndCloseQuits)
{
    FrameAfter(PushJoyButtonDown, kJoystickOn);
    EXPECT_EQ(engine.Top(), CPlayState::Instance()) << "button 9 means nothing on the board";

    FrameAfter(PushJoyButtonDown, kJoystickBack);
    EXPECT_EQ(engine.Top(), CMenuState::Instance());

    FrameAfter(PushKeyDown, SDLK_SPACE);
    ASSERT_EQ(engine.Top(), CPlayState::Instance());
    // The board warps the mouse on entry, which some SDLs (sdl12-compat) queue as a motion
    // event; the board reads it, one event a frame, before the close that follows.
    for (int frame = 0; frame < 4 && PendingEvents() > 0; ++frame) {
        RunFrame(engine);
    }
    ASSERT_EQ(PendingEvents(), 0);
    ASSERT_TRUE(engine.Running());
    FrameAfter(PushQuit);
    EXPECT_FALSE(engine.Running()) << "the close is read and acted on in one frame";
}

TEST_F(PlayScreen, TheControlsPageComesAndGoesWithoutTouchingTheGame)
{
    Click(100, 40);
    const Rows before = RowsOf(t);
    FrameAfter(PushMouseMotion, 123, 77);
    EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), 0) << "the sprite is the cursor";

    FrameAfter(PushKeyDown, SDLK_i);
    EXPECT_EQ(engine.Top(), CItemState::Instance());
    FrameAfter(PushKeyDown, SDLK_ESCAPE);

    EXPECT_EQ(engine.Top(), CPlayState::Instance());
    EXPECT_EQ(RowsOf(t), before);
    EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), 1) << "the system cursor shows again after the page";
    int x = 0, y = 0;
    SDL_PumpEvents();
    SDL_GetMouseState(&x, &y);
    EXPECT_EQ(x, 123);
    EXPECT_EQ(y, 77) << "the mouse is back where it was";

    DrainEvents();  // the warp back may have queued a motion
    FrameAfter(PushKeyDown, SDLK_i);
    EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), 0) << "the page covering the board hides it again";
    FrameAfter(PushKeyDown, SDLK_ESCAPE);
    DrainEvents();
    FrameAfter(PushKeyDown, SDLK_ESCAPE);
    EXPECT_EQ(engine.Top(), CMenuState::Instance());
    EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), 0) << "leaving the board hides the system cursor";
}

// Pushed on an engine that set no video mode, the board has no screen to blacken, on entry
// or on return from the controls page. Before it was ever entered it has no size: asked in
// a fresh process, since any earlier test may have entered the one static instance.
TEST(PlayScreenWithoutVideo, EntersAndLeavesWithNoScreen)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(std::exit(CPlayState::Instance()->Radius()), testing::ExitedWithCode(0), "");
    CGameEngine idle;
    idle.PushState(CPlayState::Instance());
    EXPECT_EQ(CPlayState::Instance()->Radius(), kCellSize / 2);
    idle.PushState(CItemState::Instance());
    idle.PopState();
    idle.PopState();
}

}  // namespace
