// SPDX-License-Identifier: MIT
#include "states/CMenuState.h"

#include "engine/CGameEngine.h"
#include "states/Bitmap.h"
#include "states/CPlayState.h"
#include "states/ScreenInput.h"

CMenuState CMenuState::m_MenuState;

void CMenuState::Init()
{
    m_background = LoadPicture("menu.bmp");
}

void CMenuState::Cleanup()
{
    FreeBitmap(m_background);
}

void CMenuState::HandleEvents(CGameEngine* game)
{
    switch (PollScreenEvent().input) {
    case ScreenInput::Close:
        game->Quit();
        break;
    case ScreenInput::Escape:
    case ScreenInput::JoystickBack:
        game->PopState();
        break;
    case ScreenInput::Space:
    case ScreenInput::JoystickOn:
        game->PushState(CPlayState::Instance());
        break;
    case ScreenInput::None:
    case ScreenInput::Other:
    case ScreenInput::KeyI:
    case ScreenInput::MouseMotion:
    case ScreenInput::MouseButton:
        break;
    }
}

void CMenuState::Draw(CGameEngine* game)
{
    ShowPicture(m_background, game->m_screen);
}
