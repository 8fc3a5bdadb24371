// SPDX-License-Identifier: MIT
#include "tests/support/SdlEvents.h"

namespace sdltest {

namespace {

// Queues the event whose member (of SDL 1.2's fixed layout) is filled by fill.
template <typename Fill>
void Push(Fill fill)
{
    SDL_Event event{};
    fill(event);
    SDL_PushEvent(&event);
}

}  // namespace

void PushKeyDown(SDLKey key)
{
    Push([&](SDL_Event& e) { e.key = {SDL_KEYDOWN, 0, SDL_PRESSED, {0, key, KMOD_NONE, 0}}; });
}

void PushKeyUp(SDLKey key)
{
    Push([&](SDL_Event& e) { e.key = {SDL_KEYUP, 0, SDL_RELEASED, {0, key, KMOD_NONE, 0}}; });
}

void PushJoyButtonDown(Uint8 button)
{
    Push([&](SDL_Event& e) { e.jbutton = {SDL_JOYBUTTONDOWN, 0, button, SDL_PRESSED}; });
}

void PushMouseMotion(Uint16 x, Uint16 y)
{
    Push([&](SDL_Event& e) { e.motion = {SDL_MOUSEMOTION, 0, 0, x, y, 0, 0}; });
}

void PushMouseButtonDown(Uint8 button, Uint16 x, Uint16 y)
{
    Push([&](SDL_Event& e) { e.button = {SDL_MOUSEBUTTONDOWN, 0, button, SDL_PRESSED, x, y}; });
}

void PushQuit()
{
    Push([](SDL_Event& e) { e.type = SDL_QUIT; });
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
