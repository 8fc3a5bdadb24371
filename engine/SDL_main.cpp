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
    // Line by line, so that whoever reads the click log through a pipe sees each click
    // as it happens rather than when the game ends.
    setvbuf(stdout, nullptr, _IOLBF, 0);

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
