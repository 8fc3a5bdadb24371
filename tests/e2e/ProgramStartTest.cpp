// SPDX-License-Identifier: MIT
#include "tests/e2e/support/BuildPaths.h"
#include "tests/e2e/support/DesktopEntry.h"
#include "tests/e2e/support/RealWindowTest.h"

#include <X11/keysym.h>

#include <string>

// The program as a whole at start-up: what it says, the window it opens, and how it
// fails when SDL cannot start.
namespace e2e {
namespace {

class ProgramStartTest : public RealWindowTest {};

TEST_F(ProgramStartTest, EchoesArgumentCountAndEachArgumentFirst)
{
    GameLaunch launch = BuiltGame();
    launch.arguments = {"first", "second argument"};
    Start(launch);
    ASSERT_TRUE(AwaitPicture(LoadBmpPicture(PicturePath("intro.bmp"))));
    AwaitWindow().PressKey(XK_Escape);

    ASSERT_TRUE(GameEndsWith(ExitStatus::Exited(0)));
    const std::string expected = "3\n" + launch.ArgumentZero() + "\nfirst\nsecond argument\n";
    EXPECT_EQ(Game().Stdout().substr(0, expected.size()), expected);
    EXPECT_EQ(Game().Stdout().find("(null)"), std::string::npos)
        << "nothing past the last argument";
}

TEST_F(ProgramStartTest, OpensA480By272WindowThatItsDesktopEntryNames)
{
    const GameLaunch launch = BuiltGame();
    Start(launch);
    // sdl12-compat replaces its first window while it sets the video mode; the window
    // that shows the title is the one that stays.
    ASSERT_TRUE(AwaitPicture(LoadBmpPicture(PicturePath("intro.bmp"))));
    GameWindow& window = AwaitWindow();
    const std::optional<WindowGeometry> geometry = window.Geometry();

    ASSERT_TRUE(geometry.has_value());
    EXPECT_EQ(geometry->width, 480);
    EXPECT_EQ(geometry->height, 272);
    // Docks tie the running window to the menu entry, its icon and its name by this name.
    // A Windows program has no desktop entry, and a page no window of its own.
    if (!launch.IsWindowsProgram() && !launch.IsWebPage()) {
        EXPECT_EQ(window.DesktopName(),
                  DesktopEntryValue(NOUGHTS_E2E_DESKTOP_ENTRY, "StartupWMClass"));
    }
}

TEST_F(ProgramStartTest, UnknownVideoDriverEndsWithStatus1AndSaysWhy)
{
    GameLaunch launch = BuiltGame();
    launch.environment.Set("SDL_VIDEODRIVER", "nosuchdriver");
    Start(launch);

    ASSERT_TRUE(GameEndsWith(ExitStatus::Exited(1)));
    EXPECT_NE(Game().Stderr().find("Couldn't initialize SDL: "), std::string::npos)
        << "standard error: " << Game().Stderr();
}

TEST_F(ProgramStartTest, ARefusedVideoModeEndsWithStatus2AndTheFixedMessage)
{
    GameLaunch launch = BuiltGame();
    if (launch.IsWindowsProgram()) {
        GTEST_SKIP() << "Wine has no way to refuse the video mode: LD_PRELOAD reaches Linux "
                        "programs, not the Windows program's SDL.dll, and Wine's window of "
                        "480x272x32 is always granted";
    }
    if (launch.IsWebPage()) {
        GTEST_SKIP() << "LD_PRELOAD reaches the browser's native code, not the game's "
                        "WebAssembly, and a page has no other way to refuse the video mode";
    }
    launch.environment.Set("LD_PRELOAD", NOUGHTS_E2E_REFUSE_VIDEO_MODE);
    // A sanitized game wants its runtime first among the loaded libraries.
    launch.environment.Set("ASAN_OPTIONS", "verify_asan_link_order=0");
    Start(launch);

    ASSERT_TRUE(GameEndsWith(ExitStatus::Exited(2)));
    EXPECT_EQ(
        Game().Stderr().rfind("Couldn't set 800x600x16 video mode: no mode for this test\n", 0), 0u)
        << "standard error: " << Game().Stderr();
}

}  // namespace
}  // namespace e2e
