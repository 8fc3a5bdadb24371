// SPDX-License-Identifier: MIT
#include "tests/e2e/support/DesktopEntry.h"
#include "tests/e2e/support/RealWindowTest.h"
#include "tests/e2e/support/TemporaryDirectory.h"

#include <X11/keysym.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>

// The installed game as a user meets it: the launcher on the PATH, started from some
// unrelated folder, in a real X window. The tree under test (an install prefix, or the
// unpacked Debian package) is named by NOUGHTS_INSTALLED_ROOT, which CTest sets; where
// things lie inside it comes from the build's install directories.
namespace e2e {
namespace {

namespace fs = std::filesystem;

std::string InstalledRoot()
{
    const char* root = std::getenv("NOUGHTS_INSTALLED_ROOT");
    if (root == nullptr || *root == '\0') {
        throw std::runtime_error(
            "NOUGHTS_INSTALLED_ROOT is not set: run these tests through ctest");
    }
    return root;
}

class InstalledLauncherTest : public RealWindowTest {
protected:
    const std::string m_root = InstalledRoot();
    const std::string m_launcher = m_root + "/" NOUGHTS_LAUNCHER_IN_ROOT;
    // What the installed tree should show, read from the source tree, not from the install.
    const RgbImage m_intro = LoadBmpPicture(NOUGHTS_SOURCE_PICTURES_DIR "/intro.bmp");
    // A folder with nothing of the game's in it: the game must not need its working directory.
    TemporaryDirectory m_elsewhere;

    // The program started from the unrelated folder on this test's display, in the
    // environment the harness gives the built game (no chosen SDL video driver, so SDL
    // takes X11, as in a desktop session).
    GameLaunch LaunchOf(const std::string& program) const
    {
        GameLaunch launch = BuiltGame();
        launch.program = program;
        launch.workingDirectory = m_elsewhere.Path();
        return launch;
    }

    // Shows the intro from the installed pictures, then leaves it with Escape.
    void ExpectIntroThenQuitWithEscape()
    {
        ASSERT_TRUE(AwaitPicture(m_intro)) << "stderr: " << Game().Stderr();
        AwaitWindow().PressKey(XK_Escape);
        EXPECT_TRUE(GameEndsWith(ExitStatus::Exited(0)));
    }
};

TEST_F(InstalledLauncherTest, FromAnUnrelatedFolderShowsTheIntroAndPassesEveryArgumentOn)
{
    GameLaunch launch = LaunchOf(m_launcher);
    launch.arguments = {"first", "two  words", "*", ""};
    Start(launch);
    ExpectIntroThenQuitWithEscape();

    // The launcher execs the program itself, so argv[0] is the installed program's path.
    const std::string program = fs::canonical(m_root + "/" NOUGHTS_PROGRAM_IN_ROOT).string();
    const std::string expected = "5\n" + program + "\nfirst\ntwo  words\n*\n\n";
    EXPECT_EQ(Game().Stdout().substr(0, expected.size()), expected);
}

TEST_F(InstalledLauncherTest, TheDesktopEntryCommandFindsTheLauncherOnThePath)
{
    const std::string exec = DesktopEntryValue(m_root + "/" NOUGHTS_DESKTOP_ENTRY_IN_ROOT, "Exec");
    ASSERT_EQ(exec, "noughts") << "the entry must start the launcher by name";

    // A shell looks the name up on the PATH the session gives it, as a desktop does.
    GameLaunch launch = LaunchOf("/bin/sh");
    launch.arguments = {"-c", "exec " + exec};
    const std::string path = launch.environment.Get("PATH").value_or("/usr/bin:/bin");
    launch.environment.Set("PATH", fs::path(m_launcher).parent_path().string() + ":" + path);
    Start(launch);

    ASSERT_TRUE(AwaitPicture(m_intro)) << "stderr: " << Game().Stderr();
    AwaitWindow().RequestClose();
    EXPECT_TRUE(GameEndsWith(ExitStatus::Exited(0)));
}

TEST_F(InstalledLauncherTest, ThroughARelativeSymbolicLinkItStillFindsItsOwnTree)
{
    const fs::path linkDir = fs::path(m_elsewhere.Path()) / "games";
    fs::create_directory(linkDir);
    const fs::path link = linkDir / "noughts";
    fs::create_symlink(fs::relative(m_launcher, linkDir), link);

    Start(LaunchOf(link.string()));
    ExpectIntroThenQuitWithEscape();
}

TEST_F(InstalledLauncherTest, AwayFromItsTreeItNamesTheMissingPicturesAndEndsWith127)
{
    const fs::path strayDir = fs::path(m_elsewhere.Path()) / "bin";
    fs::create_directory(strayDir);
    const fs::path stray = strayDir / "noughts";
    fs::copy_file(m_launcher, stray);

    Start(LaunchOf(stray.string()));
    ASSERT_TRUE(GameEndsWith(ExitStatus::Exited(127)));
    EXPECT_NE(Game().Stderr().find("noughts: the game's pictures are missing"), std::string::npos)
        << "stderr: " << Game().Stderr();
    EXPECT_EQ(Game().Stdout(), "") << "the game must not have started";
}

}  // namespace
}  // namespace e2e
