// SPDX-License-Identifier: MIT
#include "states/CIntroState.h"

#include "engine/CGameEngine.h"
#include "states/Bitmap.h"
#include "states/CMenuState.h"
#include "states/ScreenInput.h"

CIntroState CIntroState::m_IntroState;

void CIntroState::Init()
{
    m_background = LoadPicture("intro.bmp");
}

void CIntroState::Cleanup()
{
    FreeBitmap(m_background);
}

void CIntroState::HandleEvents(CGameEngine* game)
{
    // The title screen is the bottom of the stack: it never pops itself, it ends the game.
    switch (PollScreenEvent().input) {
    case ScreenInput::Close:
    case ScreenInput::Escape:
    case ScreenInput::JoystickBack:
        game->Quit();
        break;
    case ScreenInput::Space:
    case ScreenInput::JoystickOn:
        game->PushState(CMenuState::Instance());
        break;
    case ScreenInput::None:
    case ScreenInput::Other:
    case ScreenInput::KeyI:
    case ScreenInput::MouseMotion:
    case ScreenInput::MouseButton:
        break;
    }
}

void CIntroState::Draw(CGameEngine* game)
{
    ShowPicture(m_background, game->m_screen);
}
