// SPDX-License-Identifier: MIT
#pragma once

#include <SDL.h>

#include <vector>

class CGameState;

// Starts and stops SDL, owns the video surface from Init to Cleanup, opens the
// first joystick, and keeps the stack of screens.
//
// The stack holds non-owning pointers to the static screens; the top is the last
// element. Screens change only through PushState and PopState, which call the
// screens' life-cycle operations. Screens draw on m_screen and ask to stop with Quit.
class CGameEngine {
public:
    // SDL start-up, a video mode of width x height x bpp, and joystick 0 if there is one.
    // Ends the process with status 1 if SDL cannot start and 2 if the mode cannot be set.
    // title is accepted for the caller's sake and not used: the caption is not set.
    void Init(const char* title, int width, int height, int bpp, bool fullscreen);

    // Cleans up every stacked screen from the top down (none is resumed), then shuts SDL down.
    void Cleanup();

    // Pauses the current top, if any, pushes state and calls its Init.
    void PushState(CGameState* state);
    // Cleans up and removes the top, if any, then resumes the new top, if any.
    void PopState();

    // The screen on top of the stack, or null when the stack is empty.
    [[nodiscard]] CGameState* Top() const { return m_states.empty() ? nullptr : m_states.back(); }

    [[nodiscard]] bool Running() const { return m_running; }
    void Quit() { m_running = false; }

    // The video surface every screen draws on; null before Init.
    SDL_Surface* m_screen = nullptr;

private:
    std::vector<CGameState*> m_states;
    // Opened when a joystick is attached so that its button events arrive; never read or closed.
    SDL_Joystick* m_joystick = nullptr;
    bool m_running = false;
    bool m_fullscreen = false;
};
