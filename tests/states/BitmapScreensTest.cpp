// SPDX-License-Identifier: MIT
#include "states/CIntroState.h"
#include "states/CItemState.h"
#include "states/CMenuState.h"
#include "states/CPlayState.h"
#include "states/ScreenInput.h"
#include "tests/e2e/support/TemporaryDirectory.h"
#include "tests/support/RunningEngine.h"
#include "tests/support/ScopedWorkingDirectory.h"
#include "tests/support/Surfaces.h"

#include <gtest/gtest.h>

#include <malloc.h>

#include <cstddef>
#include <functional>
#include <utility>

using namespace sdltest;

namespace {

CGameState* const kIntro = CIntroState::Instance();
CGameState* const kMenu = CMenuState::Instance();
CGameState* const kItem = CItemState::Instance();
CGameState* const kPlay = CPlayState::Instance();

using BitmapScreens = RunningEngine;

TEST_F(BitmapScreens, EachScreenAnswersItsInputs)
{
    struct Row {
        const char* name;
        CGameState* top;              // the screen the input goes to
        std::function<void()> input;  // queues one event
        CGameState* expectedTop;      // null: the game quits and the stack stays as it was
    };
    const Row rows[] = {
        {"intro Space", kIntro, [] { PushKeyDown(SDLK_SPACE); }, kMenu},
        // The buttons by their numbers, as the player knows them.
        {"intro button 9", kIntro, [] { PushJoyButtonDown(9); }, kMenu},
        {"intro Escape", kIntro, [] { PushKeyDown(SDLK_ESCAPE); }, nullptr},
        {"intro button 8", kIntro, [] { PushJoyButtonDown(8); }, nullptr},
        {"intro close", kIntro, PushQuit, nullptr},
        {"intro key up", kIntro, [] { PushKeyUp(SDLK_SPACE); }, kIntro},
        {"intro other key", kIntro, [] { PushKeyDown(SDLK_a); }, kIntro},
        {"intro click", kIntro, [] { PushMouseButtonDown(1, 10, 10); }, kIntro},
        {"intro button 1", kIntro, [] { PushJoyButtonDown(1); }, kIntro},
        {"menu Space", kMenu, [] { PushKeyDown(SDLK_SPACE); }, kPlay},
        {"menu button 9", kMenu, [] { PushJoyButtonDown(kJoystickOn); }, kPlay},
        {"menu Escape", kMenu, [] { PushKeyDown(SDLK_ESCAPE); }, kIntro},
        {"menu button 8", kMenu, [] { PushJoyButtonDown(kJoystickBack); }, kIntro},
        {"menu close", kMenu, PushQuit, nullptr},
        {"menu i", kMenu, [] { PushKeyDown(SDLK_i); }, kMenu},
        {"item Escape", kItem, [] { PushKeyDown(SDLK_ESCAPE); }, kIntro},
        {"item button 8", kItem, [] { PushJoyButtonDown(kJoystickBack); }, kIntro},
        {"item button 9", kItem, [] { PushJoyButtonDown(kJoystickOn); }, kIntro},
        {"item Space", kItem, [] { PushKeyDown(SDLK_SPACE); }, kItem},
        {"item close", kItem, PushQuit, nullptr},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        engine.PushState(kIntro);
        if (row.top != kIntro) {
            engine.PushState(row.top);
        }
        FrameAfter(row.input);
        EXPECT_EQ(engine.Running(), row.expectedTop != nullptr);
        EXPECT_EQ(engine.Top(), row.expectedTop != nullptr ? row.expectedTop : row.top);
        if (row.expectedTop != kPlay) {  // the board warps the mouse, which queues a motion
            EXPECT_EQ(PendingEvents(), 0) << "the event is consumed, handled or not";
        }

        // Start the next row from an empty stack and a running engine.
        engine.Cleanup();
        Start();
    }
}

TEST_F(BitmapScreens, TakeOneEventPerFrame)
{
    engine.PushState(kIntro);
    PushKeyDown(SDLK_SPACE);
    PushKeyDown(SDLK_SPACE);

    RunFrame(engine);
    EXPECT_EQ(engine.Top(), kMenu);
    EXPECT_EQ(PendingEvents(), 1);

    RunFrame(engine);
    EXPECT_EQ(engine.Top(), kPlay);
}

TEST_F(BitmapScreens, ShowTheirPictureAndTheIntroIsRedrawnOnReturn)
{
    const Surface intro(SDL_LoadBMP("intro.bmp"));
    const Surface menu(SDL_LoadBMP("menu.bmp"));
    ASSERT_NE(intro, nullptr) << "the tests run where the pictures lie";
    ASSERT_NE(menu, nullptr);

    engine.PushState(kIntro);
    RunFrame(engine);
    EXPECT_TRUE(SameColours(engine.m_screen, intro, intro->w, intro->h));

    FrameAfter(PushKeyDown, SDLK_SPACE);
    EXPECT_TRUE(SameColours(engine.m_screen, menu, menu->w, menu->h));

    FrameAfter(PushKeyDown, SDLK_ESCAPE);
    EXPECT_EQ(engine.Top(), kIntro);
    EXPECT_TRUE(SameColours(engine.m_screen, intro, intro->w, intro->h))
        << "the intro draws in the frame that uncovers it";
}

TEST_F(BitmapScreens, AMissingPictureIsReportedAndTheScreensStillWork)
{
    e2e::TemporaryDirectory empty;
    ScopedWorkingDirectory inside(empty.Path());

    testing::internal::CaptureStderr();
    engine.PushState(kIntro);
    RunFrame(engine);
    FrameAfter(PushKeyDown, SDLK_SPACE);
    const std::string errors = testing::internal::GetCapturedStderr();

    EXPECT_NE(errors.find("intro.bmp"), std::string::npos) << errors;
    EXPECT_NE(errors.find("menu.bmp"), std::string::npos) << errors;
    EXPECT_EQ(engine.Top(), kMenu);

    FrameAfter(PushKeyDown, SDLK_ESCAPE);
    FrameAfter(PushKeyDown, SDLK_ESCAPE);
    EXPECT_FALSE(engine.Running());
}

// Heap bytes in use, the large blocks that the C library maps on their own included.
size_t HeapInUse()
{
    const struct mallinfo2 heap = mallinfo2();
    return heap.uordblks + heap.hblkhd;
}

// Each screen frees what its Init loaded when it is popped: a screen entered again and
// again holds no more memory than once. A picture left behind would cost 32 KB (a 90 x 90
// cell) or more with each round.
TEST_F(BitmapScreens, FreeWhatTheyLoadedWhenPopped)
{
    // Each on an empty stack: a screen pushed while it is already on the stack would load
    // over what it holds.
    const std::pair<const char*, CGameState*> screens[] = {
        {"intro", kIntro}, {"menu", kMenu}, {"item", kItem}, {"play", kPlay}};
    for (const auto& [name, screen] : screens) {
        const auto round = [&] {
            engine.PushState(screen);
            RunFrame(engine);
            engine.PopState();
            DrainEvents();
        };
        round();  // the first round may fill SDL's caches for good
        const size_t before = HeapInUse();
        for (int i = 0; i < 3; ++i) {
            round();
        }
        EXPECT_LT(HeapInUse(), before + 16 * 1024) << "entering the " << name << " screen again";
    }
}

}  // namespace
