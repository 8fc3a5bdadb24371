// SPDX-License-Identifier: MIT
#include "engine/CGameEngine.h"
#include "engine/FrameLoop.h"
#include "engine/Window.h"
#include "states/CIntroState.h"
#include "states/CItemState.h"
#include "states/CMenuState.h"
#include "states/CPlayState.h"
#include "states/ScreenInput.h"
#include "tests/e2e/support/TemporaryDirectory.h"
#include "tests/support/ScopedWorkingDirectory.h"
#include "tests/support/SdlEvents.h"
#include "tests/support/Surfaces.h"

#include <gtest/gtest.h>

#include <functional>

using namespace sdltest;

namespace {

class BitmapScreens : public testing::Test {
protected:
    void SetUp() override
    {
        engine.Init("test", kWindowWidth, kWindowHeight, kWindowBpp, false);
        DrainEvents();
    }
    void TearDown() override { engine.Cleanup(); }

    // Stacks the intro and then each of the given screens on top of it.
    void Stack(std::initializer_list<CGameState*> above)
    {
        engine.PushState(CIntroState::Instance());
        for (CGameState* state : above) {
            engine.PushState(state);
        }
    }

    CGameEngine engine;
};

struct Row {
    const char* name;
    CGameState* top;              // the screen the input goes to
    std::function<void()> input;  // queues one event
    CGameState* expectedTop;      // null: the game quits and the stack stays as it was
};

CGameState* Intro()
{
    return CIntroState::Instance();
}
CGameState* Menu()
{
    return CMenuState::Instance();
}
CGameState* Item()
{
    return CItemState::Instance();
}
CGameState* Play()
{
    return CPlayState::Instance();
}

void Space()
{
    PushKeyDown(SDLK_SPACE);
}
void Escape()
{
    PushKeyDown(SDLK_ESCAPE);
}
void Button(Uint8 b)
{
    PushJoyButtonDown(b);
}

TEST_F(BitmapScreens, EachScreenAnswersItsInputs)
{
    const Row rows[] = {
        {"intro Space", Intro(), Space, Menu()},
        {"intro button 9", Intro(), [] { Button(kJoystickOn); }, Menu()},
        {"intro Escape", Intro(), Escape, nullptr},
        {"intro button 8", Intro(), [] { Button(kJoystickBack); }, nullptr},
        {"intro close", Intro(), PushQuit, nullptr},
        {"intro key up", Intro(), [] { PushKeyUp(SDLK_SPACE); }, Intro()},
        {"intro other key", Intro(), [] { PushKeyDown(SDLK_a); }, Intro()},
        {"intro click", Intro(), [] { PushMouseButtonDown(1, 10, 10); }, Intro()},
        {"intro button 1", Intro(), [] { Button(1); }, Intro()},
        {"menu Space", Menu(), Space, Play()},
        {"menu button 9", Menu(), [] { Button(kJoystickOn); }, Play()},
        {"menu Escape", Menu(), Escape, Intro()},
        {"menu button 8", Menu(), [] { Button(kJoystickBack); }, Intro()},
        {"menu close", Menu(), PushQuit, nullptr},
        {"menu i", Menu(), [] { PushKeyDown(SDLK_i); }, Menu()},
        {"item Escape", Item(), Escape, Intro()},
        {"item button 8", Item(), [] { Button(kJoystickBack); }, Intro()},
        {"item button 9", Item(), [] { Button(kJoystickOn); }, Intro()},
        {"item Space", Item(), Space, Item()},
        {"item close", Item(), PushQuit, nullptr},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        engine.PushState(CIntroState::Instance());
        if (row.top != Intro()) {
            engine.PushState(row.top);
        }
        row.input();

        RunFrame(engine);
        if (row.expectedTop == nullptr) {
            EXPECT_FALSE(engine.Running());
            EXPECT_EQ(engine.Top(), row.top);
        } else {
            EXPECT_TRUE(engine.Running());
            EXPECT_EQ(engine.Top(), row.expectedTop);
        }
        if (row.expectedTop != Play()) {  // the board warps the mouse, which queues a motion
            EXPECT_EQ(PendingEvents(), 0) << "the event is consumed, handled or not";
        }

        // Start the next row from an empty stack and a running engine.
        engine.Cleanup();
        engine.Init("test", kWindowWidth, kWindowHeight, kWindowBpp, false);
    }
}

TEST_F(BitmapScreens, TakeOneEventPerFrame)
{
    Stack({});
    Space();
    Space();

    RunFrame(engine);
    EXPECT_EQ(engine.Top(), Menu());
    EXPECT_EQ(PendingEvents(), 1);

    RunFrame(engine);
    EXPECT_EQ(engine.Top(), Play());
}

TEST_F(BitmapScreens, ShowTheirPictureAndTheIntroIsRedrawnOnReturn)
{
    SDL_Surface* intro = SDL_LoadBMP("intro.bmp");
    SDL_Surface* menu = SDL_LoadBMP("menu.bmp");
    ASSERT_NE(intro, nullptr) << "the tests run where the pictures lie";
    ASSERT_NE(menu, nullptr);

    auto showsPicture = [this](SDL_Surface* picture) {
        for (int y = 0; y < picture->h; y += 7) {
            for (int x = 0; x < picture->w; x += 5) {
                if (RgbAt(engine.m_screen, x, y) != RgbAt(picture, x, y)) {
                    return testing::AssertionFailure() << "differs at " << x << ", " << y;
                }
            }
        }
        return testing::AssertionSuccess();
    };

    Stack({});
    RunFrame(engine);
    EXPECT_TRUE(showsPicture(intro));

    Space();
    RunFrame(engine);
    EXPECT_TRUE(showsPicture(menu));

    Escape();
    RunFrame(engine);
    EXPECT_EQ(engine.Top(), Intro());
    EXPECT_TRUE(showsPicture(intro)) << "the intro draws in the frame that uncovers it";

    SDL_FreeSurface(intro);
    SDL_FreeSurface(menu);
}

TEST_F(BitmapScreens, AMissingPictureIsReportedAndTheScreensStillWork)
{
    e2e::TemporaryDirectory empty;
    ScopedWorkingDirectory inside(empty.Path());

    testing::internal::CaptureStderr();
    Stack({});
    RunFrame(engine);
    Space();
    RunFrame(engine);
    const std::string errors = testing::internal::GetCapturedStderr();

    EXPECT_NE(errors.find("intro.bmp"), std::string::npos) << errors;
    EXPECT_NE(errors.find("menu.bmp"), std::string::npos) << errors;
    EXPECT_EQ(engine.Top(), Menu());

    Escape();
    RunFrame(engine);
    Escape();
    RunFrame(engine);
    EXPECT_FALSE(engine.Running());
}

}  // namespace
