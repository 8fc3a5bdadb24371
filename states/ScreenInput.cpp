// SPDX-License-Identifier: MIT
#include "states/ScreenInput.h"

#include <SDL.h>

ScreenInput PollScreenInput()
{
    SDL_Event event;
    if (!SDL_PollEvent(&event)) {
        return ScreenInput::None;
    }
    switch (event.type) {
    case SDL_QUIT:
        return ScreenInput::Close;
    case SDL_KEYDOWN:
        if (event.key.keysym.sym == SDLK_ESCAPE) {
            return ScreenInput::Escape;
        }
        if (event.key.keysym.sym == SDLK_SPACE) {
            return ScreenInput::Space;
        }
        return ScreenInput::None;
    case SDL_JOYBUTTONDOWN:
        if (event.jbutton.button == 8) {
            return ScreenInput::Button8;
        }
        if (event.jbutton.button == 9) {
            return ScreenInput::Button9;
        }
        return ScreenInput::None;
    default:
        return ScreenInput::None;
    }
}
