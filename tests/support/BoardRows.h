// SPDX-License-Identifier: MIT
#pragma once

#include "board/morvane.h"

#include <array>
#include <string>

// Boards written as they look on screen, for the board and screen tests: rows[j][i] is
// cells[i][j], 'O' the human's mark, 'X' the computer's, '.' an empty cell.
namespace sdltest {

using Rows = std::array<std::string, 3>;

morvane BoardOf(const Rows& rows);

// The board's rows; a value no cell should hold shows as '?'.
Rows RowsOf(const morvane& board);

// The number of cells that hold value.
int CountOf(const morvane& board, int value);

}  // namespace sdltest
