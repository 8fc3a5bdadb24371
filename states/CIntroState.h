// SPDX-License-Identifier: MIT
#pragma once

#include "engine/CGameState.h"

#include <SDL.h>

// The title screen, at the bottom of the stack for the whole game.
// It shows "intro.bmp" at the window's top-left corner; the picture is loaded each time
// the screen is pushed, kept while it is covered, and freed when it is popped.
class CIntroState final : public CGameState {
public:
    void Init() override;
    void Cleanup() override;
    void Pause() override {}
    void Resume() override {}
    void HandleEvents(CGameEngine* game) override;
    void Update(CGameEngine* /*game*/) override {}
    void Draw(CGameEngine* game) override;

    static CIntroState* Instance() { return &m_IntroState; }

private:
    constexpr CIntroState() = default;

    static CIntroState m_IntroState;
    SDL_Surface* m_background = nullptr;
};
