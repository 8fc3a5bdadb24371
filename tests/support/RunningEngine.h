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
    void SetUp() override { Start(); }
    void TearDown() override { engine.Cleanup(); }

    // Starts the engine and drops what SDL queued while it started (sdl12-compat over
    // SDL 2.32 queues focus changes even on the dummy driver), so that the test's own
    // event is the next one a screen reads.
    void Start()
    {
        engine.Init("test", kWindowWidth, kWindowHeight, kWindowBpp, false);
        sdltest::DrainEvents();
    }

    // Queues one event with push(args...), then runs one frame.
    template <typename Push, typename... Args>
    void FrameAfter(Push push, Args... args)
    {
        push(args...);
        RunFrame(engine);
    }

    CGameEngine engine;
};
