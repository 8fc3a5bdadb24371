// SPDX-License-Identifier: MIT
#include "states/CPlayState.h"

#include "board/BoardColours.h"
#include "board/morvane.h"
#include "draw/Draw.h"
#include "engine/CGameEngine.h"
#include "states/Bitmap.h"
#include "states/CItemState.h"
#include "states/CellSize.h"
#include "states/CellSprite.h"
#include "states/ScreenInput.h"

#include <cstdio>

namespace {

int HalfSmallerSide(const SDL_Surface* sprite)
{
    if (sprite == nullptr) {
        return 0;
    }
    return sprite->w > sprite->h ? sprite->h / 2 : sprite->w / 2;
}

}  // namespace

CPlayState CPlayState::m_PlayState;

void CPlayState::Init()
{
    // Three independent copies of the empty cell: two become the circle and the cross.
    m_oSprite = LoadCellSprite();
    m_xSprite = LoadCellSprite();
    m_winSprite = LoadBitmap("win1.bmp");
    m_loseSprite = LoadBitmap("win2.bmp");
    m_emptySprite = LoadCellSprite();
    m_drawSprite = LoadBitmap("DRAW.bmp");

    m_radius = HalfSmallerSide(m_oSprite);
    m_turn = true;
    DrawCircleSprite(m_oSprite, m_radius);
    DrawCrossSprite(m_xSprite, m_radius);
    // Only now, once the circle has been shifted by the picture's own pixel size: from
    // here on the sprites are blitted every frame, and copies in the screen's format
    // blit without conversion. The cells get their frames later, in their own format.
    for (SDL_Surface** sprite : {&m_winSprite, &m_loseSprite, &m_drawSprite}) {
        *sprite = ToScreenFormat(*sprite);
    }
    for (SDL_Surface** cell : {&m_oSprite, &m_xSprite, &m_emptySprite}) {
        *cell = ToScreenFormatIfLossless(*cell);
    }
    m_cursor = &m_oSprite;

    SDL_Surface* screen = SDL_GetVideoSurface();
    m_mouseX = screen != nullptr ? screen->w / 2 : 0;
    m_mouseY = screen != nullptr ? screen->h / 2 : 0;
    m_drawX = 0;
    m_drawY = 0;

    // The sprite is the cursor: the system's own is hidden while the board is up.
    SDL_WarpMouse(static_cast<Uint16>(m_mouseX), static_cast<Uint16>(m_mouseY));
    SDL_ShowCursor(0);
    // A board pushed before any video mode was set has no screen to blacken, and
    // SDL_FillRect would dereference the missing one.
    if (screen != nullptr) {
        SDL_FillRect(screen, nullptr, 0);
    }
}

void CPlayState::Cleanup()
{
    for (SDL_Surface** sprite :
         {&m_oSprite, &m_xSprite, &m_winSprite, &m_loseSprite, &m_drawSprite, &m_emptySprite}) {
        FreeBitmap(*sprite);
    }
    m_turn = true;
    t.reset();
    SDL_ShowCursor(0);
}

void CPlayState::Pause()
{
    SDL_ShowCursor(0);
}

void CPlayState::Resume()
{
    // Back from the controls page: the system cursor stays visible beside the sprite
    // until the board is covered or left again.
    SDL_ShowCursor(1);
    SDL_WarpMouse(static_cast<Uint16>(m_mouseX), static_cast<Uint16>(m_mouseY));
    if (SDL_GetVideoSurface() != nullptr) {
        SDL_FillRect(SDL_GetVideoSurface(), nullptr, 0);
    }
}

void CPlayState::HandleEvents(CGameEngine* game)
{
    const ScreenEvent event = PollScreenEvent();
    switch (event.input) {
    case ScreenInput::None:
        return;
    case ScreenInput::Escape:
    case ScreenInput::JoystickBack:
        game->PopState();
        break;
    case ScreenInput::KeyI:
        game->PushState(CItemState::Instance());
        break;
    case ScreenInput::MouseMotion:
        m_mouseX = event.x;
        m_mouseY = event.y;
        break;
    case ScreenInput::MouseButton:
        if (event.button == SDL_BUTTON_LEFT) {
            PlayHumanMove(event);
        } else {
            ResizeBoard(event.button, game->m_screen);
        }
        break;
    case ScreenInput::Close:
        game->Quit();
        break;
    case ScreenInput::Space:
    case ScreenInput::JoystickOn:
    case ScreenInput::Other:
        break;
    }

    // After any event, ignored ones too, but not in a frame without one. The cursor is
    // chosen before the computer answers, so a winning cross shows the loss picture only
    // from the next event on.
    ChooseCursor();
    if (!m_turn) {
        t.AI(m_turn);
    }
}

void CPlayState::PlayHumanMove(const ScreenEvent& click)
{
    printf("click : %d, %d, %d\n", click.x, click.y, click.button);
    if (t.setgame() != morvane::kInProgress) {
        return;
    }
    const int i = click.x / kCellSize;
    const int j = click.y / kCellSize;
    // Right of or below the board there is no cell to take.
    if (i >= 3 || j >= 3) {
        return;
    }
    if (t.cells[i][j] == morvane::kEmpty) {
        t.cells[i][j] = m_turn ? morvane::kHuman : morvane::kComputer;
        m_turn = !m_turn;
    }
}

void CPlayState::ResizeBoard(Uint8 wheelButton, const SDL_Surface* screen)
{
    if (wheelButton == SDL_BUTTON_WHEELUP && m_radius > 0) {
        --m_radius;
    } else if (wheelButton == SDL_BUTTON_WHEELDOWN && screen != nullptr &&
               m_radius < screen->h / 6) {
        ++m_radius;
    }
}

void CPlayState::ChooseCursor()
{
    switch (t.setgame()) {
    case morvane::kHuman:
        m_cursor = &m_winSprite;
        break;
    case morvane::kComputer:
        m_cursor = &m_loseSprite;
        break;
    case morvane::kDraw:
        m_cursor = &m_drawSprite;
        break;
    default:
        m_cursor = m_turn ? &m_oSprite : &m_xSprite;
        break;
    }
}

CPlayState::Cursor CPlayState::CursorShown() const
{
    if (m_cursor == &m_oSprite) {
        return Cursor::Circle;
    }
    if (m_cursor == &m_xSprite) {
        return Cursor::Cross;
    }
    if (m_cursor == &m_winSprite) {
        return Cursor::Win;
    }
    if (m_cursor == &m_loseSprite) {
        return Cursor::Loss;
    }
    if (m_cursor == &m_drawSprite) {
        return Cursor::Draw;
    }
    return Cursor::None;
}

void CPlayState::Update(CGameEngine* /*game*/)
{
    m_drawX = m_mouseX;
    m_drawY = m_mouseY;
}

void CPlayState::Draw(CGameEngine* game)
{
    SDL_Surface* screen = game->m_screen;
    DrawBoard(screen);
    DrawCursor(screen);
    SDL_Flip(screen);
}

void CPlayState::DrawBoard(SDL_Surface* screen) const
{
    const int r = m_radius;
    // Blackens the whole screen, then the grey area 9r wide and 6r high.
    DrawFillRect(screen, 0, 0, 9 * r, 6 * r, kBoardArea.r, kBoardArea.g, kBoardArea.b);
    DrawLine(screen, 2 * r, 0, 2 * r, 6 * r, kBoardLine.r, kBoardLine.g, kBoardLine.b);
    DrawLine(screen, 4 * r, 0, 4 * r, 6 * r, kBoardLine.r, kBoardLine.g, kBoardLine.b);
    DrawLine(screen, 0, 2 * r, 6 * r, 2 * r, kBoardLine.r, kBoardLine.g, kBoardLine.b);
    DrawLine(screen, 0, 4 * r, 6 * r, 4 * r, kBoardLine.r, kBoardLine.g, kBoardLine.b);
    DrawLine(screen, 6 * r, 0, 6 * r, 6 * r, kBoardEdge.r, kBoardEdge.g, kBoardEdge.b);
    t.drawmap(screen, m_oSprite, m_xSprite, m_emptySprite, r);
}

void CPlayState::DrawCursor(SDL_Surface* screen) const
{
    SDL_Surface* cursor = m_cursor != nullptr ? *m_cursor : nullptr;
    if (cursor == nullptr) {
        return;
    }
    BlitBitmap(cursor, screen, m_drawX - cursor->w / 2, m_drawY - cursor->h / 2);
}
