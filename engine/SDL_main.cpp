// SPDX-License-Identifier: MIT
#include "engine/SDL_main.h"

#include "engine/CGameEngine.h"
#include "engine/FrameLoop.h"
#include "engine/Window.h"
#include "states/CIntroState.h"

#include <SDL.h>

#include <cstdio>

extern "C" int SDL_main(int argc, char* argv[])
{
    // Line by line, so that whoever reads the click log through a pipe or a file sees
    // each click as it happens rather than when the game ends. Microsoft's C library has
    // no line buffering (it takes _IOLBF for full buffering, and rejects the size 0), so
    // there the stream is unbuffered: each printf is written out before it returns.
#ifdef _WIN32
    setvbuf(stdout, nullptr, _IONBF, 0);
#else
    setvbuf(stdout, nullptr, _IOLBF, 0);
#endif

    printf("%d\n", argc);
    for (int i = 0; i < argc; ++i) {
        printf("%s\n", argv[i]);
    }

    CGameEngine game;
    game.Init("Noughts and Crosses", kWindowWidth, kWindowHeight, kWindowBpp, false);
    game.PushState(CIntroState::Instance());
    RunFrameLoop(game);
    game.Cleanup();
    SDL_Quit();
    return 0;
}
