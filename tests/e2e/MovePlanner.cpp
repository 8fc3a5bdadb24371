// SPDX-License-Identifier: MIT
#include "tests/e2e/MovePlanner.h"

#include <algorithm>
#include <stdexcept>

namespace e2e {
namespace {

// Chances closer than this are the same chance reached by other roads.
constexpr double kTie = 1e-9;

}  // namespace

MovePlanner::MovePlanner(Outcome goal) : m_goal(goal), m_tieBreaker(std::random_device{}()) {}

Cell MovePlanner::Choose(const Board& board)
{
    const std::vector<Cell> free = board.CellsWith(Mark::Empty);
    if (board.Result() != Outcome::InProgress || free.empty()) {
        throw std::logic_error("MovePlanner: no move to make on " + board.Text());
    }
    const double best = ChanceFrom(board);
    std::vector<Cell> bestMoves;
    for (Cell move : free) {
        if (ChanceAfterMove(board, move) >= best - kTie) {
            bestMoves.push_back(move);
        }
    }
    std::uniform_int_distribution<size_t> pick(0, bestMoves.size() - 1);
    return bestMoves[pick(m_tieBreaker)];
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
    // Every free cell is equally likely to get the computer's cross.
    const std::vector<Cell> answers = board.CellsWith(Mark::Empty);
    double sum = 0.0;
    for (Cell answer : answers) {
        Board next = board;
        next.Set(answer, Mark::Cross);
        sum += ChanceFrom(next);
    }
    return sum / static_cast<double>(answers.size());
}

}  // namespace e2e
