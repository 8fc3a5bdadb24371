// SPDX-License-Identifier: MIT
#include "tests/support/BoardRows.h"

#include <algorithm>

namespace sdltest {

namespace {

// Indexed by a cell's value less kEmpty: kEmpty, kComputer and kHuman are -1, 0 and 1.
constexpr char kMarks[] = ".XO";

}  // namespace

morvane BoardOf(const Rows& rows)
{
    morvane board;
    for (int j = 0; j < 3; ++j)
        for (int i = 0; i < 3; ++i)
            board.cells[i][j] = rows[j][i] == 'O'   ? morvane::kHuman
                                : rows[j][i] == 'X' ? morvane::kComputer
                                                    : morvane::kEmpty;
    return board;
}

Rows RowsOf(const morvane& board)
{
    Rows rows{"???", "???", "???"};
    for (int j = 0; j < 3; ++j) {
        for (int i = 0; i < 3; ++i) {
            const int cell = board.cells[i][j];
            if (cell >= morvane::kEmpty && cell <= morvane::kHuman)
                rows[j][i] = kMarks[cell - morvane::kEmpty];
        }
    }
    return rows;
}

int CountOf(const morvane& board, int value)
{
    const int* cells = &board.cells[0][0];
    return static_cast<int>(std::count(cells, cells + 9, value));
}

}  // namespace sdltest
