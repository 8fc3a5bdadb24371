// SPDX-License-Identifier: MIT
#include "tests/e2e/PictureDamage.h"

#include "tests/e2e/support/BuildPaths.h"
#include "tests/e2e/support/TemporaryDirectory.h"
#include "tests/support/BmpFile.h"

#include <cstdint>
#include <filesystem>
#include <random>
#include <stdexcept>
#include <vector>

namespace e2e {
namespace {

constexpr int kHugeSide = 100000;

std::vector<std::uint8_t> GoodBytes(const std::string& file)
{
    const std::string content = ReadWholeFile(PicturePath(file));
    if (content.empty()) {
        throw std::runtime_error("cannot read the build's picture " + PicturePath(file));
    }
    return std::vector<std::uint8_t>(content.begin(), content.end());
}

std::vector<std::uint8_t> GarbageLike(const std::vector<std::uint8_t>& good)
{
    // A fixed generator: the same bytes on every run.
    std::minstd_rand bytes(20240607u);
    std::vector<std::uint8_t> garbage(good.size());
    for (std::uint8_t& byte : garbage) {
        byte = static_cast<std::uint8_t>(bytes() & 0xFF);
    }
    garbage[0] = 0;  // never the "BM" that opens a BMP
    return garbage;
}

}  // namespace

const char* DamageName(Damage damage)
{
    static const char* const kNames[] = {"missing",   "empty",       "truncated", "garbage",
                                         "directory", "huge_header", "redrawn"};
    return kNames[static_cast<int>(damage)];
}

unsigned RedrawnCellColour(int x, int y)
{
    return ((x / 10 + y / 10) % 2 == 0) ? 0x080808u : 0x181818u;
}

void PlacePictures(TemporaryDirectory& folder, const std::string& file, Damage damage, int width,
                   int height, int bitsPerPixel)
{
    folder.CopyPicturesFrom(PicturesDir(), {file});
    const std::string path = folder.PathOf(file);
    switch (damage) {
    case Damage::Missing:
        break;
    case Damage::Empty:
        sdltest::WriteFile(path, {});
        break;
    case Damage::Truncated: {
        std::vector<std::uint8_t> bytes = GoodBytes(file);
        bytes.resize(bytes.size() / 2);
        sdltest::WriteFile(path, bytes);
        break;
    }
    case Damage::Garbage:
        sdltest::WriteFile(path, GarbageLike(GoodBytes(file)));
        break;
    case Damage::Directory:
        std::filesystem::create_directory(path);
        break;
    case Damage::HugeHeader:
        sdltest::WriteFile(path, sdltest::MakeBmpHeaders(kHugeSide, kHugeSide, 24));
        break;
    case Damage::Redrawn:
        sdltest::WriteFile(path, sdltest::MakeBmp(width, height, bitsPerPixel, RedrawnCellColour));
        break;
    }
}

}  // namespace e2e
