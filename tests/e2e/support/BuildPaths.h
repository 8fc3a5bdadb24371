// SPDX-License-Identifier: MIT
#pragma once

#include <string>

// Where the build put the game and its pictures; fixed when the tests are compiled so
// that they always run the game built beside them.
namespace e2e {

inline std::string BuiltGamePath()
{
    return NOUGHTS_E2E_GAME_PATH;
}

// The folder holding the built game's pictures; the game's default working directory.
inline std::string PicturesDir()
{
    return NOUGHTS_E2E_PICTURES_DIR;
}

// LeakSanitizer's list of the leaks of Xlib that a sanitized game must not be blamed for.
inline std::string LeakSuppressionsPath()
{
    return NOUGHTS_E2E_LEAK_SUPPRESSIONS;
}

// The preloaded clock: time() answers the second in NOUGHTS_FIXED_CLOCK.
inline std::string FixedClockLibraryPath()
{
    return NOUGHTS_E2E_FIXED_CLOCK;
}

inline std::string PicturePath(const std::string& name)
{
    return PicturesDir() + "/" + name;
}

}  // namespace e2e
