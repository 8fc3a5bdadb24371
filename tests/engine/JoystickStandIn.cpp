// SPDX-License-Identifier: MIT
#include "tests/engine/JoystickStandIn.h"

#include <SDL.h>
#include <dlfcn.h>

namespace {

JoystickStandIn* g_standIn = nullptr;

// What the stand-in gives for a joystick it opened: never looked into by the game.
alignas(8) unsigned char g_joystick[64];

template <typename Function>
Function* Sdls(const char* name)
{
    return reinterpret_cast<Function*>(dlsym(RTLD_NEXT, name));
}

}  // namespace

struct JoystickCalls {
    static int Count() { return 1; }
    static SDL_Joystick* Open(int index)
    {
        g_standIn->m_opened.push_back(index);
        return g_standIn->m_opens && index == 0 ? reinterpret_cast<SDL_Joystick*>(g_joystick)
                                                : nullptr;
    }
};

JoystickStandIn::JoystickStandIn(bool opens) : m_opens(opens)
{
    g_standIn = this;
}

JoystickStandIn::~JoystickStandIn()
{
    g_standIn = nullptr;
}

extern "C" int SDL_NumJoysticks()
{
    if (g_standIn != nullptr) {
        return JoystickCalls::Count();
    }
    return Sdls<int()>("SDL_NumJoysticks")();
}

extern "C" SDL_Joystick* SDL_JoystickOpen(int index)
{
    if (g_standIn != nullptr) {
        return JoystickCalls::Open(index);
    }
    return Sdls<SDL_Joystick*(int)>("SDL_JoystickOpen")(index);
}
