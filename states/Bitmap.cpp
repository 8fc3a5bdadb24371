#include "states/Bitmap.h"

#include <cstdio>

SDL_Surface* LoadBitmap(const char* file)
{
    SDL_Surface* picture = SDL_LoadBMP_RW(SDL_RWFromFile(file, "rb"), 1);
    if (picture == nullptr) {
        fprintf(stderr, "Couldn't load %s: %s\n", file, SDL_GetError());
    }
    return picture;
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
