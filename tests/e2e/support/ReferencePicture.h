// SPDX-License-Identifier: MIT
#pragma once

#include "tests/e2e/support/RgbImage.h"

#include <string>

// Picture files read the way the game reads them, with SDL 1.2's BMP loader, so that
// what the screen should show is known without asking the game.
namespace e2e {

// The BMP file at path as 0xRRGGBB pixels, whatever its depth. Throws
// std::runtime_error with SDL's reason if SDL cannot load it.
RgbImage LoadBmpPicture(const std::string& path);

}  // namespace e2e
