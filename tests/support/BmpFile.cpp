// SPDX-License-Identifier: MIT
#include "tests/support/BmpFile.h"

#include <algorithm>
#include <fstream>

namespace sdltest {

namespace {

void Put16(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    out.push_back(value & 0xFF);
    out.push_back((value >> 8) & 0xFF);
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

void PutPixel(std::vector<std::uint8_t>& out, int bitsPerPixel, Uint32 rgb)
{
    const std::uint32_t r = (rgb >> 16) & 0xFF, g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
    switch (bitsPerPixel) {
    case 8:
        out.push_back(static_cast<std::uint8_t>((r + g + b) / 3));
        break;
    case 16:
        Put16(out, ((r >> 3) << 10) | ((g >> 3) << 5) | (b >> 3));
        break;
    case 24:
        out.insert(out.end(), {std::uint8_t(b), std::uint8_t(g), std::uint8_t(r)});
        break;
    default:
        out.insert(out.end(), {std::uint8_t(b), std::uint8_t(g), std::uint8_t(r), 0});
        break;
    }
}

}  // namespace

std::vector<std::uint8_t> MakeBmpHeaders(int w, int h, int bitsPerPixel)
{
    const int paletteSize = bitsPerPixel == 8 ? 256 * 4 : 0;
    const std::uint64_t rowSize = (std::uint64_t(w) * bitsPerPixel / 8 + 3) / 4 * 4;
    const std::uint32_t dataOffset = 14 + 40 + paletteSize;
    const std::uint64_t imageSize = std::min<std::uint64_t>(rowSize * h, 0xFFFFFFFFu - dataOffset);

    std::vector<std::uint8_t> out{'B', 'M'};
    Put32(out, static_cast<std::uint32_t>(dataOffset + imageSize));
    Put32(out, 0);
    Put32(out, dataOffset);

    Put32(out, 40);
    Put32(out, w);
    Put32(out, h);
    Put16(out, 1);
    Put16(out, bitsPerPixel);
    Put32(out, 0);  // uncompressed
    Put32(out, static_cast<std::uint32_t>(imageSize));
    Put32(out, 2835);
    Put32(out, 2835);
    Put32(out, bitsPerPixel == 8 ? 256 : 0);
    Put32(out, 0);
    for (int i = 0; i < paletteSize / 4; ++i) {
        out.insert(out.end(), {std::uint8_t(i), std::uint8_t(i), std::uint8_t(i), 0});
    }
    return out;
}

std::vector<std::uint8_t> MakeBmp(int w, int h, int bitsPerPixel,
                                  const std::function<Uint32(int, int)>& colour)
{
    const std::size_t rowSize = (w * bitsPerPixel / 8 + 3) / 4 * 4;
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
