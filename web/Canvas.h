// SPDX-License-Identifier: MIT
#pragma once

#include <SDL.h>

// The page's canvas (Module.canvas) as the game's window: its pixels and its pointer.

// Copies a 32-bit screen surface into the canvas, each pixel's colour exactly, opaque.
// The canvas keeps its size; the surface is the game's 480x272 window.
void PresentToCanvas(SDL_Surface& screen);

// Shows or hides the browser's pointer over the canvas, as SDL's cursor state asks.
void ShowSystemCursor(bool shown);
