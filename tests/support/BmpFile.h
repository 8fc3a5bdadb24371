// SPDX-License-Identifier: MIT
#pragma once

#include <SDL.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Writes BMP files of any size and bit depth, for pictures the game's own assets do not
// cover: SDL_SaveBMP only writes 8- and 24-bit files. Rows are stored bottom-up,
// uncompressed; 8-bit files carry a grey palette, 16-bit files are 5-5-5.
namespace sdltest {

// colour(x, y) gives 0xRRGGBB for each pixel.
std::vector<std::uint8_t> MakeBmp(int w, int h, int bitsPerPixel,
                                  const std::function<Uint32(int, int)>& colour);

// Only the headers (and the 8-bit palette) of such a file, declaring w x h pixels and
// the matching sizes, which saturate at 4 GiB; no pixel rows follow. With a huge w or h
// this is a file that promises far more than it holds.
std::vector<std::uint8_t> MakeBmpHeaders(int w, int h, int bitsPerPixel);

void WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes);

}  // namespace sdltest
