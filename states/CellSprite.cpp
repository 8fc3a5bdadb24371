// SPDX-License-Identifier: MIT
#include "states/CellSprite.h"

#include "states/Bitmap.h"
#include "states/CellSize.h"

namespace {

SDL_Surface* MakeBlankCell()
{
    const SDL_Surface* screen = SDL_GetVideoSurface();
    if (screen == nullptr) {
        return SDL_CreateRGBSurface(SDL_SWSURFACE, kCellSize, kCellSize, 32, 0xFF0000, 0x00FF00,
                                    0x0000FF, 0);
    }
    const SDL_PixelFormat* format = screen->format;
    return SDL_CreateRGBSurface(SDL_SWSURFACE, kCellSize, kCellSize, format->BitsPerPixel,
                                format->Rmask, format->Gmask, format->Bmask, format->Amask);
}

}  // namespace

SDL_Surface* LoadCellSprite()
{
    if (SDL_Surface* cell = LoadBitmap("NULL.bmp")) {
        return cell;
    }
    return MakeBlankCell();
}
