// SPDX-License-Identifier: MIT
#pragma once

#include "tests/e2e/BoardModel.h"
#include "tests/e2e/ReplayedRand.h"

#include <ctime>
#include <optional>

// Plans the human's moves against the game's own computer replayed with its clock fixed:
// the board's AI, reseeded from the given second with the srand and rand of the game's C
// library, so that each answer is known before the click.
namespace e2e {

// The computer's answer on board, where it is to move, with its clock at now.
Cell ReplayedAnswer(const Board& board, std::time_t now, GameLibc libc);

// A move on board, where the human is to move, after which the game surely ends in goal
// against the computer replayed at now; nothing if there is none.
std::optional<Cell> SureMove(const Board& board, Outcome goal, std::time_t now, GameLibc libc);

// The first second from on at which one planned game surely ends in goal.
std::time_t ClockForSureGame(Outcome goal, GameLibc libc, std::time_t from = 1);

}  // namespace e2e
