// SPDX-License-Identifier: MIT
#pragma once

#include "board/morvane.h"
#include "engine/CGameEngine.h"
#include "engine/FrameLoop.h"
#include "engine/Window.h"
#include "states/CIntroState.h"
#include "states/CMenuState.h"
#include "states/CPlayState.h"
#include "tests/support/SdlEvents.h"

#include <gtest/gtest.h>

#include <string>

// The game on its board: intro, menu and play stacked on a running engine, an empty
// board and a quiet event queue.
class PlayScreen : public testing::Test {
protected:
    using Cursor = CPlayState::Cursor;

    void SetUp() override
    {
        engine.Init("test", kWindowWidth, kWindowHeight, kWindowBpp, false);
        engine.PushState(CIntroState::Instance());
        engine.PushState(CMenuState::Instance());
        engine.PushState(CPlayState::Instance());
        sdltest::DrainEvents();  // the board warps the mouse on entry
    }
    void TearDown() override { engine.Cleanup(); }

    CPlayState& play() { return *CPlayState::Instance(); }

    // One frame after a left click at (x, y); gives what the frame printed.
    std::string Click(Uint16 x, Uint16 y)
    {
        sdltest::PushMouseButtonDown(SDL_BUTTON_LEFT, x, y);
        testing::internal::CaptureStdout();
        RunFrame(engine);
        fflush(stdout);
        return testing::internal::GetCapturedStdout();
    }

    // Puts the marks of a board given row by row as it looks on screen: rows[j][i] is
    // cells[i][j], 'O' the human's, 'X' the computer's, '.' empty.
    static void SetBoard(const char* const rows[3])
    {
        for (int j = 0; j < 3; ++j) {
            for (int i = 0; i < 3; ++i) {
                const char mark = rows[j][i];
                t.cells[i][j] = mark == 'O'   ? morvane::kHuman
                                : mark == 'X' ? morvane::kComputer
                                              : morvane::kEmpty;
            }
        }
    }

    static int Count(int value)
    {
        int count = 0;
        for (const auto& column : t.cells) {
            for (int cell : column) {
                count += cell == value;
            }
        }
        return count;
    }

    CGameEngine engine;
};
