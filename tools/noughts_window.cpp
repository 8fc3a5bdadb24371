// SPDX-License-Identifier: MIT
// The real-window driver as a command for the tools:
//
//   noughts_window run COMMAND [ARGUMENT...]
//       runs COMMAND with DISPLAY naming a private Xvfb server; exits with its status
//   noughts_window pictures OUT_DIR
//       plays the built game to a planned win with real input and writes what its window
//       shows to intro.bmp, menu.bmp, playing.bmp (two moves each) and finished.bmp
#include "tests/e2e/GamePlayer.h"
#include "tests/e2e/support/BuildPaths.h"
#include "tests/e2e/support/XvfbDisplay.h"
#include "tests/support/BmpFile.h"

#include <X11/keysym.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <iostream>
#include <stdexcept>

namespace e2e {
namespace {

int RunOnPrivateDisplay(char** command)
{
    const XvfbDisplay display;
    setenv("DISPLAY", display.Name().c_str(), 1);
    const pid_t child = fork();
    if (child == 0) {
        execvp(command[0], command);
        std::perror(command[0]);
        _exit(127);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

void Require(const testing::AssertionResult& result, const char* where)
{
    if (!result) {
        throw std::runtime_error(std::string(where) + ": " + result.message());
    }
}

void Save(GamePlayer& player, const std::string& path)
{
    const std::optional<RgbImage> screen = player.AwaitWindow().Capture();
    if (!screen) {
        throw std::runtime_error("the game's window could not be read for " + path);
    }
    sdltest::WriteFile(path, sdltest::MakeBmp(screen->width, screen->height, 24,
                                              [&](int x, int y) { return screen->At(x, y); }));
}

int TakePictures(const std::string& folder)
{
    GamePlayer player;
    player.Expect(ExpectedPictures::AllFrom(PicturesDir()));
    player.Start(player.WithClockFor(Outcome::HumanWins, player.BuiltGame()));
    Require(player.AwaitScreenNamed("intro.bmp"), "the intro");
    Save(player, folder + "/intro.bmp");
    player.AwaitWindow().PressKey(XK_space);
    Require(player.AwaitScreenNamed("menu.bmp"), "the menu");
    Save(player, folder + "/menu.bmp");
    player.AwaitWindow().PressKey(XK_space);
    Require(player.AwaitTheBoardScreen(), "the board");
    Require(player.AwaitEmptyBoard(), "the empty board");
    Require(player.PlayGame(Outcome::HumanWins,
                            [&](int moves) {
                                if (moves == 2)
                                    Save(player, folder + "/playing.bmp");
                            }),
            "the game");
    Save(player, folder + "/finished.bmp");
    player.EscapeToTheEnd();
    Require(player.GameEndsWith(ExitStatus::Exited(0)), "the end");
    return 0;
}

}  // namespace
}  // namespace e2e

int main(int argc, char** argv)
{
    const std::string command = argc > 1 ? argv[1] : "";
    try {
        if (command == "run" && argc > 2)
            return e2e::RunOnPrivateDisplay(argv + 2);
        if (command == "pictures" && argc == 3)
            return e2e::TakePictures(argv[2]);
    } catch (const std::exception& error) {
        std::cerr << "noughts_window: " << error.what() << "\n";
        return 1;
    }
    std::cerr << "usage: noughts_window run COMMAND [ARGUMENT...]\n"
                 "       noughts_window pictures OUT_DIR\n";
    return 2;
}
