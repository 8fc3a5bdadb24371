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

bool InInnerDisc(int x, int y)
{
    const int dx = x - kCentre;
    const int dy = y - kCentre;
    return dx * dx + dy * dy <= kInnerDiscRadius * kInnerDiscRadius;
}

class CellView {
public:
    CellView(const RgbImage& screen, Cell cell) : m_screen(screen), m_cell(cell) {}
    uint32_t At(int x, int y) const
    {
        return m_screen.At(kCellSize * m_cell.i + x, kCellSize * m_cell.j + y);
    }

private:
    const RgbImage& m_screen;
    Cell m_cell;
};

// Every pixel inside the frame, as (x, y) in the cell.
template <typename Visit>
bool AllInside(Visit visit)
{
    for (int y = 1; y < kCellSize - 1; ++y) {
        for (int x = 1; x < kCellSize - 1; ++x) {
            if (!visit(x, y)) {
                return false;
            }
        }
    }
    return true;
}

bool ShowsEmpty(const CellView& cell, const RgbImage& emptyCell)
{
    return AllInside([&](int x, int y) { return cell.At(x, y) == emptyCell.At(x, y); });
}

bool ShowsCircle(const CellView& cell)
{
    return AllInside([&](int x, int y) { return !InInnerDisc(x, y) || cell.At(x, y) == 0; });
}

// The picture where the strokes are not, white on both diagonals away from the corners.
bool ShowsCross(const CellView& cell, const RgbImage& emptyCell)
{
    const bool onlyWhiteAdded = AllInside([&](int x, int y) {
        return cell.At(x, y) == emptyCell.At(x, y) || IsWhite(cell.At(x, y));
    });
    if (!onlyWhiteAdded) {
        return false;
    }
    // Each stroke is a run of points rounded toward the start: allow a row either side.
    const auto whiteNear = [&](int x, int y) {
        return IsWhite(cell.At(x, y - 1)) || IsWhite(cell.At(x, y)) || IsWhite(cell.At(x, y + 1));
    };
    for (int k = 10; k < kCellSize - 10; ++k) {
        if (!whiteNear(k, k) || !whiteNear(k, kCellSize - 1 - k)) {
            return false;
        }
    }
    return true;
}

std::optional<Mark> ReadCell(const RgbImage& screen, Cell cell, const RgbImage& emptyCell)
{
    const CellView view(screen, cell);
    // Empty first: a blank black cell also has a black middle.
    if (ShowsEmpty(view, emptyCell)) {
        return Mark::Empty;
    }
    if (ShowsCircle(view)) {
        return Mark::Circle;
    }
    if (ShowsCross(view, emptyCell)) {
        return Mark::Cross;
    }
    return std::nullopt;
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
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            const std::optional<Mark> mark = ReadCell(screen, {i, j}, emptyCell);
            if (!mark) {
                return std::nullopt;
            }
            board.Set({i, j}, *mark);
        }
    }
    return board;
}

std::string DescribeCells(const RgbImage& screen, const RgbImage& emptyCell)
{
    if (!Fits(screen, emptyCell)) {
        return "(no board: the capture or the cell picture is too small)";
    }
    std::string text;
    for (int j = 0; j < 3; ++j) {
        for (int i = 0; i < 3; ++i) {
            const std::optional<Mark> mark = ReadCell(screen, {i, j}, emptyCell);
            text += !mark ? '?' : *mark == Mark::Circle ? 'O' : *mark == Mark::Cross ? 'X' : '.';
        }
        text += j < 2 ? "/" : "";
    }
    return text;
}

}  // namespace e2e
