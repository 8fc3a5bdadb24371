#include "states/CIntroState.h"

#include "engine/CGameEngine.h"
#include "states/Bitmap.h"
#include "states/CMenuState.h"
#include "states/ScreenInput.h"

CIntroState CIntroState::m_IntroState;

void CIntroState::Init()
{
    m_background = LoadBitmap("intro.bmp");
}

void CIntroState::Cleanup()
{
    SDL_FreeSurface(m_background);
    m_background = nullptr;
}

void CIntroState::HandleEvents(CGameEngine* game)
{
    // The title screen is the bottom of the stack: it never pops itself, it ends the game.
    switch (PollScreenInput()) {
    case ScreenInput::Close:
    case ScreenInput::Escape:
    case ScreenInput::Button8:
        game->Quit();
        break;
    case ScreenInput::Space:
    case ScreenInput::Button9:
        game->PushState(CMenuState::Instance());
        break;
    case ScreenInput::None:
        break;
    }
}

void CIntroState::Draw(CGameEngine* game)
{
    // Not cleared first: a smaller picture leaves the rest of the last frame showing.
    BlitBitmap(m_background, game->m_screen, 0, 0);
    SDL_Flip(game->m_screen);
}
