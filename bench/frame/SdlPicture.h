// SPDX-License-Identifier: MIT
#pragma once

#include "bench/frame/Scenes.h"

#include <SDL.h>

// The picture a scene's frame shows, drawn with SDL's own SDL_FillRect and SDL_BlitSurface
// instead of the game's pixel primitives: the yardstick for what the game's frame costs.
//
// Owns its pictures, loaded from the same files as the game's and, like the game's, copied
// into the screen's format once drawn (the cell sprites get their circle, cross and white
// frame once, when loaded). Reads the board t and draws onto the engine's screen, which
// must outlive it and be set before it is made.
class SdlPicture {
public:
    SdlPicture(Scene scene, SDL_Surface* screen);
    ~SdlPicture();
    SdlPicture(const SdlPicture&) = delete;
    SdlPicture& operator=(const SdlPicture&) = delete;

    // One whole frame, flip included.
    void Draw() const;

    // The play screen's frame in its parts, for finding where its time goes.
    void DrawBoardArea() const;  // black screen, grey area
    void DrawGrid() const;       // the four white lines and the black edge
    void DrawCells() const;      // the nine cell sprites
    void DrawCursorAndFlip() const;

    // The cell sprites, for timing the game's own cell drawing on the same pictures.
    SDL_Surface* Circle() const { return m_circle; }
    SDL_Surface* Cross() const { return m_cross; }
    SDL_Surface* Empty() const { return m_empty; }
    int Radius() const { return m_radius; }

private:
    void Fill(int x, int y, int w, int h, Uint8 r, Uint8 g, Uint8 b) const;
    SDL_Surface* CursorFor() const;

    Scene m_scene;
    SDL_Surface* m_screen;
    SDL_Surface* m_background = nullptr;  // the bitmap screens' picture
    SDL_Surface* m_circle = nullptr;      // framed, as cells show it
    SDL_Surface* m_cross = nullptr;       // framed
    SDL_Surface* m_empty = nullptr;       // framed
    SDL_Surface* m_bareCircle = nullptr;  // the cursor before any circle is on the board
    SDL_Surface* m_win = nullptr;
    SDL_Surface* m_loss = nullptr;
    SDL_Surface* m_draw = nullptr;
    int m_radius = 0;
};
