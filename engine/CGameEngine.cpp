// SPDX-License-Identifier: MIT
#include "engine/CGameEngine.h"

#include "engine/CGameState.h"
#include "engine/Terminate.h"
#include "engine/Window.h"

#include <cstdio>
#include <cstdlib>

void CGameEngine::Init([[maybe_unused]] const char* title, int width, int height, int bpp,
                       bool fullscreen)
{
    if (SDL_Init(SDL_INIT_EVERYTHING) < 0) {
        fprintf(stderr, "Couldn't initialize SDL: %s\n", SDL_GetError());
        exit(1);
    }
    // Registered by the first start only: an engine started again, as the screens fuzzer
    // does for every game, would otherwise add one more exit handler each time.
    [[maybe_unused]] static const int terminateRegistered = atexit(Terminate);

    const Uint32 flags = fullscreen ? SDL_FULLSCREEN : 0;
    m_screen = SDL_SetVideoMode(width, height, bpp, flags);
    if (m_screen == nullptr) {
        // The text names a mode the game never asks for; callers and users match on it as it is.
        fprintf(stderr, "Couldn't set 800x600x16 video mode: %s\n", SDL_GetError());
        exit(2);
    }

    if (SDL_NumJoysticks() > 0) {
        m_joystick = SDL_JoystickOpen(0);
        if (m_joystick == nullptr) {
            fprintf(stderr, "Couldn't open joystick 0: %s\n", SDL_GetError());
        }
    }

    m_fullscreen = fullscreen;
    m_running = true;
}

void CGameEngine::Cleanup()
{
    while (!m_states.empty()) {
        m_states.back()->Cleanup();
        m_states.pop_back();
    }

    if (m_fullscreen) {
        // Back to a window before quitting, so the desktop is not left in the game's mode.
        m_screen = SDL_SetVideoMode(kWindowWidth, kWindowHeight, 0, 0);
    }

    SDL_FreeSurface(m_screen);
    m_screen = nullptr;
    SDL_Quit();
}

void CGameEngine::PushState(CGameState* state)
{
    if (!m_states.empty()) {
        m_states.back()->Pause();
    }
    m_states.push_back(state);
    m_states.back()->Init();
}

void CGameEngine::PopState()
{
    if (!m_states.empty()) {
        m_states.back()->Cleanup();
        m_states.pop_back();
    }
    if (!m_states.empty()) {
        m_states.back()->Resume();
    }
}
