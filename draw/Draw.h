// SPDX-License-Identifier: MIT
#pragma once

#include <SDL.h>

// Software drawing straight into a surface's pixel memory, at 1 to 4 bytes per pixel.
// Each call maps its colour once with SDL_MapRGB against the surface's format, locks
// the surface if it must be locked (and gives up if the lock fails), and writes pixels
// one at a time. No call writes outside the surface's pixel memory, whatever its arguments,
// and none writes through a null surface or a surface without pixels. The functions own
// nothing; any code may call them on a surface it may draw on.

// Paints every pixel of screen with the colour. It locks a surface that must be locked
// itself, so that the blackening the other primitives start with is safe too.
void ClearScr(SDL_Surface* screen, Uint8 R, Uint8 G, Uint8 B);

// Blackens the whole surface, then fills the half-open rectangle [x1, x2) x [y1, y2);
// the part outside the surface is skipped.
void DrawFillRect(SDL_Surface* screen, int x1, int y1, int x2, int y2, Uint8 R, Uint8 G, Uint8 B);

// Draws 1000 points from (x1, y1) toward (x2, y2), truncated toward zero; the far end is
// not always reached. Points outside the surface are skipped.
void DrawLine(SDL_Surface* screen, int x1, int y1, int x2, int y2, Uint8 R, Uint8 G, Uint8 B);

// Blackens the whole surface, then draws a circle outline of 1253 points around (x, y),
// each shifted a few columns left by the pixel size (those before the pixel memory are
// skipped). On the video surface it then asks for a display update of the rectangle with
// corner (x - radius, y - radius) and size (x + radius, y + radius), cut to the screen;
// other surfaces have no display, and get no update.
void DrawCircle(SDL_Surface* screen, int x, int y, int radius, Uint8 R, Uint8 G, Uint8 B);
