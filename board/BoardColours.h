// SPDX-License-Identifier: MIT
#pragma once

#include <SDL.h>

// The colours the board is drawn in, by the board (the cell frames) and the play screen
// (the rest). Constants: anyone may read them.
struct Rgb {
    Uint8 r;
    Uint8 g;
    Uint8 b;
};

// White: the grid, the cell frames, the circle and the cross.
constexpr Rgb kBoardLine = {255, 255, 255};
// Grey: the area 9r wide and 6r high behind the board (r being the drawing's radius).
constexpr Rgb kBoardArea = {128, 128, 128};
// Black: the board's right edge, setting it off from the rest of the grey area.
constexpr Rgb kBoardEdge = {0, 0, 0};
