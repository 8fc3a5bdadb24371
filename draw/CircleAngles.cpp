// SPDX-License-Identifier: MIT
#include "draw/CircleAngles.h"

#include <cmath>
#include <vector>

namespace draw_detail {

const std::vector<CircleAngle>& CircleAngles()
{
    static const std::vector<CircleAngle> angles = [] {
        constexpr auto kStep = static_cast<double>(0.005F);
        constexpr double kEnd = 6.263184;
        std::vector<CircleAngle> list;
        for (double a = 0.0; a < kEnd; a += kStep) {
            list.push_back({std::cos(a), std::sin(a)});
        }
        return list;
    }();
    return angles;
}

}  // namespace draw_detail
