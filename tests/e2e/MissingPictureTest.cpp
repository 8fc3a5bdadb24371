// SPDX-License-Identifier: MIT
#include "engine/Window.h"
#include "tests/e2e/support/BuildPaths.h"
#include "tests/e2e/support/RealWindowTest.h"
#include "tests/e2e/support/TemporaryDirectory.h"
#include "tests/support/ScopedWorkingDirectory.h"

#include <SDL.h>
#include <X11/keysym.h>

#include <string>

// The game started in a folder that lacks one of its pictures: it says which, shows
// nothing in its place, and keeps working.
namespace e2e {
namespace {

// SDL's reason for a file in folder that cannot be opened, in the words of the SDL 1.2
// that runs the game. A Linux game loads the same library as this test, which is asked:
// sdl12-compat over SDL 2.32 and later adds the system's reason to SDL 1.2.15's bare
// "Couldn't open <file>". The Windows program brings SDL 1.2.15 in its zip, and the web
// game's SDL says what SDL 1.2.15 says.
std::string ReasonItCannotOpen(const GameLaunch& launch, const std::string& folder,
                               const std::string& file)
{
    if (launch.IsWindowsProgram() || launch.IsWebPage()) {
        return "Couldn't open " + file;
    }
    const ScopedWorkingDirectory inside(folder);
    SDL_RWops* stream = SDL_RWFromFile(file.c_str(), "rb");
    if (stream != nullptr) {
        SDL_RWclose(stream);
        return file + " is there";
    }
    return SDL_GetError();
}

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
    const GameLaunch launch = BuiltGameWithout("intro.bmp");
    const std::string reason = ReasonItCannotOpen(launch, m_folder.Path(), "intro.bmp");
    Start(launch);
    GameWindow& window = AwaitWindow();
    // Said once the video mode is set, so input from here on reaches the game; the reason
    // is the file's, not the BMP loader's.
    ASSERT_TRUE(AwaitStderrText("Couldn't load intro.bmp: " + reason + "\n"));
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
