// SPDX-License-Identifier: MIT
#include "tests/e2e/BoardModel.h"

namespace e2e {

const char* OutcomeName(Outcome outcome)
{
    static const char* const kNames[] = {"a game in progress", "a win", "a loss", "a draw"};
    return kNames[static_cast<int>(outcome)];
}

std::vector<Cell> Board::CellsWith(Mark mark) const
{
    std::vector<Cell> cells;
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            if (At({i, j}) == mark) {
                cells.push_back({i, j});
            }
        }
    }
    return cells;
}

Outcome Board::Result() const
{
    static constexpr Cell kLines[8][3] = {
        {{0, 0}, {1, 0}, {2, 0}}, {{0, 1}, {1, 1}, {2, 1}}, {{0, 2}, {1, 2}, {2, 2}},
        {{0, 0}, {0, 1}, {0, 2}}, {{1, 0}, {1, 1}, {1, 2}}, {{2, 0}, {2, 1}, {2, 2}},
        {{0, 0}, {1, 1}, {2, 2}}, {{2, 0}, {1, 1}, {0, 2}},
    };
    for (Mark side : {Mark::Circle, Mark::Cross}) {
        for (const auto& line : kLines) {
            if (At(line[0]) == side && At(line[1]) == side && At(line[2]) == side) {
                return side == Mark::Circle ? Outcome::HumanWins : Outcome::ComputerWins;
            }
        }
    }
    return CellsWith(Mark::Empty).empty() ? Outcome::Draw : Outcome::InProgress;
}

char Symbol(Mark mark)
{
    return mark == Mark::Circle ? 'O' : mark == Mark::Cross ? 'X' : '.';
}

std::string CellsText(const std::function<char(Cell)>& symbolOf)
{
    std::string text;
    for (int j = 0; j < 3; ++j) {
        for (int i = 0; i < 3; ++i) {
            text += symbolOf({i, j});
        }
        text += j < 2 ? "/" : "";
    }
    return text;
}

}  // namespace e2e
