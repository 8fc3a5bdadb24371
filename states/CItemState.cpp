// SPDX-License-Identifier: MIT
#include "states/CItemState.h"

#include "engine/CGameEngine.h"
#include "states/Bitmap.h"
#include "states/ScreenInput.h"

CItemState CItemState::m_ItemState;

void CItemState::Init()
{
    m_background = LoadPicture("item.bmp");
}

void CItemState::Cleanup()
{
    FreeBitmap(m_background);
}

void CItemState::HandleEvents(CGameEngine* game)
{
    // Either joystick button leads back to the board; Space does nothing here.
    switch (PollScreenEvent().input) {
    case ScreenInput::Close:
        game->Quit();
        break;
    case ScreenInput::Escape:
    case ScreenInput::JoystickBack:
    case ScreenInput::JoystickOn:
        game->PopState();
        break;
    case ScreenInput::None:
    case ScreenInput::Other:
    case ScreenInput::Space:
    case ScreenInput::KeyI:
    case ScreenInput::MouseMotion:
    case ScreenInput::MouseButton:
        break;
    }
}

void CItemState::Draw(CGameEngine* game)
{
    ShowPicture(m_background, game->m_screen);
}
