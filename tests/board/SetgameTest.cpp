// SPDX-License-Identifier: MIT
#include "board/morvane.h"
#include "tests/support/BoardRows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

using namespace sdltest;

namespace {

using Cell = std::pair<int, int>;  // (i, j)
using Line = std::vector<Cell>;

// All eight lines, listed by hand: three columns i, three rows j, two diagonals.
const std::vector<Line> kEveryLine = {
    {{0, 0}, {0, 1}, {0, 2}}, {{1, 0}, {1, 1}, {1, 2}}, {{2, 0}, {2, 1}, {2, 2}},
    {{0, 0}, {1, 0}, {2, 0}}, {{0, 1}, {1, 1}, {2, 1}}, {{0, 2}, {1, 2}, {2, 2}},
    {{0, 0}, {1, 1}, {2, 2}}, {{2, 0}, {1, 1}, {0, 2}},
};

bool Shares(const Line& a, const Line& b)
{
    return std::find_first_of(a.begin(), a.end(), b.begin(), b.end()) != a.end();
}

TEST(Board, TheGlobalBoardStartsEmpty)
{
    EXPECT_EQ(RowsOf(t), (Rows{"...", "...", "..."}));
}

TEST(Board, ResetEmptiesEveryCell)
{
    morvane board = BoardOf({"OX.", "XOX", "O.O"});
    board.reset();
    EXPECT_EQ(RowsOf(board), (Rows{"...", "...", "..."}));
    EXPECT_EQ(board.setgame(), -1);
}

TEST(Setgame, EveryLineWinsForEitherSide)
{
    for (const int mark : {1, 0}) {
        for (size_t n = 0; n < kEveryLine.size(); ++n) {
            morvane board;
            for (const auto& [i, j] : kEveryLine[n])
                board.cells[i][j] = mark;
            EXPECT_EQ(board.setgame(), mark) << "line " << n << " of " << mark << "s";
            // Two of its cells are not enough: each of the three is looked at.
            for (size_t missing = 0; missing < 3; ++missing) {
                morvane two;
                for (size_t k = 0; k < 3; ++k)
                    if (k != missing)
                        two.cells[kEveryLine[n][k].first][kEveryLine[n][k].second] = mark;
                EXPECT_EQ(two.setgame(), -1) << "line " << n << " without cell " << missing;
            }
        }
    }
}

TEST(Setgame, ALineOfOnesBeatsALineOfZeros)
{
    int pairs = 0;
    for (const Line& ones : kEveryLine) {
        for (const Line& zeros : kEveryLine) {
            if (Shares(ones, zeros))
                continue;
            morvane board;
            for (const auto& [i, j] : ones)
                board.cells[i][j] = 1;
            for (const auto& [i, j] : zeros)
                board.cells[i][j] = 0;
            EXPECT_EQ(board.setgame(), 1);
            ++pairs;
        }
    }
    EXPECT_EQ(pairs, 12);  // two parallel lines apart, in both directions, each way round

    EXPECT_EQ(BoardOf({"OOO", "...", "XXX"}).setgame(), 1);
    EXPECT_EQ(BoardOf({"XXX", "...", "OOO"}).setgame(), 1);
}

TEST(Setgame, FullAndNearlyFullBoardsWithoutALine)
{
    EXPECT_EQ(BoardOf({"...", "...", "..."}).setgame(), -1);
    EXPECT_EQ(BoardOf({"OXO", "OXX", "XOO"}).setgame(), 2);
    EXPECT_EQ(BoardOf({"OXO", "O.X", "XOO"}).setgame(), -1);
    EXPECT_EQ(BoardOf({"OXO", "OXX", "XO."}).setgame(), -1);
    EXPECT_EQ(BoardOf({".XO", "OXX", "XOO"}).setgame(), -1);
    // A full board with a line is a win, not a draw.
    EXPECT_EQ(BoardOf({"OXO", "XOX", "XOO"}).setgame(), 1);
    EXPECT_EQ(BoardOf({"XXX", "OOX", "OXO"}).setgame(), 0);
}

TEST(Setgame, TheExamplesOfTheRules)
{
    morvane board;
    board.cells[2][0] = board.cells[1][1] = board.cells[0][2] = 1;
    EXPECT_EQ(board.setgame(), 1);

    morvane both;
    for (int j = 0; j < 3; ++j) {
        both.cells[0][j] = 1;
        both.cells[2][j] = 0;
    }
    EXPECT_EQ(both.setgame(), 1);
}

}  // namespace
