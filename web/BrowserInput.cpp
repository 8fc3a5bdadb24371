// SPDX-License-Identifier: MIT
#include "web/BrowserInput.h"

#include <SDL.h>
#include <emscripten.h>

#include <array>

// SDL's entry points for video drivers (its src/events/SDL_events_c.h), which the library
// exports; the browser page is this build's video driver as far as input goes.
extern "C" {
int SDL_PrivateMouseMotion(Uint8 buttonstate, int relative, Sint16 x, Sint16 y);
int SDL_PrivateMouseButton(Uint8 state, Uint8 button, Sint16 x, Sint16 y);
int SDL_PrivateKeyboard(Uint8 state, SDL_keysym* key);
int SDL_PrivateAppActive(Uint8 gain, Uint8 state);
}

namespace {

// SDL's queue holds 127 events and drops what comes beyond. One input makes one event,
// but a loss of focus makes one more for each key held: input is handed over only while
// the queue is below this, which leaves room for that.
constexpr int kQueueFill = 64;

// One queued input as the page's script lays it out: what, pressed (gained) or not,
// which button or key, and where (game pixels, for the pointer).
enum class InputKind {
    None = 0,
    Motion = 1,
    MouseButton = 2,
    Key = 3,
    JoystickButton = 4,
    Focus = 5,
    Visible = 6,
};
struct BrowserInput {
    int kind;
    int pressed;
    int code;
    int x;
    int y;
};

EM_JS(int, PageInputPending, (), { return Module.noughtsInputPending() ? 1 : 0; });

EM_JS(int, TakeBrowserInput, (BrowserInput * input), {
    var next = Module.noughtsTakeInput();
    if (!next) {
        return 0;
    }
    for (var i = 0; i < 5; ++i) {
        HEAP32[(input >> 2) + i] = next[i];
    }
    return 1;
});

Uint8 State(const BrowserInput& input)
{
    return input.pressed != 0 ? SDL_PRESSED : SDL_RELEASED;
}

void Deliver(const BrowserInput& input)
{
    switch (static_cast<InputKind>(input.kind)) {
    case InputKind::Motion:
        SDL_PrivateMouseMotion(0, 0, static_cast<Sint16>(input.x), static_cast<Sint16>(input.y));
        break;
    case InputKind::MouseButton:
        // At the pointer's last place, as an X server reports a press.
        SDL_PrivateMouseButton(State(input), static_cast<Uint8>(input.code), 0, 0);
        break;
    case InputKind::Key: {
        SDL_keysym key{};
        key.sym = static_cast<SDLKey>(input.code);
        SDL_PrivateKeyboard(State(input), &key);
        break;
    }
    case InputKind::JoystickButton: {
        SDL_Event event{};
        event.type = input.pressed != 0 ? SDL_JOYBUTTONDOWN : SDL_JOYBUTTONUP;
        event.jbutton.which = 0;
        event.jbutton.button = static_cast<Uint8>(input.code);
        event.jbutton.state = State(input);
        SDL_PushEvent(&event);
        break;
    }
    case InputKind::Focus:
        SDL_PrivateAppActive(static_cast<Uint8>(input.pressed), SDL_APPINPUTFOCUS);
        break;
    case InputKind::Visible:
        // A hidden page is a minimised window: SDL releases the mouse's buttons too.
        SDL_PrivateAppActive(static_cast<Uint8>(input.pressed), SDL_APPACTIVE);
        break;
    case InputKind::None:
        break;
    }
}

int QueuedEvents()
{
    static std::array<SDL_Event, kQueueFill> peeked;
    return SDL_PeepEvents(peeked.data(), kQueueFill, SDL_PEEKEVENT, SDL_ALLEVENTS);
}

}  // namespace

void DeliverBrowserInput()
{
    BrowserInput input{};
    while (QueuedEvents() < kQueueFill && TakeBrowserInput(&input) != 0) {
        Deliver(input);
    }
}

bool BrowserInputPending()
{
    return QueuedEvents() > 0 || PageInputPending() != 0;
}
