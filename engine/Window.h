// SPDX-License-Identifier: MIT
#pragma once

// The game's one window: its size and depth. The entry point asks for this mode; the
// engine's Cleanup goes back to a window of this size when leaving full screen; the
// real-window tests and tools expect it.
constexpr int kWindowWidth = 480;
constexpr int kWindowHeight = 272;
constexpr int kWindowBpp = 32;
