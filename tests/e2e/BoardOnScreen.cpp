// SPDX-License-Identifier: MIT
#include "tests/e2e/BoardOnScreen.h"

#include <cstdint>

namespace e2e {
namespace {

constexpr int kCentre = kCellSize / 2;
// Well inside the ring of the circle sprite, which has the cell's half size as radius.
constexpr int kInnerDiscRadius = 30;

// White as a sprite of any depth shows it: 16-bit sprites lose the low bits of 255.
bool IsWhite(uint32_t rgb)
{
    return rgb == 0xFFFFFF || rgb == 0xF8F8F8 || rgb == 0xF8FCF8;
}

// Every pixel inside the frame passes check, given as (x, y) in the cell.
template <typename Check>
bool AllInside(Check check)
{
    for (int y = 1; y < kCellSize - 1; ++y) {
        for (int x = 1; x < kCellSize - 1; ++x) {
            if (!check(x, y)) {
                return false;
            }
        }
    }
    return true;
}

std::optional<Mark> ReadCell(const RgbImage& screen, Cell cell, const RgbImage& emptyCell)
{
    const auto at = [&](int x, int y) {
        return screen.At(kCellSize * cell.i + x, kCellSize * cell.j + y);
    };
    // Empty first: a blank black cell also has a black middle.
    if (AllInside([&](int x, int y) { return at(x, y) == emptyCell.At(x, y); })) {
        return Mark::Empty;
    }
    if (AllInside([&](int x, int y) {
            const int dx = x - kCentre;
            const int dy = y - kCentre;
            return dx * dx + dy * dy > kInnerDiscRadius * kInnerDiscRadius || at(x, y) == 0;
        })) {
        return Mark::Circle;
    }
    // A cross: the picture where the strokes are not, white on both diagonals away from the
    // corners. Each stroke is a run of points rounded toward the start: allow a row either side.
    const auto whiteNear = [&](int x, int y) {
        return IsWhite(at(x, y - 1)) || IsWhite(at(x, y)) || IsWhite(at(x, y + 1));
    };
    bool cross = AllInside(
        [&](int x, int y) { return at(x, y) == emptyCell.At(x, y) || IsWhite(at(x, y)); });
    for (int k = 10; cross && k < kCellSize - 10; ++k) {
        cross = whiteNear(k, k) && whiteNear(k, kCellSize - 1 - k);
    }
    return cross ? std::optional(Mark::Cross) : std::nullopt;
}

bool Fits(const RgbImage& screen, const RgbImage& emptyCell)
{
    return screen.width >= 3 * kCellSize && screen.height >= 3 * kCellSize &&
           emptyCell.width >= kCellSize && emptyCell.height >= kCellSize;
}

}  // namespace

std::optional<Board> ReadBoard(const RgbImage& screen, const RgbImage& emptyCell)
{
    if (!Fits(screen, emptyCell)) {
        return std::nullopt;
    }
    Board board;
    for (Cell cell : Board().CellsWith(Mark::Empty)) {
        const std::optional<Mark> mark = ReadCell(screen, cell, emptyCell);
        if (!mark) {
            return std::nullopt;
        }
        board.Set(cell, *mark);
    }
    return board;
}

std::string DescribeCells(const RgbImage& screen, const RgbImage& emptyCell)
{
    if (!Fits(screen, emptyCell)) {
        return "(no board: the capture or the cell picture is too small)";
    }
    return CellsText([&](Cell cell) {
        const std::optional<Mark> mark = ReadCell(screen, cell, emptyCell);
        return mark ? Symbol(*mark) : '?';
    });
}

}  // namespace e2e
