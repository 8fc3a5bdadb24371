// SPDX-License-Identifier: MIT
#include "tests/support/SdlEvents.h"

namespace sdltest {

namespace {

void Push(SDL_Event event)
{
    SDL_PushEvent(&event);
}

SDL_Event Key(Uint8 type, SDLKey key)
{
    SDL_Event event{};
    event.type = type;
    event.key.type = type;
    event.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    event.key.keysym.sym = key;
    return event;
}

}  // namespace

void PushKeyDown(SDLKey key)
{
    Push(Key(SDL_KEYDOWN, key));
}

void PushKeyUp(SDLKey key)
{
    Push(Key(SDL_KEYUP, key));
}

void PushJoyButtonDown(Uint8 button)
{
    SDL_Event event{};
    event.type = SDL_JOYBUTTONDOWN;
    event.jbutton.type = SDL_JOYBUTTONDOWN;
    event.jbutton.which = 0;
    event.jbutton.button = button;
    event.jbutton.state = SDL_PRESSED;
    Push(event);
}

void PushMouseMotion(Uint16 x, Uint16 y)
{
    SDL_Event event{};
    event.type = SDL_MOUSEMOTION;
    event.motion.type = SDL_MOUSEMOTION;
    event.motion.x = x;
    event.motion.y = y;
    Push(event);
}

void PushMouseButtonDown(Uint8 button, Uint16 x, Uint16 y)
{
    SDL_Event event{};
    event.type = SDL_MOUSEBUTTONDOWN;
    event.button.type = SDL_MOUSEBUTTONDOWN;
    event.button.button = button;
    event.button.state = SDL_PRESSED;
    event.button.x = x;
    event.button.y = y;
    Push(event);
}

void PushQuit()
{
    SDL_Event event{};
    event.type = SDL_QUIT;
    Push(event);
}

void DrainEvents()
{
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
    }
}

int PendingEvents()
{
    SDL_PumpEvents();
    SDL_Event events[64];
    return SDL_PeepEvents(events, 64, SDL_PEEKEVENT, SDL_ALLEVENTS);
}

}  // namespace sdltest
