// SPDX-License-Identifier: MIT
// libFuzzer target for the screens: the engine with all four screens, fed with input
// events through SDL's queue and run frame by frame under the dummy video driver.
//
// An input is a list of steps: one event (see ScreenEvents.h), then one byte whose value
// mod 3 is the number of frames run after queuing it; 0 lets events pile up, as they do
// when a player is quicker than a frame. After every frame the game must hold together:
// the stack is not empty while the game runs, every cell holds -1, 0 or 1, the human (1,
// who moves first) has as many marks as the computer (0) or one more, and it is the
// human's turn exactly when the counts are equal. When a screen quits the game, the engine
// is cleaned up and a new game starts with the rest of the input.
//
// The screens load their pictures from the working directory, so the fuzzer moves into
// the build folder that holds them: give it absolute paths.
#include "board/morvane.h"
#include "engine/CGameEngine.h"
#include "engine/FrameLoop.h"
#include "fuzz/ByteReader.h"
#include "fuzz/ScreenEvents.h"
#include "states/CIntroState.h"
#include "states/CPlayState.h"

#include <SDL.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#ifndef NOUGHTS_PICTURE_DIR
#error "NOUGHTS_PICTURE_DIR must name the folder that holds the game's pictures"
#endif

namespace {

// Bounds the work of one input: some sixty frames at most, enough for a whole game and
// the way there and back, and short enough for tens of runs a second under the sanitizers.
constexpr int kMaxSteps = 32;
constexpr int kMaxFramesPerStep = 2;
// Frames run at the end of the input to take what is still queued.
constexpr int kMaxSettlingFrames = 64;

void StartGame(CGameEngine& engine)
{
    engine.Init("fuzz_screens", 480, 272, 32, false);
    engine.PushState(CIntroState::Instance());
}

[[noreturn]] void Fail(const char* what)
{
    fprintf(stderr, "fuzz_screens: %s\n  board (cells[i][j], i across):\n", what);
    for (int j = 0; j < 3; ++j)
        fprintf(stderr, "    %2d %2d %2d\n", t.cells[0][j], t.cells[1][j], t.cells[2][j]);
    fprintf(stderr, "  human to move: %d\n", CPlayState::Instance()->HumanToMove() ? 1 : 0);
    abort();
}

void CheckBoard()
{
    int humanMarks = 0;
    int computerMarks = 0;
    for (const auto& column : t.cells) {
        for (int cell : column) {
            if (cell == morvane::kHuman)
                ++humanMarks;
            else if (cell == morvane::kComputer)
                ++computerMarks;
            else if (cell != morvane::kEmpty)
                Fail("a cell holds a value other than -1, 0 and 1");
        }
    }
    if (humanMarks != computerMarks && humanMarks != computerMarks + 1)
        Fail("the counts of marks do not fit turns taken in order");
    if (CPlayState::Instance()->HumanToMove() != (humanMarks == computerMarks))
        Fail("the turn does not match the marks on the board");
}

void CheckGame(const CGameEngine& engine)
{
    if (engine.Running() && engine.Top() == nullptr)
        Fail("the stack of screens is empty while the game runs");
    CheckBoard();
}

void RunCheckedFrame(CGameEngine& engine)
{
    RunFrame(engine);
    CheckGame(engine);
}

bool EventsQueued()
{
    SDL_Event event;
    return SDL_PeepEvents(&event, 1, SDL_PEEKEVENT, SDL_ALLEVENTS) > 0;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    if (chdir(NOUGHTS_PICTURE_DIR) != 0) {
        perror("fuzz_screens: cannot enter the folder with the pictures " NOUGHTS_PICTURE_DIR);
        exit(1);
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ByteReader in(data, size);
    int steps = 0;
    do {
        CGameEngine engine;
        StartGame(engine);
        CheckGame(engine);
        while (engine.Running() && steps < kMaxSteps && !in.AtEnd()) {
            SDL_Event event = ReadScreenEvent(in);
            SDL_PushEvent(&event);
            const int frames = in.Byte() % (kMaxFramesPerStep + 1);
            for (int i = 0; i < frames && engine.Running(); ++i)
                RunCheckedFrame(engine);
            ++steps;
        }
        for (int i = 0; i < kMaxSettlingFrames && engine.Running() && EventsQueued(); ++i)
            RunCheckedFrame(engine);
        engine.Cleanup();
        CheckBoard();
    } while (steps < kMaxSteps && !in.AtEnd());
    return 0;
}
