// SPDX-License-Identifier: MIT
#include "tests/e2e/support/BuildPaths.h"
#include "tests/e2e/support/RealWindowTest.h"
#include "tests/e2e/support/ReferencePicture.h"
#include "tests/e2e/support/ScreenWaits.h"

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
    ASSERT_TRUE(WaitForPicture(window, m_intro)) << "at start";

    Input().PressKey(XK_space);
    ASSERT_TRUE(WaitForPicture(window, m_menu)) << "after Space on the intro";

    Input().PressKey(XK_Escape);
    ASSERT_TRUE(WaitForPicture(window, m_intro)) << "after Escape on the menu";

    // Still the intro screen underneath: a second Escape ends the program.
    Input().PressKey(XK_Escape);
    EXPECT_TRUE(GameEndsWith(ExitStatus::Exited(0)));
}

TEST_F(ScreenFlowTest, EscapeOnTheIntroEndsWithStatus0)
{
    Start(BuiltGame());
    ASSERT_TRUE(WaitForPicture(AwaitWindow(), m_intro));

    Input().PressKey(XK_Escape);
    EXPECT_TRUE(GameEndsWith(ExitStatus::Exited(0)));
}

TEST_F(ScreenFlowTest, WindowCloseOnTheIntroEndsWithStatus0)
{
    Start(BuiltGame());
    ASSERT_TRUE(WaitForPicture(AwaitWindow(), m_intro));

    Input().RequestClose();
    EXPECT_TRUE(GameEndsWith(ExitStatus::Exited(0)));
}

}  // namespace
}  // namespace e2e
