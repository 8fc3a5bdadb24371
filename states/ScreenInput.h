// SPDX-License-Identifier: MIT
#pragma once

#include <SDL.h>

// The joystick buttons the screens answer to: back (as Escape) and on (as Space).
constexpr Uint8 kJoystickBack = 8;
constexpr Uint8 kJoystickOn = 9;

// What one of SDL's events means to the screens. Every screen reads its input through
// PollScreenEvent, so that SDL's events are decoded in this one place.
enum class ScreenInput {
    None,          // no event was pending
    Other,         // an event no screen answers to (it is consumed all the same)
    Close,         // the window's close request
    Escape,        // the Escape key
    Space,         // the Space key
    KeyI,          // the i key
    JoystickBack,  // joystick button kJoystickBack
    JoystickOn,    // joystick button kJoystickOn
    MouseMotion,   // the mouse moved to (x, y)
    MouseButton,   // a mouse button, the wheel's included, went down at (x, y)
};

struct ScreenEvent {
    ScreenInput input = ScreenInput::None;
    int x = 0;         // MouseMotion and MouseButton only
    int y = 0;         // MouseMotion and MouseButton only
    Uint8 button = 0;  // MouseButton only: SDL's button number
};

// Takes at most one pending event, the screens' one event per frame, and decodes it.
ScreenEvent PollScreenEvent();
