// SPDX-License-Identifier: MIT
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

// A picture as plain 0xRRGGBB values, row by row: what was read from the window, or
// what a picture file holds. A value; comparing two of them needs no SDL and no X.
namespace e2e {

struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;  // width * height values, top row first

    RgbImage() = default;
    RgbImage(int w, int h, uint32_t rgb = 0)
        : width(w), height(h), pixels(static_cast<size_t>(w) * h, rgb)
    {
    }

    uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
    uint32_t& At(int x, int y) { return pixels[static_cast<size_t>(y) * width + x]; }
};

// The BMP file at path as SDL 1.2's loader reads it, as the game does, whatever its depth:
// what the screen should show, known without asking the game. Throws std::runtime_error
// with SDL's reason if SDL cannot load it.
RgbImage LoadBmpPicture(const std::string& path);

// "0x12ab34".
std::string RgbText(uint32_t rgb);

// Success if every pixel of picture equals the pixel of screen under it, the picture's
// top-left corner lying at (left, top) of the screen. The picture must fit on the screen.
// On failure: how many pixels differ, and the first few of them.
testing::AssertionResult ShowsPictureAt(const RgbImage& screen, const RgbImage& picture,
                                        int left = 0, int top = 0);

}  // namespace e2e
