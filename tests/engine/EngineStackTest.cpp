// SPDX-License-Identifier: MIT
#include "engine/CGameEngine.h"
#include "tests/engine/RecordingState.h"

#include <gtest/gtest.h>

namespace {

class EngineStack : public testing::Test, protected RecordingStates {
protected:
    CGameEngine engine;
};

TEST_F(EngineStack, PushOntoEmptyStackInitsWithoutPausing)
{
    EXPECT_FALSE(engine.Running()) << "an engine is not running before Init";
    engine.PushState(&a);
    EXPECT_EQ(log, (Log{"A.Init"}));
    EXPECT_EQ(engine.Top(), &a);
}

TEST_F(EngineStack, PushPausesTheCoveredTopAndPopResumesIt)
{
    engine.PushState(&a);
    engine.PushState(&b);
    EXPECT_EQ(engine.Top(), &b);
    engine.PopState();
    EXPECT_EQ(log, (Log{"A.Init", "A.Pause", "B.Init", "B.Cleanup", "A.Resume"}));
    EXPECT_EQ(engine.Top(), &a);
}

TEST_F(EngineStack, PoppingTheLastStateCleansUpAndResumesNothing)
{
    engine.PushState(&a);
    engine.PopState();
    EXPECT_EQ(log, (Log{"A.Init", "A.Cleanup"}));
    EXPECT_EQ(engine.Top(), nullptr);

    log.clear();
    engine.PopState();
    EXPECT_TRUE(log.empty()) << "a pop of an empty stack calls nothing";
}

TEST_F(EngineStack, CleanupCleansUpEveryStateTopDownAndResumesNone)
{
    engine.PushState(&a);
    engine.PushState(&b);
    engine.PushState(&c);
    log.clear();

    engine.Cleanup();
    EXPECT_EQ(log, (Log{"C.Cleanup", "B.Cleanup", "A.Cleanup"}));
    EXPECT_EQ(engine.Top(), nullptr);
}

TEST_F(EngineStack, AStatePoppedAndPushedAgainIsInitialisedAgain)
{
    engine.PushState(&a);
    engine.PushState(&b);
    engine.PopState();
    engine.PushState(&b);
    EXPECT_EQ(log,
              (Log{"A.Init", "A.Pause", "B.Init", "B.Cleanup", "A.Resume", "A.Pause", "B.Init"}));
}

}  // namespace
