// SPDX-License-Identifier: MIT
#include "tests/e2e/GamePlayer.h"
#include "tests/e2e/support/BuildPaths.h"

#include <string>

// Whole games with real clicks in a real window: one planned game to each outcome, the
// computer's answers where its reseeding from the preloaded clock puts them, read from
// the screen; the outcome's picture at the mouse, every click printed in order, and a
// fresh board after going back to the menu.
namespace e2e {

// The name gtest shows for a game's goal.
void PrintTo(Outcome outcome, std::ostream* out)
{
    *out << OutcomeName(outcome);
}

namespace {

std::string NameOf(const testing::TestParamInfo<Outcome>& info)
{
    return info.param == Outcome::HumanWins ? "Win" : info.param == Outcome::Draw ? "Draw" : "Loss";
}

class WholeGameTest : public PlayScreenTest, public testing::WithParamInterface<Outcome> {};

TEST_P(WholeGameTest, EndsWithItsPictureAtTheMouseThenAFreshBoardAfterTheMenu)
{
    Expect(ExpectedPictures::AllFrom(PicturesDir()));
    Start(WithClockFor(GetParam(), BuiltGame()));
    ASSERT_TRUE(OpenTheBoard());

    ASSERT_TRUE(PlayGame(GetParam()));

    // Once the game is over a click on a free cell is printed and changes nothing.
    const std::vector<Cell> free = CurrentBoard().CellsWith(Mark::Empty);
    if (!free.empty()) {
        ClickCell(free.front());
        AwaitWindow().MoveTo(kParkX, kParkY);
        EXPECT_TRUE(AwaitCurrentBoard()) << "after a click on a free cell of a finished game";
    }
    EXPECT_TRUE(PrintedEveryClickInOrder());

    ASSERT_TRUE(StartNewGame());
    EscapeToTheEnd();
    EXPECT_TRUE(GameEndsWith(ExitStatus::Exited(0)));
}

INSTANTIATE_TEST_SUITE_P(Outcomes, WholeGameTest,
                         testing::Values(Outcome::HumanWins, Outcome::ComputerWins, Outcome::Draw),
                         NameOf);

}  // namespace
}  // namespace e2e
