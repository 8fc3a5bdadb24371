// SPDX-License-Identifier: MIT
#include "tests/e2e/support/ScreenWaits.h"

#include "tests/e2e/support/WaitUntil.h"

#include <optional>

namespace e2e {

testing::AssertionResult WaitForPixel(const GameWindow& window, int x, int y, uint32_t rgb,
                                      std::chrono::milliseconds timeout)
{
    return Eventually(
        [&] {
            const std::optional<uint32_t> seen = window.PixelAt(x, y);
            return seen == rgb ? testing::AssertionSuccess()
                               : testing::AssertionFailure()
                                     << "pixel (" << x << "," << y << ") is "
                                     << (seen ? RgbText(*seen) : "no window to read") << ", wanted "
                                     << RgbText(rgb);
        },
        timeout);
}

testing::AssertionResult WaitForPicture(const GameWindow& window, const RgbImage& picture,
                                        std::chrono::milliseconds timeout)
{
    return Eventually(
        [&] {
            const std::optional<RgbImage> screen = window.Capture();
            return screen ? ShowsPictureAt(*screen, picture)
                          : testing::AssertionFailure() << "no window to read";
        },
        timeout);
}

}  // namespace e2e
