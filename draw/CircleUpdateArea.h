// SPDX-License-Identifier: MIT
#pragma once

#include <SDL.h>

// The display update DrawCircle asks for. The call it stands for names the corner
// (x - radius, y - radius) and puts x + radius and y + radius in the width and height
// places; SDL_UpdateRect must only see a rectangle inside the screen, so that rectangle
// is cut to the screenWidth x screenHeight area. Pure; used by Draw.cpp and its tests.
namespace draw_detail {

// Sets area and returns true when anything of the rectangle is on the screen; false
// (area untouched) when nothing is, and then no update is to be asked for.
bool CircleUpdateArea(int screenWidth, int screenHeight, int x, int y, int radius, SDL_Rect* area);

}  // namespace draw_detail
