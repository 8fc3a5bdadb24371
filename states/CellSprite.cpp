// SPDX-License-Identifier: MIT
#include "states/CellSprite.h"

#include "board/BoardColours.h"
#include "draw/Draw.h"
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

void DrawCircleSprite(SDL_Surface* sprite, int radius)
{
    if (sprite != nullptr) {
        DrawCircle(sprite, sprite->w / 2, sprite->h / 2, radius, kBoardLine.r, kBoardLine.g,
                   kBoardLine.b);
    }
}

// The first stroke starts one pixel outside the sprite; that point is simply not drawn.
void DrawCrossSprite(SDL_Surface* sprite, int radius)
{
    if (sprite == nullptr) {
        return;
    }
    const int cx = sprite->w / 2;
    const int cy = sprite->h / 2;
    const int r = radius;
    DrawLine(sprite, cx - r - 1, cy - r - 1, cx + r, cy + r, kBoardLine.r, kBoardLine.g,
             kBoardLine.b);
    DrawLine(sprite, cx - r, cy + r - 1, cx + r, cy - r - 1, kBoardLine.r, kBoardLine.g,
             kBoardLine.b);
}

SDL_Surface* ToScreenFormatIfLossless(SDL_Surface* sprite)
{
    // The board draws white frames into the cell sprites every frame, mapped against the
    // sprite's own format. Only where red, green and blue have 8 bits each (24- and 32-bit
    // pictures) is that white, like every pixel already there, the same in the screen's
    // format, so only those are converted, for blits that copy (an alpha channel that
    // sdl12-compat gives 32-bit pictures goes, as classic SDL 1.2 reads none from a BMP).
    // A palette maps white to its nearest colour and 15/16-bit pixels keep fewer bits of
    // it, as the blit then shows: those stay as loaded and are converted at each blit.
    const SDL_PixelFormat* format = sprite != nullptr ? sprite->format : nullptr;
    if (format == nullptr || format->palette != nullptr || format->Rloss != 0 ||
        format->Gloss != 0 || format->Bloss != 0) {
        return sprite;
    }
    return ToScreenFormat(sprite);
}
