// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

// The angles DrawCircle steps through, with their cosines and sines, worked out once for
// the process: every circle uses the same 1253 angles, so each call is spared its sine
// and cosine pairs. Read-only after the first call; any caller in draw/ may read it.
namespace draw_detail {

struct CircleAngle {
    double cosine;
    double sine;
};

// From 0.0 in steps of 0.005 rounded to single precision, accumulated in double, while
// below 6.263184 (not 2 pi: the outline stops just short of closing).
const std::vector<CircleAngle>& CircleAngles();

}  // namespace draw_detail
