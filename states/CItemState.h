// SPDX-License-Identifier: MIT
#pragma once

#include "engine/CGameState.h"

#include <SDL.h>

// The controls page, opened from the board.
// It shows "item.bmp" at the window's top-left corner; the picture is loaded each time
// the screen is pushed, kept while it is covered, and freed when it is popped.
class CItemState final : public CGameState {
public:
    void Init() override;
    void Cleanup() override;
    void Pause() override {}
    void Resume() override {}
    void HandleEvents(CGameEngine* game) override;
    void Update(CGameEngine* /*game*/) override {}
    void Draw(CGameEngine* game) override;

    static CItemState* Instance() { return &m_ItemState; }

private:
    constexpr CItemState() = default;

    static CItemState m_ItemState;
    SDL_Surface* m_background = nullptr;
};
