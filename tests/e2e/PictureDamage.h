// SPDX-License-Identifier: MIT
#pragma once

#include "tests/e2e/support/TemporaryDirectory.h"

#include <string>

// Working folders for the game in which one of its pictures is broken or drawn anew,
// the others being the build's own. Free functions; they write only into the folder given.
namespace e2e {

// In this order: DamageName follows it.
enum class Damage {
    Missing,     // no such file
    Empty,       // a file of no bytes
    Truncated,   // the first half of the good file: headers whole, rows cut off
    Garbage,     // as many bytes as the good file, none of them a BMP's
    Directory,   // a directory of that name
    HugeHeader,  // only the headers, declaring 100000 x 100000 pixels
    Redrawn,     // a sound BMP of another size or depth (see RedrawnCell)
};

const char* DamageName(Damage damage);

// Fills folder with the build's pictures, file replaced by its damaged form. For
// Damage::Redrawn, file is written anew at width x height and bitsPerPixel.
void PlacePictures(TemporaryDirectory& folder, const std::string& file, Damage damage,
                   int width = 0, int height = 0, int bitsPerPixel = 0);

}  // namespace e2e
