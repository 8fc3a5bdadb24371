// SPDX-License-Identifier: MIT
#include "tests/e2e/MovePlanner.h"

#include "board/morvane.h"

#include <algorithm>
#include <stdexcept>

namespace e2e {
namespace {

// Chances closer than this are the same chance reached by other roads.
constexpr double kTie = 1e-9;

std::time_t g_replayedNow = 0;

std::time_t ReplayedNow(std::time_t*)
{
    return g_replayedNow;
}

}  // namespace

Computer ReplayedComputer(std::time_t now)
{
    return [now](const Board& board) {
        morvane replayed;
        for (int i = 0; i < 3; ++i) {
            for (int j = 0; j < 3; ++j) {
                const Mark mark = board.At({i, j});
                replayed.cells[i][j] = mark == Mark::Empty    ? morvane::kEmpty
                                       : mark == Mark::Circle ? morvane::kHuman
                                                              : morvane::kComputer;
            }
        }
        g_replayedNow = now;
        const auto gameClock = morvane::readClock;
        morvane::readClock = ReplayedNow;
        bool humanToMove = false;
        replayed.AI(humanToMove);
        morvane::readClock = gameClock;
        std::vector<Cell> answer;
        for (Cell free : board.CellsWith(Mark::Empty)) {
            if (replayed.cells[free.i][free.j] != morvane::kEmpty) {
                answer.push_back(free);
            }
        }
        return answer;
    };
}

Computer AnyFreeCell()
{
    return [](const Board& board) {
        return board.CellsWith(Mark::Empty);
    };
}

MovePlanner::MovePlanner(Outcome goal, Computer computer)
    : m_goal(goal), m_computer(std::move(computer))
{
}

Cell MovePlanner::Choose(const Board& board)
{
    const std::vector<Cell> free = board.CellsWith(Mark::Empty);
    if (board.Result() != Outcome::InProgress || free.empty()) {
        throw std::logic_error("MovePlanner: no move to make on " + board.Text());
    }
    const double best = ChanceFrom(board);
    return *std::find_if(free.begin(), free.end(),
                         [&](Cell move) { return ChanceAfterMove(board, move) >= best - kTie; });
}

double MovePlanner::ChanceFrom(const Board& board)
{
    const Outcome result = board.Result();
    if (result != Outcome::InProgress) {
        return result == m_goal ? 1.0 : 0.0;
    }
    const auto known = m_chances.find(board.Code());
    if (known != m_chances.end()) {
        return known->second;
    }
    double best = 0.0;
    for (Cell move : board.CellsWith(Mark::Empty)) {
        best = std::max(best, ChanceAfterMove(board, move));
    }
    m_chances.emplace(board.Code(), best);
    return best;
}

double MovePlanner::ChanceAfterMove(Board board, Cell move)
{
    board.Set(move, Mark::Circle);
    const Outcome result = board.Result();
    if (result != Outcome::InProgress) {
        return result == m_goal ? 1.0 : 0.0;
    }
    const std::vector<Cell> answers = m_computer(board);
    double sum = 0.0;
    for (Cell answer : answers) {
        Board next = board;
        next.Set(answer, Mark::Cross);
        sum += ChanceFrom(next);
    }
    return sum / static_cast<double>(answers.size());
}

std::time_t ClockForSureGame(Outcome goal, std::time_t from)
{
    for (std::time_t now = from;; ++now) {
        if (MovePlanner(goal, ReplayedComputer(now)).ChanceFrom(Board()) > 1.0 - kTie) {
            return now;
        }
    }
}

}  // namespace e2e
