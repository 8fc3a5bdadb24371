// SPDX-License-Identifier: MIT
#include "draw/CircleUpdateArea.h"

#include <algorithm>

namespace draw_detail {

bool CircleUpdateArea(int screenWidth, int screenHeight, int x, int y, int radius, SDL_Rect* area)
{
    // 64 bits: radii near the int limits must not overflow.
    const long long left = static_cast<long long>(x) - radius;
    const long long top = static_cast<long long>(y) - radius;
    const long long right = left + (static_cast<long long>(x) + radius);
    const long long bottom = top + (static_cast<long long>(y) + radius);

    const long long clippedLeft = std::max(left, 0LL);
    const long long clippedTop = std::max(top, 0LL);
    const long long clippedRight = std::min(right, static_cast<long long>(screenWidth));
    const long long clippedBottom = std::min(bottom, static_cast<long long>(screenHeight));
    if (clippedRight <= clippedLeft || clippedBottom <= clippedTop) {
        return false;
    }

    // Inside a screen, whose sides fit SDL_Rect's fields.
    area->x = static_cast<Sint16>(clippedLeft);
    area->y = static_cast<Sint16>(clippedTop);
    area->w = static_cast<Uint16>(clippedRight - clippedLeft);
    area->h = static_cast<Uint16>(clippedBottom - clippedTop);
    return true;
}

}  // namespace draw_detail
