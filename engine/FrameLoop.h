// SPDX-License-Identifier: MIT
#pragma once

class CGameEngine;

// One frame: HandleEvents, Update and Draw, each on the screen that is on top at
// that moment, so that a push or pop made while handling events takes effect at once.
void RunFrame(CGameEngine& game);

// Runs frames until a screen asks the engine to quit. Running is tested before the
// first frame and after each complete one, so the frame that asks still updates and draws.
// After each frame the platform has its turn (EndFrame).
void RunFrameLoop(CGameEngine& game);
