// SPDX-License-Identifier: MIT
#include "tests/e2e/support/BuildPaths.h"
#include "tests/e2e/support/RealWindowTest.h"

#include <X11/keysym.h>

// Walking the intro and menu screens with real keys and judging by the real window's
// pixels against the picture files, and the two ways of quitting from the intro.
namespace e2e {
namespace {

class ScreenFlowTest : public RealWindowTest {
protected:
    const RgbImage m_intro = LoadBmpPicture(PicturePath("intro.bmp"));
    const RgbImage m_menu = LoadBmpPicture(PicturePath("menu.bmp"));
};

TEST_F(ScreenFlowTest, SpaceShowsTheMenuAndEscapeTheIntroAgain)
{
    ASSERT_FALSE(ShowsPictureAt(m_intro, m_menu)) << "the screens cannot be told apart";
    Start(BuiltGame());
    GameWindow& window = AwaitWindow();
    ASSERT_TRUE(AwaitPicture(m_intro)) << "at start";

    window.PressKey(XK_space);
    ASSERT_TRUE(AwaitPicture(m_menu)) << "after Space on the intro";

    window.PressKey(XK_Escape);
    ASSERT_TRUE(AwaitPicture(m_intro)) << "after Escape on the menu";

    // Still the intro screen underneath: a second Escape ends the program.
    window.PressKey(XK_Escape);
    EXPECT_TRUE(GameEndsWith(ExitStatus::Exited(0)));
}

TEST_F(ScreenFlowTest, EscapeOnTheIntroEndsWithStatus0)
{
    Start(BuiltGame());
    ASSERT_TRUE(AwaitPicture(m_intro));

    AwaitWindow().PressKey(XK_Escape);
    EXPECT_TRUE(GameEndsWith(ExitStatus::Exited(0)));
}

TEST_F(ScreenFlowTest, WindowCloseOnTheIntroEndsWithStatus0)
{
    const GameLaunch launch = BuiltGame();
    if (launch.IsWebPage()) {
        GTEST_SKIP() << "a page has no window to close: closing its tab ends the page at once, "
                        "and the game is never asked to quit";
    }
    Start(launch);
    ASSERT_TRUE(AwaitPicture(m_intro));

    AwaitWindow().RequestClose();
    EXPECT_TRUE(GameEndsWith(ExitStatus::Exited(0)));
}

}  // namespace
}  // namespace e2e
