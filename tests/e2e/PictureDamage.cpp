// SPDX-License-Identifier: MIT
#include "tests/e2e/PictureDamage.h"

#include "tests/e2e/support/BuildPaths.h"
#include "tests/e2e/support/TemporaryDirectory.h"
#include "tests/support/BmpFile.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <random>
#include <stdexcept>
#include <vector>

namespace e2e {
namespace {

// Squares of two dark greys that every depth, 8-bit grey palette and 16-bit 5-5-5
// included, holds exactly, so the screen shows them unchanged.
unsigned RedrawnCellColour(int x, int y)
{
    return ((x / 10 + y / 10) % 2 == 0) ? 0x080808u : 0x181818u;
}

}  // namespace

const char* DamageName(Damage damage)
{
    static const char* const kNames[] = {"missing",   "empty",       "truncated", "garbage",
                                         "directory", "huge_header", "redrawn"};
    return kNames[static_cast<int>(damage)];
}

void PlacePictures(TemporaryDirectory& folder, const std::string& file, Damage damage, int width,
                   int height, int bitsPerPixel)
{
    folder.CopyPicturesFrom(PicturesDir(), {file});
    const std::string path = folder.PathOf(file);
    const std::string good = ReadWholeFile(PicturePath(file));
    if (good.empty()) {
        throw std::runtime_error("cannot read the build's picture " + PicturePath(file));
    }
    std::vector<std::uint8_t> bytes(good.begin(), good.end());
    switch (damage) {
    case Damage::Missing:
        return;
    case Damage::Empty:
        bytes.clear();
        break;
    case Damage::Truncated:
        bytes.resize(bytes.size() / 2);
        break;
    case Damage::Garbage: {
        // A fixed generator: the same bytes on every run.
        std::minstd_rand random(20240607u);
        std::generate(bytes.begin(), bytes.end(), [&] { return random() & 0xFF; });
        bytes[0] = 0;  // never the "BM" that opens a BMP
        break;
    }
    case Damage::Directory:
        std::filesystem::create_directory(path);
        return;
    case Damage::HugeHeader:
        bytes = sdltest::MakeBmpHeaders(100000, 100000, 24);
        break;
    case Damage::Redrawn:
        bytes = sdltest::MakeBmp(width, height, bitsPerPixel, RedrawnCellColour);
        break;
    }
    sdltest::WriteFile(path, bytes);
}

}  // namespace e2e
