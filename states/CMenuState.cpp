#include "states/CMenuState.h"

#include "engine/CGameEngine.h"
#include "states/Bitmap.h"
#include "states/CPlayState.h"
#include "states/ScreenInput.h"

CMenuState CMenuState::m_MenuState;

void CMenuState::Init()
{
    m_background = LoadBitmap("menu.bmp");
}

void CMenuState::Cleanup()
{
    SDL_FreeSurface(m_background);
    m_background = nullptr;
}

void CMenuState::HandleEvents(CGameEngine* game)
{
    switch (PollScreenInput()) {
    case ScreenInput::Close:
        game->Quit();
        break;
    case ScreenInput::Escape:
    case ScreenInput::Button8:
        game->PopState();
        break;
    case ScreenInput::Space:
    case ScreenInput::Button9:
        game->PushState(CPlayState::Instance());
        break;
    case ScreenInput::None:
        break;
    }
}

void CMenuState::Draw(CGameEngine* game)
{
    BlitBitmap(m_background, game->m_screen, 0, 0);
    SDL_Flip(game->m_screen);
}
