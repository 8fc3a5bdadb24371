// SPDX-License-Identifier: MIT
#include "tests/engine/JoystickStandIn.h"
#include "tests/engine/RecordingState.h"
#include "tests/support/RunningEngine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The frame loop needs a running engine. The screens outlive it.
class FrameLoop : protected RecordingStates, public RunningEngine {};

TEST_F(FrameLoop, InitGivesARunningEngineWithA480By272Window)
{
    ASSERT_NE(engine.m_screen, nullptr);
    EXPECT_TRUE(engine.Running());
    EXPECT_EQ(engine.m_screen->w, kWindowWidth);
    EXPECT_EQ(engine.m_screen->h, kWindowHeight);
    EXPECT_EQ(engine.m_screen->format->BitsPerPixel, kWindowBpp);
    EXPECT_FALSE(engine.m_screen->flags & SDL_FULLSCREEN);

    // Started again where there is no joystick (the test machines have none): none is
    // opened, and nothing is said.
    if (SDL_NumJoysticks() == 0) {
        engine.Cleanup();
        testing::internal::CaptureStderr();
        Start();
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    }
}

TEST_F(FrameLoop, AQuitWhileHandlingEventsStillUpdatesAndDrawsThatFrame)
{
    engine.PushState(&a);
    a.onNextEvents = &CGameEngine::Quit;
    log.clear();

    RunFrameLoop(engine);
    EXPECT_FALSE(engine.Running());
    EXPECT_EQ(log, (Log{"A.HandleEvents", "A.Update", "A.Draw"}));
}

TEST_F(FrameLoop, AStatePushedWhileHandlingEventsUpdatesAndDrawsInTheSameFrame)
{
    engine.PushState(&a);
    a.onNextEvents = [this](CGameEngine* game) {
        game->PushState(&b);
    };
    log.clear();

    RunFrame(engine);
    EXPECT_EQ(log, (Log{"A.HandleEvents", "A.Pause", "B.Init", "B.Update", "B.Draw"}));
}

TEST_F(FrameLoop, AStatePoppedWhileHandlingEventsHandsTheFrameToTheOneBelow)
{
    engine.PushState(&a);
    engine.PushState(&b);
    b.onNextEvents = &CGameEngine::PopState;
    log.clear();

    RunFrame(engine);
    EXPECT_EQ(log, (Log{"B.HandleEvents", "B.Cleanup", "A.Resume", "A.Update", "A.Draw"}));
}

TEST_F(FrameLoop, StopsWhenTheLastStateIsGoneRatherThanSpinning)
{
    engine.PushState(&a);
    a.onNextEvents = &CGameEngine::PopState;

    RunFrameLoop(engine);
    EXPECT_TRUE(engine.Running()) << "nobody asked to quit";
    EXPECT_EQ(engine.Top(), nullptr);
}

TEST(EngineInit, OpensTheFirstJoystickWhereThereIsOneAndSaysWhenItCannot)
{
    for (const bool opens : {true, false}) {
        const JoystickStandIn joystick(opens);
        CGameEngine engine;
        testing::internal::CaptureStderr();
        engine.Init("test", kWindowWidth, kWindowHeight, kWindowBpp, false);
        const std::string said = testing::internal::GetCapturedStderr();
        engine.Cleanup();
        EXPECT_EQ(SDL_WasInit(SDL_INIT_EVERYTHING), 0u) << "Cleanup ends SDL";
        EXPECT_EQ(joystick.Opened(), std::vector<int>{0});
        if (opens) {
            EXPECT_EQ(said, "");
        } else {
            EXPECT_EQ(said.rfind("Couldn't open joystick 0: ", 0), 0u) << said;
        }
    }
}

TEST(EngineInit, ASystemThatCannotStartSdlEndsWithStatusOneAndSaysWhy)
{
    EXPECT_EXIT(
        {
            setenv("SDL_VIDEODRIVER", "no-such-driver", 1);
            CGameEngine engine;
            engine.Init("test", kWindowWidth, kWindowHeight, kWindowBpp, false);
        },
        testing::ExitedWithCode(1), "^Couldn't initialize SDL: ");
}

}  // namespace
