// SPDX-License-Identifier: MIT
#pragma once

#include <SDL.h>

#include <set>
#include <utility>

// Reads a surface back as the set of points holding one pixel value, so that a test can
// state exactly which pixels a primitive must have written. The surface must have its
// pixels (lock it first if it must be locked).
namespace drawtest {

using Point = std::pair<int, int>;  // (x, y)
using PointSet = std::set<Point>;

// The colours the drawing tests draw with, as 0xRRGGBB.
constexpr Uint32 kWhite = 0xFFFFFF, kGrey = 0x808080, kBlack = 0x000000;

PointSet PointsWithValue(const SDL_Surface* surface, Uint32 value);
// The points holding 0xRRGGBB as the surface's format stores it.
PointSet PointsWithColour(const SDL_Surface* surface, Uint32 rgb);

// The points in the rectangle [x1, x2) x [y1, y2), listed by hand-written loops.
PointSet Rectangle(int x1, int y1, int x2, int y2);

// count points from first on, each step (dx, dy) from the last.
PointSet PointsAlong(Point first, Point step, int count);

// Blackens the surface, draws one white line with DrawLine and gives the points it lit.
PointSet LineDrawn(SDL_Surface* surface, int x1, int y1, int x2, int y2);

}  // namespace drawtest
