// SPDX-License-Identifier: MIT
#include "states/Bitmap.h"

#include <cstdio>

SDL_Surface* LoadBitmap(const char* file)
{
    // A file that cannot be opened goes no further: the loader, given no stream, would
    // put its own complaint about that in place of the reason (sdl12-compat does).
    SDL_RWops* stream = SDL_RWFromFile(file, "rb");
    SDL_Surface* picture = stream != nullptr ? SDL_LoadBMP_RW(stream, 1) : nullptr;
    if (picture == nullptr) {
        fprintf(stderr, "Couldn't load %s: %s\n", file, SDL_GetError());
    }
    return picture;
}

SDL_Surface* ToScreenFormat(SDL_Surface* picture)
{
    if (picture == nullptr || SDL_GetVideoSurface() == nullptr) {
        return picture;
    }
    SDL_Surface* converted = SDL_DisplayFormat(picture);
    if (converted == nullptr) {
        return picture;
    }
    SDL_FreeSurface(picture);
    return converted;
}

SDL_Surface* LoadPicture(const char* file)
{
    return ToScreenFormat(LoadBitmap(file));
}

void FreeBitmap(SDL_Surface*& picture)
{
    SDL_FreeSurface(picture);
    picture = nullptr;
}

void BlitBitmap(SDL_Surface* picture, SDL_Surface* screen, int x, int y)
{
    if (picture == nullptr || screen == nullptr) {
        return;
    }
    SDL_Rect destination;
    destination.x = static_cast<Sint16>(x);
    destination.y = static_cast<Sint16>(y);
    SDL_BlitSurface(picture, nullptr, screen, &destination);
}

void ShowPicture(SDL_Surface* picture, SDL_Surface* screen)
{
    BlitBitmap(picture, screen, 0, 0);
    SDL_Flip(screen);
}
