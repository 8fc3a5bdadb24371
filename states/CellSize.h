// SPDX-License-Identifier: MIT
#pragma once

// The side of one board cell in pixels as input sees it: a click at (x, y) is cell
// (x / kCellSize, y / kCellSize) whatever size the board is drawn at. The stand-in for
// an unreadable "NULL.bmp" has this size too, so that the drawn board lines up with
// the clicks.
constexpr int kCellSize = 90;
