#pragma once

#include <SDL.h>

// Loading and showing the game's BMP pictures, which lie in the working directory.

// Loads file with SDL's BMP loader. A picture that cannot be loaded (missing,
// unreadable, not a BMP) is reported on standard error with the file's name and
// SDL's reason, and gives null: the screen then simply goes without it.
SDL_Surface* LoadBitmap(const char* file);

// Copies the whole of picture to (x, y) on screen; a missing picture draws nothing.
void BlitBitmap(SDL_Surface* picture, SDL_Surface* screen, int x, int y);
