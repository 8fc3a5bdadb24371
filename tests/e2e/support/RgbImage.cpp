// SPDX-License-Identifier: MIT
#include "tests/e2e/support/RgbImage.h"

#include <cstdio>

namespace e2e {

std::string RgbText(uint32_t rgb)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%06x", static_cast<unsigned>(rgb & 0xFFFFFF));
    return text;
}

testing::AssertionResult ShowsPictureAtTopLeft(const RgbImage& screen, const RgbImage& picture)
{
    if (picture.width > screen.width || picture.height > screen.height) {
        return testing::AssertionFailure()
               << "the picture (" << picture.width << "x" << picture.height
               << ") is larger than the screen (" << screen.width << "x" << screen.height << ")";
    }
    constexpr int kListed = 5;
    long differing = 0;
    std::string examples;
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            if (screen.At(x, y) == picture.At(x, y)) {
                continue;
            }
            if (differing < kListed) {
                examples += " (" + std::to_string(x) + "," + std::to_string(y) + ") is " +
                            RgbText(screen.At(x, y)) + ", wanted " + RgbText(picture.At(x, y)) +
                            ";";
            }
            ++differing;
        }
    }
    if (differing == 0) {
        return testing::AssertionSuccess();
    }
    return testing::AssertionFailure() << differing << " of " << picture.width * picture.height
                                       << " pixels differ:" << examples;
}

}  // namespace e2e
