// SPDX-License-Identifier: MIT
#include "tests/e2e/support/ScreenWaits.h"

#include "tests/e2e/support/WaitUntil.h"

#include <optional>

namespace e2e {

testing::AssertionResult WaitForScreen(
    const GameWindow& window, const std::function<testing::AssertionResult(const RgbImage&)>& check,
    std::chrono::milliseconds timeout)
{
    return Eventually(
        [&] {
            const std::optional<RgbImage> screen = window.Capture();
            return screen ? check(*screen) : testing::AssertionFailure() << "no window to read";
        },
        timeout);
}

}  // namespace e2e
