// SPDX-License-Identifier: MIT
#include "tests/e2e/support/RgbImage.h"

#include "tests/support/Surfaces.h"

#include <SDL.h>

#include <cstdio>
#include <stdexcept>

namespace e2e {

RgbImage LoadBmpPicture(const std::string& path)
{
    SDL_Surface* surface = SDL_LoadBMP(path.c_str());
    if (surface == nullptr) {
        throw std::runtime_error("cannot load the picture " + path + ": " + SDL_GetError());
    }
    RgbImage picture(surface->w, surface->h);
    SDL_LockSurface(surface);
    for (int y = 0; y < surface->h; ++y) {
        for (int x = 0; x < surface->w; ++x) {
            picture.At(x, y) = sdltest::RgbAt(surface, x, y);
        }
    }
    SDL_UnlockSurface(surface);
    SDL_FreeSurface(surface);
    return picture;
}

std::string RgbText(uint32_t rgb)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%06x", static_cast<unsigned>(rgb & 0xFFFFFF));
    return text;
}

testing::AssertionResult ShowsPictureAt(const RgbImage& screen, const RgbImage& picture, int left,
                                        int top)
{
    if (left < 0 || top < 0 || left + picture.width > screen.width ||
        top + picture.height > screen.height) {
        return testing::AssertionFailure()
               << "the picture (" << picture.width << "x" << picture.height << " at " << left << ","
               << top << ") reaches outside the screen (" << screen.width << "x" << screen.height
               << ")";
    }
    constexpr int kListed = 5;
    long differing = 0;
    std::string examples;
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            const uint32_t seen = screen.At(left + x, top + y);
            if (seen == picture.At(x, y)) {
                continue;
            }
            if (differing < kListed) {
                examples += " (" + std::to_string(left + x) + "," + std::to_string(top + y) +
                            ") is " + RgbText(seen) + ", wanted " + RgbText(picture.At(x, y)) + ";";
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
