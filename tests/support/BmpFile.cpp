// SPDX-License-Identifier: MIT
#include "tests/support/BmpFile.h"

#include <algorithm>
#include <fstream>

namespace sdltest {

namespace {

// Appends the low count bytes of value, low byte first, as BMP stores every number.
void Put(std::vector<std::uint8_t>& out, std::uint32_t value, int count)
{
    for (int i = 0; i < count; ++i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// A pixel of 0xRRGGBB, stored low byte first: B, G, R (then 0 at 32 bits).
void PutPixel(std::vector<std::uint8_t>& out, int bitsPerPixel, Uint32 rgb)
{
    const std::uint32_t r = (rgb >> 16) & 0xFF, g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
    const std::uint32_t value = bitsPerPixel == 8    ? (r + g + b) / 3  // the grey palette's index
                                : bitsPerPixel == 16 ? (r >> 3) << 10 | (g >> 3) << 5 | b >> 3
                                                     : rgb & 0xFFFFFF;
    Put(out, value, bitsPerPixel / 8);
}

std::uint64_t RowBytes(int w, int bitsPerPixel)
{
    return (std::uint64_t(w) * bitsPerPixel / 8 + 3) / 4 * 4;
}

}  // namespace

std::vector<std::uint8_t> MakeBmpHeaders(int w, int h, int bitsPerPixel)
{
    const std::uint32_t paletteSize = bitsPerPixel == 8 ? 256 * 4 : 0;
    const std::uint64_t rowSize = RowBytes(w, bitsPerPixel);
    const std::uint32_t dataOffset = 14 + 40 + paletteSize;
    const std::uint64_t imageSize = std::min<std::uint64_t>(rowSize * h, 0xFFFFFFFFu - dataOffset);

    std::vector<std::uint8_t> out{'B', 'M'};
    Put(out, static_cast<std::uint32_t>(dataOffset + imageSize), 4);
    Put(out, 0, 4);
    Put(out, dataOffset, 4);

    Put(out, 40, 4);
    Put(out, w, 4);
    Put(out, h, 4);
    Put(out, 1, 2);
    Put(out, bitsPerPixel, 2);
    Put(out, 0, 4);  // uncompressed
    Put(out, static_cast<std::uint32_t>(imageSize), 4);
    Put(out, 2835, 4);
    Put(out, 2835, 4);
    Put(out, bitsPerPixel == 8 ? 256 : 0, 4);
    Put(out, 0, 4);
    for (std::uint32_t i = 0; i < paletteSize / 4; ++i)
        Put(out, i * 0x010101, 4);  // grey i: B, G and R, then 0
    return out;
}

std::vector<std::uint8_t> MakeBmp(int w, int h, int bitsPerPixel,
                                  const std::function<Uint32(int, int)>& colour)
{
    const std::size_t rowSize = RowBytes(w, bitsPerPixel);
    std::vector<std::uint8_t> out = MakeBmpHeaders(w, h, bitsPerPixel);
    for (int y = h - 1; y >= 0; --y) {
        const std::size_t rowStart = out.size();
        for (int x = 0; x < w; ++x) {
            PutPixel(out, bitsPerPixel, colour(x, y));
        }
        out.resize(rowStart + rowSize, 0);
    }
    return out;
}

void WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

}  // namespace sdltest
