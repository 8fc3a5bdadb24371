// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

// The tests' own model of the noughts-and-crosses board, written from the rules of the
// game and not from its code, so that what the screen shows can be judged by it. Plain
// values; anything may use them.
namespace e2e {

// What a cell shows: the human plays circles, the computer crosses.
enum class Mark { Empty, Circle, Cross };

// Column i and row j, each 0 to 2; on the screen the cell lies at (kCellSize i, kCellSize j).
struct Cell {
    int i = 0;
    int j = 0;
};

// In this order: OutcomeName follows it.
enum class Outcome { InProgress, HumanWins, ComputerWins, Draw };

const char* OutcomeName(Outcome outcome);

// "O", "X" or ".".
char Symbol(Mark mark);
// The rows from the top, one character a cell, as in "OX./.O./..X".
std::string CellsText(const std::function<char(Cell)>& symbolOf);

class Board {
public:
    Mark At(Cell cell) const { return m_marks[Index(cell)]; }
    void Set(Cell cell, Mark mark) { m_marks[Index(cell)] = mark; }

    std::vector<Cell> CellsWith(Mark mark) const;
    // The side with three in a row, else a draw on a full board, else still in progress.
    Outcome Result() const;
    std::string Text() const
    {
        return CellsText([this](Cell cell) { return Symbol(At(cell)); });
    }

    bool operator==(const Board& other) const { return m_marks == other.m_marks; }
    bool operator!=(const Board& other) const { return !(*this == other); }

private:
    static int Index(Cell cell) { return 3 * cell.i + cell.j; }

    std::array<Mark, 9> m_marks{};
};

}  // namespace e2e
