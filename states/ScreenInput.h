// SPDX-License-Identifier: MIT
#pragma once

// The inputs the picture screens answer to, read one event per frame.
enum class ScreenInput {
    None,     // no event was pending, or one the screens ignore (it is consumed)
    Close,    // the window's close request
    Escape,   // the Escape key
    Space,    // the Space key
    Button8,  // joystick button 8
    Button9,  // joystick button 9
};

// Takes at most one pending event and says which of the inputs above it was.
ScreenInput PollScreenInput();
