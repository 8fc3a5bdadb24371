// SPDX-License-Identifier: MIT
#pragma once

#include "states/CellSize.h"
#include "tests/e2e/BoardModel.h"
#include "tests/e2e/support/RgbImage.h"

#include <optional>
#include <string>

// Reading the nine cells of the play screen from a capture of its window, with clicks
// and drawn cells both 90 pixels apart. Judged against the empty cell's picture as the
// player would judge it: an empty cell shows that picture; a circle cell is black with
// a white ring; a cross cell is the picture with two white diagonals over it. Only the
// inside of each cell is looked at, since every sprite gets a white frame on its edge.
namespace e2e {

// The board, or nothing if some cell shows none of the three (say, a cursor over it).
// emptyCell is the empty cell's picture as it shows on the screen, at least 90 x 90.
std::optional<Board> ReadBoard(const RgbImage& screen, const RgbImage& emptyCell);

// What each cell looks like, for failure messages: "O", "X", "." or "?" per cell.
std::string DescribeCells(const RgbImage& screen, const RgbImage& emptyCell);

}  // namespace e2e
