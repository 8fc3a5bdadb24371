// SPDX-License-Identifier: MIT
#pragma once

#include <SDL.h>

// Loading and showing the game's BMP pictures, which lie in the working directory.

// Loads file with SDL's BMP loader. A picture that cannot be loaded (missing,
// unreadable, not a BMP) is reported on standard error with the file's name and
// SDL's reason, and gives null: the screen then simply goes without it.
SDL_Surface* LoadBitmap(const char* file);

// Gives picture converted to the video surface's format, freeing the original, so that
// every later blit of it is a plain copy instead of a conversion; the pixels look the
// same. Without a video surface, or if the conversion fails, picture is kept as it is.
SDL_Surface* ToScreenFormat(SDL_Surface* picture);

// LoadBitmap, then ToScreenFormat: a picture that is only ever blitted.
SDL_Surface* LoadPicture(const char* file);

// Frees a loaded picture and forgets it.
void FreeBitmap(SDL_Surface*& picture);

// Copies the whole of picture to (x, y) on screen; a missing picture draws nothing.
void BlitBitmap(SDL_Surface* picture, SDL_Surface* screen, int x, int y);

// A picture screen's frame: the picture at the top-left corner, then the flip. The screen
// is not cleared first, so a smaller picture leaves the rest of the last frame showing.
void ShowPicture(SDL_Surface* picture, SDL_Surface* screen);
