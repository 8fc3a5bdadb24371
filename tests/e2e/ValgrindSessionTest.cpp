// SPDX-License-Identifier: MIT
#include "tests/e2e/GamePlayer.h"
#include "tests/e2e/support/BuildPaths.h"
#include "tests/e2e/support/TemporaryDirectory.h"

#include <X11/keysym.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>

// One whole session of the built game in a real window, run under valgrind's memcheck:
// intro, menu, a game played to its end, the item screen, back, and out. The game must
// make no memory error and lose no block of its own; the leaks and errors that live
// inside SDL and the X libraries are excused one by one in valgrind.supp.
namespace e2e {
namespace {

// Memcheck ends the game with this status when it found an error or a definite leak,
// so that a clean exit cannot hide a finding.
constexpr int kMemcheckFindingStatus = 99;

// Memcheck slows the game twenty to fifty times; the limits are only reached by a fault.
// Over SDL 2 and SDL 3 the first frame takes longest: Mesa's llvmpipe, which draws for
// them where the X server has no GPU, compiles its shaders then, under memcheck.
constexpr int kSlowdown = 30;
// The leak search at the end runs after the window has gone.
constexpr auto kSlowExitTimeout = std::chrono::seconds(180);

#ifdef NOUGHTS_E2E_GAME_SANITIZED
constexpr bool kGameSanitized = true;
#else
constexpr bool kGameSanitized = false;
#endif
// The processor a cross-built game was built for, run here under qemu; none for a native build.
#ifdef NOUGHTS_E2E_GAME_EMULATED
constexpr const char* kEmulatedProcessor = NOUGHTS_E2E_GAME_EMULATED;
#else
constexpr const char* kEmulatedProcessor = nullptr;
#endif

std::optional<std::string> ProgramOnPath(const std::string& name)
{
    const char* path = std::getenv("PATH");
    std::istringstream folders(path != nullptr ? path : "/usr/bin:/bin");
    std::string folder;
    while (std::getline(folders, folder, ':')) {
        const std::string candidate = (folder.empty() ? "." : folder) + "/" + name;
        if (access(candidate.c_str(), X_OK) == 0) {
            return candidate;
        }
    }
    return std::nullopt;
}

// Memcheck's closing lines (heap, leak and error summaries), for the test's output.
std::string SummaryLines(const std::string& log)
{
    static const char* const kKept[] = {
        "in use at exit:", "total heap usage:", "definitely lost:", "indirectly lost:",
        "possibly lost:",  "suppressed:",       "All heap blocks",  "ERROR SUMMARY:"};
    std::istringstream lines(log);
    std::string kept;
    for (std::string line; std::getline(lines, line);) {
        if (std::any_of(std::begin(kKept), std::end(kKept), [&](const char* wanted) {
                return line.find(wanted) != std::string::npos;
            })) {
            kept += line + "\n";
        }
    }
    return kept;
}

// The log as the failure message shows it: whole unless it is very long.
std::string Excerpt(const std::string& log)
{
    constexpr size_t kShown = 20000;
    return log.size() <= kShown ? log : log.substr(0, kShown) + "\n[... the log goes on]";
}

// True if the log holds label, and wanted follows it wherever it does.
bool EveryLineSays(const std::string& log, const std::string& label, const std::string& wanted)
{
    const size_t first = log.find(label);
    for (size_t at = first; at != std::string::npos; at = log.find(label, at + 1)) {
        if (log.compare(at + label.size(), wanted.size(), wanted) != 0) {
            return false;
        }
    }
    return first != std::string::npos;
}

// Success if memcheck's log says that it looked at the whole run, saw no error and found
// no definitely lost block that no suppression excuses. A process that SDL's libraries
// fork has summaries of its own in the log: every one must be clean.
testing::AssertionResult MemcheckFoundNothing(const std::string& log)
{
    if (log.find("Memcheck") == std::string::npos) {
        return testing::AssertionFailure() << "this is no memcheck log:\n" << Excerpt(log);
    }
    if (!EveryLineSays(log, "ERROR SUMMARY: ", "0 errors")) {
        return testing::AssertionFailure() << "memcheck reported errors:\n" << Excerpt(log);
    }
    const bool noLeaks = log.find("All heap blocks were freed") != std::string::npos;
    const bool leakSearchDone = log.find("LEAK SUMMARY:") != std::string::npos;
    if (!noLeaks && !leakSearchDone) {
        return testing::AssertionFailure() << "memcheck did not search for leaks:\n"
                                           << Excerpt(log);
    }
    if (leakSearchDone && !EveryLineSays(log, "definitely lost: ", "0 bytes")) {
        return testing::AssertionFailure() << "memcheck found definitely lost blocks:\n"
                                           << Excerpt(log);
    }
    return testing::AssertionSuccess();
}

class ValgrindSessionTest : public PlayScreenTest {
protected:
    void SetUp() override
    {
        if (kGameSanitized) {
            GTEST_SKIP() << "the game is built with AddressSanitizer, whose shadow memory "
                            "valgrind cannot run; the ordinary build runs this session";
        }
        if (kEmulatedProcessor != nullptr) {
            GTEST_SKIP() << "the game is built for " << kEmulatedProcessor
                         << " and runs under qemu: valgrind runs only programs of this "
                            "machine's own processor, and around qemu it would check qemu; the "
                            "native build runs this session";
        }
        if (BuiltGame().IsWindowsProgram()) {
            GTEST_SKIP() << "memcheck checks Linux programs; under Wine it would check Wine "
                            "itself rather than the Windows program";
        }
        if (BuiltGame().IsWebPage()) {
            GTEST_SKIP() << "memcheck checks native programs; the web game is WebAssembly "
                            "in the browser, whose own memory checks are its bounds";
        }
    }

    // The built game as valgrind's guest, with memcheck's verdict in the exit status and
    // its report in a log file of this test.
    GameLaunch UnderMemcheck(const std::string& valgrind) const
    {
        GameLaunch launch = BuiltGame();
        launch.program = valgrind;
        launch.arguments = {
            "--tool=memcheck", "--leak-check=full", "--errors-for-leak-kinds=definite",
            "--error-exitcode=" + std::to_string(kMemcheckFindingStatus),
            "--suppressions=" + std::string(NOUGHTS_E2E_VALGRIND_SUPPRESSIONS), "--num-callers=30",
            // sdl12-compat unloads SDL 2 and its back ends at SDL_Quit, before
            // the leak search: keep their names for the suppressions to match.
            "--keep-debuginfo=yes", "--log-file=" + LogPath(), BuiltGamePath()};
        return launch;
    }

    std::string LogPath() const { return m_logFolder.PathOf("memcheck.log"); }

private:
    TemporaryDirectory m_logFolder;
};

TEST_F(ValgrindSessionTest, AWholeSessionMakesNoMemoryErrorAndLosesNoBlock)
{
    const std::optional<std::string> valgrind = ProgramOnPath("valgrind");
    ASSERT_TRUE(valgrind.has_value()) << "valgrind is not on the PATH (Debian package: "
                                         "valgrind, which scripts/test.sh installs)";
    ExpectSlowGame(kSlowdown);
    Expect(ExpectedPictures::AllFrom(PicturesDir()));
    Start(WithClockFor(Outcome::HumanWins, UnderMemcheck(*valgrind)));
    ASSERT_TRUE(OpenTheBoard());
    ASSERT_TRUE(PlayGame(Outcome::HumanWins));
    EXPECT_TRUE(PrintedEveryClickInOrder());

    AwaitWindow().PressKey(XK_i);
    ASSERT_TRUE(AwaitScreenNamed("item.bmp")) << "after i on the board";
    AwaitWindow().PressKey(XK_Escape);
    ASSERT_TRUE(AwaitTheBoardScreen()) << "after Escape on the item screen";
    // The finished game is still there, its picture at the mouse's last place.
    EXPECT_TRUE(AwaitCurrentBoard())
        << "the finished game is not shown again after the item screen";

    AwaitWindow().PressKey(XK_Escape);
    ASSERT_TRUE(AwaitScreenNamed("menu.bmp")) << "after Escape on the board";
    AwaitWindow().PressKey(XK_Escape);
    ASSERT_TRUE(AwaitScreenNamed("intro.bmp")) << "after Escape on the menu";
    AwaitWindow().PressKey(XK_Escape);

    const std::optional<ExitStatus> status = Game().WaitForExit(kSlowExitTimeout);
    const std::string log = ReadWholeFile(LogPath());
    ASSERT_TRUE(status) << "the game still runs " << kSlowExitTimeout.count()
                        << " s after Escape on the intro; memcheck's log so far:\n"
                        << Excerpt(log);
    EXPECT_EQ(*status, ExitStatus::Exited(0))
        << (*status == ExitStatus::Exited(kMemcheckFindingStatus) ? "memcheck found a fault"
                                                                  : "the game failed")
        << "; standard error:\n"
        << Game().Stderr();
    EXPECT_TRUE(MemcheckFoundNothing(log));
    std::cout << "the game ended with " << OutcomeName(CurrentBoard().Result()) << "; memcheck:\n"
              << SummaryLines(log);
}

}  // namespace
}  // namespace e2e
