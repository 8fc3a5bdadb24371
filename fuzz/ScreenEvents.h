// SPDX-License-Identifier: MIT
#pragma once

#include "fuzz/ByteReader.h"

#include <SDL.h>

// Turns fuzz bytes into the input events a player (or a broken driver) could send the
// screens. One kind byte (mod kEventKinds) picks the event; its fields follow:
//
//   0 Escape down   1 Space down   2 `i` down   3 any key down (key: 2 bytes)
//   4 any key up (key: 2 bytes)    5 mouse motion (x, y: 2 bytes each)
//   6 mouse button down (button: 1 byte, x, y: 2 bytes each)
//   7 mouse button up (button, x, y)   8 joystick button down (button: 1 byte)
//   9 joystick button up (button)      10 window close
//   11 an event of any type (1 byte) with every field zero, but no window-manager event,
//      which SDL cannot queue without a message
//
// Buttons and coordinates take any value their fields can hold: the wheel is buttons 4
// and 5, and clicks far off the board are as welcome as clicks on it.
constexpr int kEventKinds = 12;

SDL_Event ReadScreenEvent(ByteReader& in);
