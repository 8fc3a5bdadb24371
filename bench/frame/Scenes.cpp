// SPDX-License-Identifier: MIT
#include "bench/frame/Scenes.h"

#include "board/morvane.h"
#include "engine/FrameLoop.h"
#include "states/CIntroState.h"
#include "states/CItemState.h"
#include "states/CMenuState.h"
#include "states/CPlayState.h"

#include <SDL.h>

namespace {

// cells[i][j] with i across; 1 the human's circle, 0 the computer's cross, -1 empty.
using Board = int[3][3];

// Two marks each, no line, the human to move.
constexpr Board kHalfBoard = {{1, -1, 0}, {-1, 1, -1}, {0, -1, -1}};
// Full without a line of three: a draw, the last state of a finished game.
constexpr Board kDrawnBoard = {{1, 1, 0}, {0, 0, 1}, {1, 0, 1}};

void Fill(const Board& board)
{
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            t.cells[i][j] = board[i][j];
}

bool EventsQueued()
{
    SDL_Event event;
    return SDL_PeepEvents(&event, 1, SDL_PEEKEVENT, SDL_ALLEVENTS) > 0;
}

}  // namespace

const char* SceneName(Scene scene)
{
    switch (scene) {
    case Scene::Intro:
        return "intro";
    case Scene::Menu:
        return "menu";
    case Scene::Item:
        return "item";
    case Scene::PlayEmpty:
        return "play_empty";
    case Scene::PlayHalf:
        return "play_half";
    case Scene::PlayFinished:
        return "play_finished";
    }
    return "?";
}

bool IsPlayScene(Scene scene)
{
    return scene == Scene::PlayEmpty || scene == Scene::PlayHalf || scene == Scene::PlayFinished;
}

void StartEngine(CGameEngine& engine)
{
    engine.Init("noughts_frame_bench", 480, 272, 32, false);
}

void EnterScene(CGameEngine& engine, Scene scene)
{
    engine.PushState(CIntroState::Instance());
    if (scene != Scene::Intro)
        engine.PushState(CMenuState::Instance());
    if (scene == Scene::Item || IsPlayScene(scene))
        engine.PushState(CPlayState::Instance());
    if (scene == Scene::Item)
        engine.PushState(CItemState::Instance());

    if (scene == Scene::PlayHalf)
        Fill(kHalfBoard);
    else if (scene == Scene::PlayFinished)
        Fill(kDrawnBoard);

    // The play screen's warp queues a motion to the middle of the window: the frame that
    // takes it also picks the cursor for the board. Two more frames draw every sprite once.
    for (int i = 0; i < 16 && EventsQueued(); ++i)
        RunFrame(engine);
    RunFrame(engine);
    RunFrame(engine);
}
