// SPDX-License-Identifier: MIT
#include "fuzz/ScreenEvents.h"

namespace {

SDL_Event Key(Uint8 type, int key)
{
    SDL_Event event{};
    event.type = type;
    event.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    event.key.keysym.sym = static_cast<SDLKey>(key);
    return event;
}

SDL_Event MouseButton(Uint8 type, ByteReader& in)
{
    SDL_Event event{};
    event.type = type;
    event.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
    event.button.button = in.Byte();
    event.button.x = in.U16();
    event.button.y = in.U16();
    return event;
}

SDL_Event JoyButton(Uint8 type, ByteReader& in)
{
    SDL_Event event{};
    event.type = type;
    event.jbutton.state = type == SDL_JOYBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
    event.jbutton.button = in.Byte();
    return event;
}

}  // namespace

SDL_Event ReadScreenEvent(ByteReader& in)
{
    switch (in.Byte() % kEventKinds) {
    case 0:
        return Key(SDL_KEYDOWN, SDLK_ESCAPE);
    case 1:
        return Key(SDL_KEYDOWN, SDLK_SPACE);
    case 2:
        return Key(SDL_KEYDOWN, SDLK_i);
    case 3:
        return Key(SDL_KEYDOWN, in.U16() % SDLK_LAST);
    case 4:
        return Key(SDL_KEYUP, in.U16() % SDLK_LAST);
    case 5: {
        SDL_Event event{};
        event.type = SDL_MOUSEMOTION;
        event.motion.x = in.U16();
        event.motion.y = in.U16();
        return event;
    }
    case 6:
        return MouseButton(SDL_MOUSEBUTTONDOWN, in);
    case 7:
        return MouseButton(SDL_MOUSEBUTTONUP, in);
    case 8:
        return JoyButton(SDL_JOYBUTTONDOWN, in);
    case 9:
        return JoyButton(SDL_JOYBUTTONUP, in);
    case 10: {
        SDL_Event event{};
        event.type = SDL_QUIT;
        return event;
    }
    default: {
        SDL_Event event{};
        event.type = static_cast<Uint8>(in.Byte() % SDL_NUMEVENTS);
        // SDL copies a window-manager event's message through its pointer as it queues
        // it: one without a message is SDL's fault to take, not the game's.
        if (event.type == SDL_SYSWMEVENT)
            event.type = SDL_NOEVENT;
        return event;
    }
    }
}
