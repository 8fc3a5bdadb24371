// SPDX-License-Identifier: MIT
#pragma once

#include <SDL.h>

// The three cell sprites of the board: the empty cell's picture and the circle and cross
// drawn over copies of it. The caller owns each surface these give or draw on.

// Loads the empty cell's picture, "NULL.bmp". The board cannot do without its cells,
// so a picture that cannot be loaded is reported and replaced by a blank 90 x 90 cell
// in the screen's format; null only if not even that can be made.
SDL_Surface* LoadCellSprite();

// Turns a copy of the empty cell into the circle: black with a white outline of radius
// around its middle.
void DrawCircleSprite(SDL_Surface* sprite, int radius);

// Draws a white cross of half-size radius over a copy of the empty cell, keeping the
// cell's own pixels.
void DrawCrossSprite(SDL_Surface* sprite, int radius);

// Gives the cell sprite converted to the screen's format (see ToScreenFormat) only where
// that changes no pixel drawn into it afterwards, the white frames included; else the
// sprite as it is.
SDL_Surface* ToScreenFormatIfLossless(SDL_Surface* sprite);
