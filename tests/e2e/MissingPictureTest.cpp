// SPDX-License-Identifier: MIT
#include "engine/Window.h"
#include "tests/e2e/support/BuildPaths.h"
#include "tests/e2e/support/RealWindowTest.h"
#include "tests/e2e/support/TemporaryDirectory.h"

#include <X11/keysym.h>

// The game started in a folder that lacks one of its pictures: it says which, shows
// nothing in its place, and keeps working.
namespace e2e {
namespace {

class MissingPictureTest : public RealWindowTest {
protected:
    // A working directory with every picture but the one left out.
    GameLaunch BuiltGameWithout(const std::string& picture)
    {
        m_folder.CopyPicturesFrom(PicturesDir(), {picture});
        GameLaunch launch = BuiltGame();
        launch.workingDirectory = m_folder.Path();
        return launch;
    }

    TemporaryDirectory m_folder;
};

TEST_F(MissingPictureTest, WithoutTheIntroPictureItNamesTheFileAndStillNavigatesAndQuits)
{
    Start(BuiltGameWithout("intro.bmp"));
    GameWindow& window = AwaitWindow();
    // Said once the video mode is set, so input from here on reaches the game; the reason
    // is the file's, whichever SDL 1.2 runs the game (SDL 3 adds the system's words).
    ASSERT_TRUE(AwaitStderrText("Couldn't load intro.bmp: Couldn't open intro.bmp"));
    // Nothing is drawn in the intro's place: the cleared screen stays black.
    ASSERT_TRUE(AwaitPicture(RgbImage(kWindowWidth, kWindowHeight)));

    // The menu, whose picture is there, still opens over the empty intro.
    window.PressKey(XK_space);
    ASSERT_TRUE(AwaitPicture(LoadBmpPicture(m_folder.PathOf("menu.bmp"))));
    window.PressKey(XK_Escape);  // back to the intro
    window.PressKey(XK_Escape);  // and out

    EXPECT_TRUE(GameEndsWith(ExitStatus::Exited(0)));
}

}  // namespace
}  // namespace e2e
