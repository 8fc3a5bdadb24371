// SPDX-License-Identifier: MIT
#include "engine/Terminate.h"

#include <SDL.h>

void Terminate()
{
    SDL_Quit();
}
