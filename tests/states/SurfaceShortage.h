// SPDX-License-Identifier: MIT
#pragma once

// A machine out of memory for surfaces of one size. While a SurfaceShortage lives, the
// game's calls of SDL_CreateRGBSurface for a surface of that width and height give null,
// as SDL's do when it cannot allocate; every other call goes to SDL. Only the unit test
// program has it: its own definition of the function takes the place of SDL's for the
// game's code linked into it. One at a time; the test that makes it owns it.
class SurfaceShortage {
public:
    SurfaceShortage(int width, int height);
    ~SurfaceShortage();
    SurfaceShortage(const SurfaceShortage&) = delete;
    SurfaceShortage& operator=(const SurfaceShortage&) = delete;

private:
    friend struct SurfaceRequests;
    int m_width;
    int m_height;
};
