// SPDX-License-Identifier: MIT
#pragma once

#include <SDL.h>

// The page's canvas (Module.canvas) as the game's window: its pixels and its pointer.
// Remembers the frame it shows, so that the web layer can tell an unchanged frame.

// Whether the canvas shows exactly this screen surface's pixels.
bool CanvasShows(SDL_Surface& screen);

// Copies a 32-bit screen surface into the canvas, each pixel's colour exactly, opaque.
// The canvas keeps its size; the surface is the game's 480x272 window.
void PresentToCanvas(SDL_Surface& screen);

// Forgets what the canvas shows, so that the next frame is copied whatever it holds: a
// browser may have blanked the canvas while the page was hidden.
void ForgetCanvasContents();

// Shows or hides the browser's pointer over the canvas, as SDL's cursor state asks.
void ShowSystemCursor(bool shown);
