// SPDX-License-Identifier: MIT
#pragma once

#include "tests/e2e/BoardModel.h"

#include <random>
#include <unordered_map>

// Chooses the human's moves so that one chosen outcome becomes as likely as it can be
// against a computer that answers each move with a free cell taken at random: the exact
// expectation over the computer's answers, not a rule of thumb. Between moves that are
// equally good it picks at random, so repeated games do not all take the same road.
// Owns its table of worked-out chances; one planner serves one goal.
namespace e2e {

class MovePlanner {
public:
    explicit MovePlanner(Outcome goal);

    // The move to make on board, where the human is to move and the game goes on.
    Cell Choose(const Board& board);

    // The chance of reaching the goal from board with the human to move, under best play.
    double ChanceFrom(const Board& board);

private:
    double ChanceAfterMove(Board board, Cell move);

    Outcome m_goal;
    std::unordered_map<int, double> m_chances;  // by Board::Code
    std::mt19937 m_tieBreaker;
};

}  // namespace e2e
