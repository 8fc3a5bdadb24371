// SPDX-License-Identifier: MIT
#pragma once

#include "engine/CGameState.h"

#include <SDL.h>

// The menu screen, between the title and the board.
// It shows "menu.bmp" at the window's top-left corner; the picture is loaded each time
// the screen is pushed, kept while it is covered, and freed when it is popped.
class CMenuState final : public CGameState {
public:
    void Init() override;
    void Cleanup() override;
    void Pause() override {}
    void Resume() override {}
    void HandleEvents(CGameEngine* game) override;
    void Update(CGameEngine* /*game*/) override {}
    void Draw(CGameEngine* game) override;

    static CMenuState* Instance() { return &m_MenuState; }

private:
    constexpr CMenuState() = default;

    static CMenuState m_MenuState;
    SDL_Surface* m_background = nullptr;
};
