// SPDX-License-Identifier: MIT
#pragma once

#include "engine/CGameState.h"

#include <SDL.h>

struct ScreenEvent;

// The board: the human plays circles with the mouse, the computer answers each move at
// once with a cross in a random free cell, and the outcome picture follows the mouse
// once the game is over. The board itself is the global t; this screen writes the
// human's moves into it and resets it when it is popped.
//
// Owns the six sprites it loads in Init until Cleanup. The circle and cross sprites are
// drawn at run time over copies of the empty cell's picture.
class CPlayState final : public CGameState {
public:
    void Init() override;
    void Cleanup() override;
    void Pause() override;
    void Resume() override;
    void HandleEvents(CGameEngine* game) override;
    void Update(CGameEngine* game) override;
    void Draw(CGameEngine* game) override;

    static CPlayState* Instance() { return &m_PlayState; }

    // What the mouse currently shows, for those who check the screen's state.
    enum class Cursor { None, Circle, Cross, Win, Loss, Draw };
    [[nodiscard]] Cursor CursorShown() const;
    [[nodiscard]] bool HumanToMove() const { return m_turn; }
    [[nodiscard]] int Radius() const { return m_radius; }

private:
    constexpr CPlayState() = default;

    void PlayHumanMove(const ScreenEvent& click);
    void ResizeBoard(Uint8 wheelButton, const SDL_Surface* screen);
    void ChooseCursor();
    void DrawBoard(SDL_Surface* screen) const;
    void DrawCursor(SDL_Surface* screen) const;

    static CPlayState m_PlayState;

    bool m_turn = true;
    // Points at the sprite field that is drawn at the mouse, not at a surface.
    SDL_Surface** m_cursor = nullptr;
    SDL_Surface* m_winSprite = nullptr;
    SDL_Surface* m_loseSprite = nullptr;
    SDL_Surface* m_drawSprite = nullptr;
    SDL_Surface* m_emptySprite = nullptr;
    SDL_Surface* m_oSprite = nullptr;
    SDL_Surface* m_xSprite = nullptr;
    int m_mouseX = 0;
    int m_mouseY = 0;
    int m_drawX = 0;
    int m_drawY = 0;
    // Half the pitch of the drawn cells; the board drawing is 6 * m_radius square.
    int m_radius = 0;
};
