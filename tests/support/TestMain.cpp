// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cstdlib>

// Every in-process test runs without a display and without a sound card: SDL must be
// told so before it starts, or it falls back to drawing into the terminal.
int main(int argc, char** argv)
{
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
