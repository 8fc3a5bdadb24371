// SPDX-License-Identifier: MIT
#include "tests/e2e/support/OutputWaits.h"

#include "tests/e2e/support/WaitUntil.h"

namespace e2e {
namespace {

template <typename Read>
testing::AssertionResult WaitForText(Read read, const char* streamName, const std::string& text,
                                     std::chrono::milliseconds timeout)
{
    return Eventually(
        [&] {
            const std::string written = read();
            return written.find(text) != std::string::npos ? testing::AssertionSuccess()
                                                           : testing::AssertionFailure()
                                                                 << "\"" << text << "\" is not on "
                                                                 << streamName << ", which holds:\n"
                                                                 << written;
        },
        timeout);
}

}  // namespace

testing::AssertionResult WaitForStdoutText(const GameProcess& game, const std::string& text,
                                           std::chrono::milliseconds timeout)
{
    return WaitForText([&] { return game.Stdout(); }, "standard output", text, timeout);
}

testing::AssertionResult WaitForStderrText(const GameProcess& game, const std::string& text,
                                           std::chrono::milliseconds timeout)
{
    return WaitForText([&] { return game.Stderr(); }, "standard error", text, timeout);
}

}  // namespace e2e
