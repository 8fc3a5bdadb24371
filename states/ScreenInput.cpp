// SPDX-License-Identifier: MIT
#include "states/ScreenInput.h"

namespace {

ScreenInput KeyInput(SDLKey key)
{
    switch (key) {
    case SDLK_ESCAPE:
        return ScreenInput::Escape;
    case SDLK_SPACE:
        return ScreenInput::Space;
    case SDLK_i:
        return ScreenInput::KeyI;
    default:
        return ScreenInput::Other;
    }
}

ScreenInput JoystickInput(Uint8 button)
{
    if (button == kJoystickBack) {
        return ScreenInput::JoystickBack;
    }
    if (button == kJoystickOn) {
        return ScreenInput::JoystickOn;
    }
    return ScreenInput::Other;
}

}  // namespace

ScreenEvent PollScreenEvent()
{
    SDL_Event event;
    if (SDL_PollEvent(&event) == 0) {
        return {};
    }
    switch (event.type) {
    case SDL_QUIT:
        return {ScreenInput::Close};
    case SDL_KEYDOWN:
        return {KeyInput(event.key.keysym.sym)};
    case SDL_JOYBUTTONDOWN:
        return {JoystickInput(event.jbutton.button)};
    case SDL_MOUSEMOTION:
        return {ScreenInput::MouseMotion, event.motion.x, event.motion.y};
    case SDL_MOUSEBUTTONDOWN:
        return {ScreenInput::MouseButton, event.button.x, event.button.y, event.button.button};
    default:
        return {ScreenInput::Other};
    }
}
