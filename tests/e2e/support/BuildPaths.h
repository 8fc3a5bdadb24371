// SPDX-License-Identifier: MIT
#pragma once

#include <cstdlib>
#include <string>

// Where the build put the game and its pictures; fixed when the tests are compiled so
// that they always run the game built beside them. Another build of the game, such as
// the Windows program unpacked from its zip, is tested instead when NOUGHTS_E2E_GAME
// names it: its pictures are then those in its own folder, and it is started through
// the program that NOUGHTS_E2E_LAUNCHER names (Wine's loader), if any.
namespace e2e {

inline std::string EnvironmentOr(const char* name, const std::string& fallback)
{
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? value : fallback;
}

inline std::string BuiltGamePath()
{
    return EnvironmentOr("NOUGHTS_E2E_GAME", NOUGHTS_E2E_GAME_PATH);
}

// The folder holding the built game's pictures; the game's default working directory.
inline std::string PicturesDir()
{
    const std::string game = BuiltGamePath();
    return game == NOUGHTS_E2E_GAME_PATH ? NOUGHTS_E2E_PICTURES_DIR
                                         : game.substr(0, game.find_last_of('/'));
}

// Empty when the game starts by itself.
inline std::string BuiltGameLauncher()
{
    return EnvironmentOr("NOUGHTS_E2E_LAUNCHER", "");
}

inline std::string PicturePath(const std::string& name)
{
    return PicturesDir() + "/" + name;
}

}  // namespace e2e
