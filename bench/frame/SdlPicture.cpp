// SPDX-License-Identifier: MIT
#include "bench/frame/SdlPicture.h"

#include "board/morvane.h"
#include "draw/Draw.h"

namespace {

SDL_Surface* Load(const char* file)
{
    return SDL_LoadBMP(file);
}

// The game blits copies of its pictures made in the screen's format once they are drawn
// (the circle and cross first, on the picture's own pixels): so does this, so that both
// blits are plain copies and the timings compare drawing, not conversion.
SDL_Surface* InScreenFormat(SDL_Surface* picture)
{
    if (picture == nullptr)
        return nullptr;
    SDL_Surface* converted = SDL_DisplayFormat(picture);
    if (converted == nullptr)
        return picture;
    SDL_FreeSurface(picture);
    return converted;
}

// The white frame the game paints into a cell sprite the first time a cell shows it; its
// strokes stop one pixel short, so the bottom-right pixel keeps its colour.
void Frame(SDL_Surface* sprite)
{
    if (sprite == nullptr)
        return;
    const Uint32 white = SDL_MapRGB(sprite->format, 255, 255, 255);
    const Sint16 right = static_cast<Sint16>(sprite->w - 1);
    const Sint16 bottom = static_cast<Sint16>(sprite->h - 1);
    const Uint16 across = static_cast<Uint16>(sprite->w - 1);
    const Uint16 down = static_cast<Uint16>(sprite->h - 1);
    SDL_Rect strokes[4] = {
        {0, 0, 1, down}, {0, 0, across, 1}, {right, 0, 1, down}, {0, bottom, across, 1}};
    for (SDL_Rect& stroke : strokes)
        SDL_FillRect(sprite, &stroke, white);
}

// The circle and cross are pictures made once when the board opens, not per frame: made
// here with the game's primitives, so that they are the very same pictures.
SDL_Surface* LoadCircle()
{
    SDL_Surface* sprite = Load("NULL.bmp");
    if (sprite != nullptr) {
        const int r = sprite->w > sprite->h ? sprite->h / 2 : sprite->w / 2;
        DrawCircle(sprite, sprite->w / 2, sprite->h / 2, r, 255, 255, 255);
    }
    return sprite;
}

SDL_Surface* LoadCross()
{
    SDL_Surface* sprite = Load("NULL.bmp");
    if (sprite != nullptr) {
        const int r = sprite->w > sprite->h ? sprite->h / 2 : sprite->w / 2;
        const int cx = sprite->w / 2;
        const int cy = sprite->h / 2;
        DrawLine(sprite, cx - r - 1, cy - r - 1, cx + r, cy + r, 255, 255, 255);
        DrawLine(sprite, cx - r, cy + r - 1, cx + r, cy - r - 1, 255, 255, 255);
    }
    return sprite;
}

void Blit(SDL_Surface* picture, SDL_Surface* screen, int x, int y)
{
    if (picture == nullptr)
        return;
    SDL_Rect at = {static_cast<Sint16>(x), static_cast<Sint16>(y), 0, 0};
    SDL_BlitSurface(picture, nullptr, screen, &at);
}

}  // namespace

SdlPicture::SdlPicture(Scene scene, SDL_Surface* screen) : m_scene(scene), m_screen(screen)
{
    switch (scene) {
    case Scene::Intro:
        m_background = InScreenFormat(Load("intro.bmp"));
        return;
    case Scene::Menu:
        m_background = InScreenFormat(Load("menu.bmp"));
        return;
    case Scene::Item:
        m_background = InScreenFormat(Load("item.bmp"));
        return;
    default:
        break;
    }
    m_circle = InScreenFormat(LoadCircle());
    m_bareCircle = InScreenFormat(LoadCircle());
    m_cross = InScreenFormat(LoadCross());
    m_empty = InScreenFormat(Load("NULL.bmp"));
    Frame(m_circle);
    Frame(m_cross);
    Frame(m_empty);
    m_win = InScreenFormat(Load("win1.bmp"));
    m_loss = InScreenFormat(Load("win2.bmp"));
    m_draw = InScreenFormat(Load("DRAW.bmp"));
    if (m_circle != nullptr)
        m_radius = m_circle->w > m_circle->h ? m_circle->h / 2 : m_circle->w / 2;
}

SdlPicture::~SdlPicture()
{
    for (SDL_Surface* picture :
         {m_background, m_circle, m_cross, m_empty, m_bareCircle, m_win, m_loss, m_draw})
        SDL_FreeSurface(picture);
}

void SdlPicture::Fill(int x, int y, int w, int h, Uint8 r, Uint8 g, Uint8 b) const
{
    SDL_Rect area = {static_cast<Sint16>(x), static_cast<Sint16>(y), static_cast<Uint16>(w),
                     static_cast<Uint16>(h)};
    SDL_FillRect(m_screen, &area, SDL_MapRGB(m_screen->format, r, g, b));
}

void SdlPicture::Draw() const
{
    if (!IsPlayScene(m_scene)) {
        Blit(m_background, m_screen, 0, 0);
        SDL_Flip(m_screen);
        return;
    }
    DrawBoardArea();
    DrawGrid();
    DrawCells();
    DrawCursorAndFlip();
}

void SdlPicture::DrawBoardArea() const
{
    const int r = m_radius;
    SDL_FillRect(m_screen, nullptr, SDL_MapRGB(m_screen->format, 0, 0, 0));
    Fill(0, 0, 9 * r, 6 * r, 128, 128, 128);
}

void SdlPicture::DrawGrid() const
{
    // Each line of the game's covers 6r pixels from its start, its end point not included.
    const int r = m_radius;
    Fill(2 * r, 0, 1, 6 * r, 255, 255, 255);
    Fill(4 * r, 0, 1, 6 * r, 255, 255, 255);
    Fill(0, 2 * r, 6 * r, 1, 255, 255, 255);
    Fill(0, 4 * r, 6 * r, 1, 255, 255, 255);
    Fill(6 * r, 0, 1, 6 * r, 0, 0, 0);
}

void SdlPicture::DrawCells() const
{
    const int pitch = 2 * m_radius;
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            const int cell = t.cells[i][j];
            SDL_Surface* sprite = cell == morvane::kHuman      ? m_circle
                                  : cell == morvane::kComputer ? m_cross
                                                               : m_empty;
            Blit(sprite, m_screen, pitch * i, pitch * j);
        }
    }
}

SDL_Surface* SdlPicture::CursorFor() const
{
    switch (t.setgame()) {
    case morvane::kHuman:
        return m_win;
    case morvane::kComputer:
        return m_loss;
    case morvane::kDraw:
        return m_draw;
    default:
        break;
    }
    // The human is to move in every scene; the circle is framed once a cell has shown it.
    for (const auto& column : t.cells)
        for (int cell : column)
            if (cell == morvane::kHuman)
                return m_circle;
    return m_bareCircle;
}

void SdlPicture::DrawCursorAndFlip() const
{
    // The cursor rests where the board's opening put the mouse: the middle of the window.
    SDL_Surface* cursor = CursorFor();
    if (cursor != nullptr)
        Blit(cursor, m_screen, m_screen->w / 2 - cursor->w / 2, m_screen->h / 2 - cursor->h / 2);
    SDL_Flip(m_screen);
}
