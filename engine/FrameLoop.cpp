// SPDX-License-Identifier: MIT
#include "engine/FrameLoop.h"

#include "engine/CGameEngine.h"
#include "engine/CGameState.h"
#include "engine/EndFrame.h"

void RunFrame(CGameEngine& game)
{
    // The top is looked up again before each step: a screen pushed or popped while
    // handling events updates and draws in this same frame. The stack is never empty
    // while the game runs, but a frame that finds it so must not dereference nothing.
    if (CGameState* top = game.Top()) {
        top->HandleEvents(&game);
    }
    if (CGameState* top = game.Top()) {
        top->Update(&game);
    }
    if (CGameState* top = game.Top()) {
        top->Draw(&game);
    }
}

void RunFrameLoop(CGameEngine& game)
{
    // An empty stack has no screen left that could ever ask to quit: stop rather than spin.
    while (game.Running() && game.Top() != nullptr) {
        RunFrame(game);
        EndFrame();
    }
}
