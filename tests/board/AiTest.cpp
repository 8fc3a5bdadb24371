// SPDX-License-Identifier: MIT
#include "board/morvane.h"
#include "tests/support/BoardRows.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <utility>

using namespace sdltest;

namespace {

TEST(AI, FillsTheOnlyEmptyCellAndPassesTheTurn)
{
    for (int empty = 0; empty < 9; ++empty) {
        for (const bool turn : {false, true}) {
            morvane board = BoardOf({"OXO", "OXX", "XOO"});  // a full board with no line
            board.cells[empty / 3][empty % 3] = -1;
            ASSERT_EQ(board.setgame(), -1);

            bool theTurn = turn;
            board.AI(theTurn);
            EXPECT_EQ(board.cells[empty / 3][empty % 3], turn ? 1 : 0);
            EXPECT_EQ(theTurn, !turn);
        }
    }
}

TEST(AI, LeavesFinishedBoardsAndTheTurnAlone)
{
    const sdltest::Rows boards[] = {
        {"O.X", "OX.", "O.."},  // the human has a line
        {"XXX", ".O.", "O.."},  // the computer has one
        {"OXO", "OXX", "XOO"},  // a draw
    };
    for (const auto& rows : boards) {
        for (const bool turn : {false, true}) {
            morvane board = BoardOf(rows);
            bool theTurn = turn;
            board.AI(theTurn);
            EXPECT_EQ(theTurn, turn);
            EXPECT_EQ(sdltest::RowsOf(board), rows);
        }
    }
}

TEST(AI, PlaysOneMarkAMoveUntilTheGameEnds)
{
    morvane board;
    bool turn = true;
    int moves = 0;
    while (board.setgame() == -1 && moves < 9) {
        const int emptyBefore = CountOf(board, -1);
        const bool mover = turn;
        board.AI(turn);
        ++moves;
        EXPECT_EQ(CountOf(board, -1), emptyBefore - 1);
        EXPECT_EQ(turn, !mover);
    }
    EXPECT_NE(board.setgame(), -1);
    EXPECT_EQ(CountOf(board, 1) - CountOf(board, 0), moves % 2);
}

// The clock AI reads, fixed at a second the generator is reseeded with on every call.
class AIOnAFixedClock : public testing::Test {
protected:
    static constexpr std::time_t kNow = 1700000000;
    static std::time_t FixedClock(std::time_t*) { return kNow; }
    void SetUp() override { morvane::readClock = FixedClock; }
    void TearDown() override { morvane::readClock = std::time; }

    // The computer's move, from another state of the generator than the clock gives: a move
    // that still follows the clock shows the reseed.
    static void ComputerMoves(morvane& board)
    {
        std::srand(12345);
        bool turn = false;
        board.AI(turn);
    }
};

TEST(AI, ReseedsFromTheSystemClock)
{
    EXPECT_EQ(morvane::readClock, &std::time);
}

// Each candidate costs a draw for a, then one for b.
TEST_F(AIOnAFixedClock, ReseedsOnEveryCallAndDrawsColumnThenRow)
{
    std::srand(static_cast<unsigned>(kNow));
    const int a1 = std::rand() % 3, b1 = std::rand() % 3;
    std::pair<int, int> second{a1, b1};
    while (second == std::pair<int, int>{a1, b1})
        second = {std::rand() % 3, std::rand() % 3};

    // An empty board takes the first candidate; with that cell taken, the first
    // different one.
    morvane empty;
    ComputerMoves(empty);
    morvane occupied;
    occupied.cells[a1][b1] = 1;
    ComputerMoves(occupied);

    EXPECT_EQ(empty.cells[a1][b1], 0);
    EXPECT_EQ(CountOf(empty, 0), 1);
    EXPECT_EQ(occupied.cells[second.first][second.second], 0);
    EXPECT_EQ(CountOf(occupied, 0), 1);
}

TEST_F(AIOnAFixedClock, ReseedsEvenOnAFinishedBoard)
{
    std::srand(static_cast<unsigned>(kNow));
    const int expected = std::rand();

    morvane won;
    won.cells[0][0] = won.cells[0][1] = won.cells[0][2] = 1;
    ComputerMoves(won);
    EXPECT_EQ(std::rand(), expected);
}

}  // namespace
