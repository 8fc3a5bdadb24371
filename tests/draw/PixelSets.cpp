// SPDX-License-Identifier: MIT
#include "tests/draw/PixelSets.h"

#include "draw/Draw.h"
#include "tests/support/Surfaces.h"

namespace drawtest {

PointSet PointsWithValue(const SDL_Surface* surface, Uint32 value)
{
    PointSet points;
    for (int y = 0; y < surface->h; ++y)
        for (int x = 0; x < surface->w; ++x)
            if (sdltest::PixelAt(surface, x, y) == value)
                points.insert({x, y});
    return points;
}

PointSet PointsWithColour(const SDL_Surface* surface, Uint32 rgb)
{
    return PointsWithValue(
        surface, SDL_MapRGB(surface->format, Uint8(rgb >> 16), Uint8(rgb >> 8), Uint8(rgb)));
}

PointSet Rectangle(int x1, int y1, int x2, int y2)
{
    PointSet points;
    for (int y = y1; y < y2; ++y)
        for (int x = x1; x < x2; ++x)
            points.insert({x, y});
    return points;
}

PointSet PointsAlong(Point first, Point step, int count)
{
    PointSet points;
    for (int k = 0; k < count; ++k)
        points.insert({first.first + k * step.first, first.second + k * step.second});
    return points;
}

PointSet LineDrawn(SDL_Surface* surface, int x1, int y1, int x2, int y2)
{
    SDL_FillRect(surface, nullptr, 0);
    DrawLine(surface, x1, y1, x2, y2, 255, 255, 255);
    return PointsWithColour(surface, kWhite);
}

}  // namespace drawtest
