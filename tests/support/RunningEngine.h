// SPDX-License-Identifier: MIT
#pragma once

#include "engine/CGameEngine.h"
#include "engine/FrameLoop.h"
#include "engine/Window.h"
#include "tests/support/SdlEvents.h"

#include <gtest/gtest.h>

// A fixture with the engine started as the game starts it, on SDL's dummy driver, and
// a quiet event queue; the engine is cleaned up after each test.
class RunningEngine : public testing::Test {
protected:
    void SetUp() override
    {
        engine.Init("test", kWindowWidth, kWindowHeight, kWindowBpp, false);
        sdltest::DrainEvents();
    }
    void TearDown() override { engine.Cleanup(); }

    // Queues one event with push(args...), then runs one frame.
    template <typename Push, typename... Args>
    void FrameAfter(Push push, Args... args)
    {
        push(args...);
        RunFrame(engine);
    }

    CGameEngine engine;
};
