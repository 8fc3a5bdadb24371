// SPDX-License-Identifier: MIT
#pragma once

#include "tests/e2e/BoardModel.h"

#include <ctime>
#include <functional>
#include <unordered_map>
#include <vector>

// Chooses the human's moves so that one chosen outcome becomes as likely as it can be:
// the exact expectation over the computer's answers, each of those it may give to a
// board taken as equally likely. Owns its table of worked-out chances; one planner
// serves one goal against one computer.
namespace e2e {

// The cells the computer may answer on a board where it is to move.
using Computer = std::function<std::vector<Cell>(const Board&)>;

// The game's own AI with its clock fixed at now: one answer to each board, replayed
// with the same srand and rand the game calls.
Computer ReplayedComputer(std::time_t now);
// Any free cell: a computer whose clock runs, as the program's does when no fixed
// clock can be preloaded into it.
Computer AnyFreeCell();

class MovePlanner {
public:
    MovePlanner(Outcome goal, Computer computer);

    // The move to make on board, where the human is to move and the game goes on.
    Cell Choose(const Board& board);

    // The chance of reaching the goal from board with the human to move, under best play.
    double ChanceFrom(const Board& board);

private:
    double ChanceAfterMove(Board board, Cell move);

    Outcome m_goal;
    Computer m_computer;
    std::unordered_map<int, double> m_chances;  // by Board::Code
};

// The first second from on at which the replayed computer lets one planned game
// surely end in goal.
std::time_t ClockForSureGame(Outcome goal, std::time_t from = 1);

}  // namespace e2e
