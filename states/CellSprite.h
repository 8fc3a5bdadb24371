// SPDX-License-Identifier: MIT
#pragma once

#include <SDL.h>

// Loads the empty cell's picture, "NULL.bmp". The board cannot do without its cells,
// so a picture that cannot be loaded is reported and replaced by a blank 90 x 90 cell
// in the screen's format; null only if not even that can be made.
SDL_Surface* LoadCellSprite();
