// SPDX-License-Identifier: MIT
#include "tests/e2e/MovePlanner.h"

#include "board/morvane.h"

namespace e2e {
namespace {

std::time_t g_replayedNow = 0;

std::time_t ReplayedNow(std::time_t*)
{
    return g_replayedNow;
}

}  // namespace

Cell ReplayedAnswer(const Board& board, std::time_t now, GameLibc libc)
{
    morvane replayed;
    for (Cell cell : board.CellsWith(Mark::Circle)) {
        replayed.cells[cell.i][cell.j] = morvane::kHuman;
    }
    for (Cell cell : board.CellsWith(Mark::Cross)) {
        replayed.cells[cell.i][cell.j] = morvane::kComputer;
    }
    g_replayedNow = now;
    const auto gameClock = morvane::readClock;
    morvane::readClock = ReplayedNow;
    bool humanToMove = false;
    ReplayRandOf(libc);
    replayed.AI(humanToMove);
    ReplayRandOf(GameLibc::Glibc);
    morvane::readClock = gameClock;
    for (Cell free : board.CellsWith(Mark::Empty)) {
        if (replayed.cells[free.i][free.j] == morvane::kComputer) {
            return free;
        }
    }
    return {-1, -1};
}

std::optional<Cell> SureMove(const Board& board, Outcome goal, std::time_t now, GameLibc libc)
{
    for (Cell move : board.CellsWith(Mark::Empty)) {
        Board next = board;
        next.Set(move, Mark::Circle);
        if (next.Result() == Outcome::InProgress) {
            next.Set(ReplayedAnswer(next, now, libc), Mark::Cross);
        }
        if (next.Result() == goal ||
            (next.Result() == Outcome::InProgress && SureMove(next, goal, now, libc))) {
            return move;
        }
    }
    return std::nullopt;
}

std::time_t ClockForSureGame(Outcome goal, GameLibc libc, std::time_t from)
{
    std::time_t now = from;
    while (!SureMove(Board(), goal, now, libc)) {
        ++now;
    }
    return now;
}

}  // namespace e2e
