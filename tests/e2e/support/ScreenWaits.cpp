// SPDX-License-Identifier: MIT
#include "tests/e2e/support/ScreenWaits.h"

#include "tests/e2e/support/WaitUntil.h"

#include <optional>

namespace e2e {

testing::AssertionResult WaitForPixel(const GameWindow& window, int x, int y, uint32_t rgb,
                                      std::chrono::milliseconds timeout)
{
    std::optional<uint32_t> seen;
    const bool shown = WaitUntil(
        [&] {
            seen = window.PixelAt(x, y);
            return seen == rgb;
        },
        timeout);
    if (shown) {
        return testing::AssertionSuccess();
    }
    return testing::AssertionFailure()
           << "pixel (" << x << "," << y << ") did not become " << RgbText(rgb) << " within "
           << timeout.count()
           << " ms; last seen: " << (seen ? RgbText(*seen) : std::string("no window to read"));
}

testing::AssertionResult WaitForPicture(const GameWindow& window, const RgbImage& picture,
                                        std::chrono::milliseconds timeout)
{
    testing::AssertionResult last = testing::AssertionFailure() << "no window to read";
    const bool shown = WaitUntil(
        [&] {
            const std::optional<RgbImage> screen = window.Capture();
            if (!screen) {
                last = testing::AssertionFailure() << "no window to read";
                return false;
            }
            last = ShowsPictureAtTopLeft(*screen, picture);
            return static_cast<bool>(last);
        },
        timeout);
    if (shown) {
        return testing::AssertionSuccess();
    }
    return testing::AssertionFailure() << "the picture was not shown within " << timeout.count()
                                       << " ms; at the last look " << last.message();
}

}  // namespace e2e
