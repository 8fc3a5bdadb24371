// SPDX-License-Identifier: MIT
#include "draw/Draw.h"

#include "draw/CircleAngles.h"
#include "draw/CircleUpdateArea.h"
#include "draw/LinePlot.h"
#include "draw/PixelMemory.h"
#include "draw/PixelWriter.h"
#include "draw/SurfaceLock.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

using draw_detail::MemoryOf;
using draw_detail::PixelMemory;
using draw_detail::PixelWriter;
using draw_detail::SurfaceLock;
using draw_detail::WithPixelWriter;

namespace {

// Where a surface cannot be drawn on at all: no surface, no format to map a colour with.
bool Unusable(const SDL_Surface* surface)
{
    return surface == nullptr || surface->format == nullptr;
}

Uint32 MapColour(const SDL_Surface* surface, Uint8 R, Uint8 G, Uint8 B)
{
    return SDL_MapRGB(surface->format, R, G, B);
}

// Fills the half-open rectangle [x1, x2) x [y1, y2), cut to the surface, row by row.
template <int Bpp>
void FillArea(PixelWriter<Bpp> /*pixelSize*/, const PixelMemory& memory, int x1, int y1, int x2,
              int y2, Uint32 c)
{
    using Writer = PixelWriter<Bpp>;
    const int left = std::max(x1, 0);
    const int right = std::min(x2, memory.columns);
    const int top = std::max(y1, 0);
    const int bottom = std::min(y2, memory.height);
    if (left >= right || top >= bottom) {
        return;
    }

    const bool wholeRows = left == 0 && right == memory.width;
    if (wholeRows && memory.pitch == memory.width * Bpp) {
        // Rows follow one another without padding: one run covers them all.
        Writer::PutRun(memory.base + Writer::RowOffset(top, memory.pitch),
                       static_cast<long long>(right) * (bottom - top), c);
        return;
    }
    // The first row is written, the others are copies of it: a copy per row costs far less
    // than the handful of doubling copies a run of its own would.
    Uint8* const first = memory.base + Writer::RowOffset(top, memory.pitch) + left * Bpp;
    const std::size_t rowBytes = static_cast<std::size_t>(right - left) * Bpp;
    Writer::PutRun(first, right - left, c);
    for (int y = top + 1; y < bottom; ++y) {
        std::memcpy(memory.base + Writer::RowOffset(y, memory.pitch) + left * Bpp, first, rowBytes);
    }
}

// Columns a circle point is moved left by, per pixel size: the outline sits a little left
// of its centre, by an amount that differs between depths.
constexpr int CircleShift(int bytesPerPixel)
{
    switch (bytesPerPixel) {
    case 1:
        return 1;
    case 2:
        return 2;
    case 3:
        return 1;
    default:
        return 4;
    }
}

template <int Bpp>
void PlotCircle(PixelWriter<Bpp> /*pixelSize*/, const PixelMemory& memory, int x, int y, int radius,
                Uint32 c)
{
    using Writer = PixelWriter<Bpp>;
    for (const draw_detail::CircleAngle& angle : draw_detail::CircleAngles()) {
        const double fx = angle.cosine * radius + x;
        const double fy = y - angle.sine * radius;
        // px > 0 and px < w on the truncated column is fx >= 1 and fx < w; rows alike.
        const bool inside = fx >= 1.0 && fx < memory.width && fy >= 1.0 && fy < memory.height;
        if (!inside) {
            continue;
        }
        const int px = static_cast<int>(fx);
        const int py = static_cast<int>(fy);
        // Near the left edge the shifted pixel falls at the end of the row above, or on a
        // tiny surface before the memory itself: only the latter is refused.
        const long long offset = Writer::RowOffset(py, memory.pitch) +
                                 static_cast<long long>(px - CircleShift(Bpp)) * Bpp;
        if (offset < 0 || offset + Bpp > memory.bytes) {
            continue;
        }
        Writer::Put(memory.base + offset, c);
    }
}

enum class LineMethod { ShortcutWherePossible, EveryPoint };

// DrawLine's locking and colour, then its points by the method asked for.
void DrawLineBy(LineMethod method, SDL_Surface* screen, int x1, int y1, int x2, int y2, Uint8 R,
                Uint8 G, Uint8 B)
{
    if (Unusable(screen)) {
        return;
    }
    const Uint32 c = MapColour(screen, R, G, B);
    const SurfaceLock lock(screen);
    if (!lock.Held() || screen->pixels == nullptr) {
        return;
    }
    const int bytesPerPixel = screen->format->BytesPerPixel;
    // Subtracted as doubles: the int difference of far-apart ends could overflow.
    const double dx = static_cast<double>(x2) - x1;
    const double dy = static_cast<double>(y2) - y1;
    const bool shortcut =
        method == LineMethod::ShortcutWherePossible && draw_detail::IsShortAxisLine(dx, dy);
    WithPixelWriter(bytesPerPixel, [&](auto writer) {
        const PixelMemory memory = MemoryOf(screen, bytesPerPixel);
        if (shortcut) {
            draw_detail::PlotShortAxisLine(writer, memory, x1, y1, dx, dy, c);
        } else {
            draw_detail::PlotEveryLinePoint(writer, memory, x1, y1, dx, dy, c);
        }
    });
}

}  // namespace

void ClearScr(SDL_Surface* screen, Uint8 R, Uint8 G, Uint8 B)
{
    if (Unusable(screen)) {
        return;
    }
    const Uint32 c = MapColour(screen, R, G, B);
    // Locked here too: a surface that must be locked may have no pixels until it is.
    const SurfaceLock lock(screen);
    if (!lock.Held() || screen->pixels == nullptr) {
        return;
    }
    const int bytesPerPixel = screen->format->BytesPerPixel;
    WithPixelWriter(bytesPerPixel, [&](auto writer) {
        const PixelMemory memory = MemoryOf(screen, bytesPerPixel);
        FillArea(writer, memory, 0, 0, memory.width, memory.height, c);
    });
}

void DrawFillRect(SDL_Surface* screen, int x1, int y1, int x2, int y2, Uint8 R, Uint8 G, Uint8 B)
{
    if (Unusable(screen)) {
        return;
    }
    ClearScr(screen, 0, 0, 0);
    const Uint32 c = MapColour(screen, R, G, B);
    const SurfaceLock lock(screen);
    if (!lock.Held() || screen->pixels == nullptr) {
        return;
    }
    const int bytesPerPixel = screen->format->BytesPerPixel;
    WithPixelWriter(bytesPerPixel, [&](auto writer) {
        FillArea(writer, MemoryOf(screen, bytesPerPixel), x1, y1, x2, y2, c);
    });
}

void DrawLine(SDL_Surface* screen, int x1, int y1, int x2, int y2, Uint8 R, Uint8 G, Uint8 B)
{
    DrawLineBy(LineMethod::ShortcutWherePossible, screen, x1, y1, x2, y2, R, G, B);
}

void draw_detail::DrawLineThroughEveryPoint(SDL_Surface* screen, int x1, int y1, int x2, int y2,
                                            Uint8 R, Uint8 G, Uint8 B)
{
    DrawLineBy(LineMethod::EveryPoint, screen, x1, y1, x2, y2, R, G, B);
}

void DrawCircle(SDL_Surface* screen, int x, int y, int radius, Uint8 R, Uint8 G, Uint8 B)
{
    if (Unusable(screen)) {
        return;
    }
    ClearScr(screen, 0, 0, 0);
    const Uint32 c = MapColour(screen, R, G, B);
    {
        const SurfaceLock lock(screen);
        if (!lock.Held()) {
            return;
        }
        const int bytesPerPixel = screen->format->BytesPerPixel;
        if (screen->pixels != nullptr) {
            WithPixelWriter(bytesPerPixel, [&](auto writer) {
                PlotCircle(writer, MemoryOf(screen, bytesPerPixel), x, y, radius, c);
            });
        }
    }
    // Only the screen has a display to update; and SDL_UpdateRect must get a rectangle
    // that lies on it, or SDL may copy from outside its shadow surface.
    SDL_Rect area;
    if (screen == SDL_GetVideoSurface() &&
        draw_detail::CircleUpdateArea(screen->w, screen->h, x, y, radius, &area)) {
        SDL_UpdateRect(screen, area.x, area.y, area.w, area.h);
    }
}
