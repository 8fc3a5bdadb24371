// SPDX-License-Identifier: MIT
#include "tests/e2e/PlayScreenTest.h"
#include "tests/e2e/support/BuildPaths.h"

#include <string>

// Whole games with real clicks in a real window, against the computer's random answers,
// learnt from the screen: each outcome the computer allows, with its picture at the
// mouse, every click printed in order, and a fresh board after going back to the menu.
namespace e2e {
namespace {

struct OutcomeCase {
    Outcome goal;
    int maxGames;
    const char* name;
};

void PrintTo(const OutcomeCase& wanted, std::ostream* out)
{
    *out << wanted.name;
}

class WholeGameTest : public PlayScreenTest, public testing::WithParamInterface<OutcomeCase> {};

TEST_P(WholeGameTest, EndsWithItsPictureAtTheMouseThenAFreshBoardAfterTheMenu)
{
    const OutcomeCase& wanted = GetParam();
    Expect(ExpectedPictures::AllFrom(PicturesDir()));
    Start(BuiltGame());
    ASSERT_TRUE(OpenTheBoard());

    ASSERT_TRUE(PlayGamesUntil(wanted.goal, wanted.maxGames));

    // Once the game is over a click on a free cell is printed and changes nothing.
    const std::vector<Cell> free = CurrentBoard().CellsWith(Mark::Empty);
    if (!free.empty()) {
        ClickAt(CellMiddleX(free.front()), CellMiddleY(free.front()));
        Input().MoveTo(kParkX, kParkY);
        EXPECT_TRUE(AwaitScreen([&](const RgbImage& screen) {
            return ShowsBoard(screen, CurrentBoard());
        })) << "after a click on a free cell of a finished game";
    }
    EXPECT_TRUE(PrintedEveryClickInOrder());

    ASSERT_TRUE(StartNewGame());
    EscapeToTheEnd();
    EXPECT_TRUE(GameEndsWith(ExitStatus::Exited(0)));
}

INSTANTIATE_TEST_SUITE_P(Outcomes, WholeGameTest,
                         testing::Values(OutcomeCase{Outcome::HumanWins, kGamesForAWin, "Win"},
                                         OutcomeCase{Outcome::ComputerWins, kGamesForALoss, "Loss"},
                                         OutcomeCase{Outcome::Draw, kGamesForADraw, "Draw"}),
                         [](const testing::TestParamInfo<OutcomeCase>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
}  // namespace e2e
