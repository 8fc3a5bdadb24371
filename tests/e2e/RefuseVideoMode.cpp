// SPDX-License-Identifier: MIT
// Preloaded into the game by the test of a refused video mode: stands in for SDL's
// SDL_SetVideoMode and refuses every mode, as a display that cannot give one would.
#include <SDL.h>

extern "C" SDL_Surface* SDL_SetVideoMode(int, int, int, Uint32)
{
    SDL_SetError("no mode for this test");
    return nullptr;
}
