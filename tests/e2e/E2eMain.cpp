// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

// The end-to-end tests start the game as a separate program on their own X server;
// this process itself opens no SDL video, so, unlike the in-process tests, it chooses
// no SDL driver. Each game gets its environment from GameLaunch.
int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
