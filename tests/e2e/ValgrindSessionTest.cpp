// SPDX-License-Identifier: MIT
#include "tests/e2e/support/BoardColours.h"
#include "tests/e2e/support/BuildPaths.h"
#include "tests/e2e/support/OutputWaits.h"
#include "tests/e2e/support/RealWindowTest.h"
#include "tests/e2e/support/ReferencePicture.h"
#include "tests/e2e/support/ScreenWaits.h"
#include "tests/e2e/support/TemporaryDirectory.h"
#include "tests/e2e/support/WaitUntil.h"

#include <X11/keysym.h>
#include <unistd.h>

#include <cstdlib>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

// One whole session of the built game in a real window, run under valgrind's memcheck:
// intro, menu, a game played to its end, the item screen, back, and out. The game must
// make no memory error and lose no block of its own; the leaks and errors that live
// inside SDL and the X libraries are excused one by one in valgrind.supp.
namespace e2e {
namespace {

// Memcheck ends the game with this status when it found an error or a definite leak,
// so that a clean exit cannot hide a finding.
constexpr int kMemcheckFindingStatus = 99;

// Memcheck slows the game twenty to fifty times; these limits are only reached by a fault.
constexpr auto kSlowWindowTimeout = std::chrono::seconds(120);
constexpr auto kSlowScreenTimeout = std::chrono::seconds(60);
// The leak search at the end runs after the window has gone.
constexpr auto kSlowExitTimeout = std::chrono::seconds(180);

// The pointer rests here between moves: in the grey area right of the board, where a
// 120x40 outcome picture centred on it lies wholly inside the window, and where the
// circle cursor puts its black middle.
constexpr int kRestX = 400;
constexpr int kRestY = 136;
// The board is up when the grey area shows where no cursor at the rest point covers
// it, beside the black line that closes the board on the right.
constexpr int kGreyX = 300;
constexpr int kBoardEdgeX = 270;
constexpr int kBoardCheckY = 10;

constexpr int kCellSize = 90;

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
    std::string line;
    std::string kept;
    while (std::getline(lines, line)) {
        for (const char* wanted : kKept) {
            if (line.find(wanted) != std::string::npos) {
                kept += line + "\n";
                break;
            }
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

// True if every line of the log that holds label goes on with wanted, and one does.
bool EveryLineSays(const std::string& log, const std::string& label, const std::string& wanted)
{
    std::istringstream lines(log);
    bool seen = false;
    for (std::string line; std::getline(lines, line);) {
        const size_t at = line.find(label);
        if (at != std::string::npos) {
            seen = true;
            if (line.compare(at + label.size(), wanted.size(), wanted) != 0) {
                return false;
            }
        }
    }
    return seen;
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

class ValgrindSessionTest : public RealWindowTest {
protected:
    void SetUp() override
    {
#ifdef NOUGHTS_E2E_GAME_SANITIZED
        GTEST_SKIP() << "the game is built with AddressSanitizer, whose shadow memory valgrind "
                        "cannot run; the ordinary build runs this session";
#endif
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

    std::string LogPath() const
    {
        return m_logFolder.PathOf("memcheck.log");
    }

    // The harness's own window wait is sized for a game at full speed.
    GameWindow& AwaitSlowWindow()
    {
        if (!m_window) {
            m_window = GameWindow::Await(Connection(), Game().Pid(), kSlowWindowTimeout);
        }
        return *m_window;
    }

    WindowInput& SlowInput()
    {
        if (!m_input) {
            m_input.emplace(Connection(), AwaitSlowWindow());
        }
        return *m_input;
    }

    testing::AssertionResult WaitForBoard()
    {
        std::optional<uint32_t> area;
        std::optional<uint32_t> edge;
        const bool shown = WaitUntil(
            [&] {
                area = AwaitSlowWindow().PixelAt(kGreyX, kBoardCheckY);
                edge = AwaitSlowWindow().PixelAt(kBoardEdgeX, kBoardCheckY);
                return area == kBoardGrey && edge == kBoardBlack;
            },
            kSlowScreenTimeout);
        if (shown) {
            return testing::AssertionSuccess();
        }
        return testing::AssertionFailure()
               << "the board did not appear; last seen " << (area ? RgbText(*area) : "nothing")
               << " in the grey area, " << (edge ? RgbText(*edge) : "nothing")
               << " on its right edge";
    }

    // The outcome picture shown centred on the pointer at the rest point, if any.
    std::optional<std::string> OutcomeAtRest()
    {
        for (const auto& [name, picture] : m_outcomes) {
            const std::optional<RgbImage> area = AwaitSlowWindow().CaptureArea(
                kRestX - picture.width / 2, kRestY - picture.height / 2, picture.width,
                picture.height);
            if (area && ShowsPictureAtTopLeft(*area, picture)) {
                return name;
            }
        }
        return std::nullopt;
    }

    // Clicks the cells in turn, each once, until an outcome picture follows the pointer;
    // the name of its file. After each click the pointer goes back to the rest point,
    // which is the event that lets the screen show a computer's win. Nine clicks always
    // end a game: a cell that is not taken before its click takes the circle then.
    testing::AssertionResult PlayToTheEnd(std::string& outcome)
    {
        std::string clicked;
        for (int j = 0; j < 3; ++j) {
            for (int i = 0; i < 3; ++i) {
                const int x = kCellSize * i + kCellSize / 2;
                const int y = kCellSize * j + kCellSize / 2;
                SlowInput().ClickAt(x, y);
                const std::string line =
                    "click : " + std::to_string(x) + ", " + std::to_string(y) + ", 1";
                testing::AssertionResult heard =
                    WaitForStdoutText(Game(), line, kSlowScreenTimeout);
                if (!heard) {
                    return heard;
                }
                clicked += " (" + std::to_string(x) + "," + std::to_string(y) + ")";

                SlowInput().MoveTo(kRestX, kRestY);
                std::optional<std::string> shown;
                const bool settled = WaitUntil(
                    [&] {
                        shown = OutcomeAtRest();
                        return shown || AwaitSlowWindow().PixelAt(kRestX, kRestY) == kBoardBlack;
                    },
                    kSlowScreenTimeout);
                if (!settled) {
                    return testing::AssertionFailure()
                           << "after the clicks at" << clicked
                           << " the pointer at the rest point shows neither the circle nor an "
                              "outcome picture";
                }
                if (shown) {
                    outcome = *shown;
                    return testing::AssertionSuccess();
                }
            }
        }
        return testing::AssertionFailure()
               << "every cell was clicked and no outcome picture appeared; clicks at" << clicked;
    }

    const RgbImage m_intro = LoadBmpPicture(PicturePath("intro.bmp"));
    const RgbImage m_menu = LoadBmpPicture(PicturePath("menu.bmp"));
    const RgbImage m_item = LoadBmpPicture(PicturePath("item.bmp"));
    const std::vector<std::pair<std::string, RgbImage>> m_outcomes = {
        {"win1.bmp", LoadBmpPicture(PicturePath("win1.bmp"))},
        {"win2.bmp", LoadBmpPicture(PicturePath("win2.bmp"))},
        {"DRAW.bmp", LoadBmpPicture(PicturePath("DRAW.bmp"))}};

private:
    TemporaryDirectory m_logFolder;
    std::optional<GameWindow> m_window;
    std::optional<WindowInput> m_input;
};

TEST_F(ValgrindSessionTest, AWholeSessionMakesNoMemoryErrorAndLosesNoBlock)
{
    const std::optional<std::string> valgrind = ProgramOnPath("valgrind");
    ASSERT_TRUE(valgrind.has_value()) << "valgrind is not on the PATH (Debian package: "
                                         "valgrind, which scripts/test.sh installs)";
    Start(UnderMemcheck(*valgrind));
    GameWindow& window = AwaitSlowWindow();
    // The first frame: from here on the game takes input.
    ASSERT_TRUE(WaitForPicture(window, m_intro, kSlowScreenTimeout)) << "at start";

    SlowInput().PressKey(XK_space);
    ASSERT_TRUE(WaitForPicture(window, m_menu, kSlowScreenTimeout)) << "after Space on the intro";
    SlowInput().PressKey(XK_space);
    ASSERT_TRUE(WaitForBoard()) << "after Space on the menu";

    std::string outcome;
    ASSERT_TRUE(PlayToTheEnd(outcome));

    SlowInput().PressKey(XK_i);
    ASSERT_TRUE(WaitForPicture(window, m_item, kSlowScreenTimeout)) << "after i on the board";
    SlowInput().PressKey(XK_Escape);
    ASSERT_TRUE(WaitForBoard()) << "after Escape on the item screen";
    // The finished game is still there, its picture at the pointer's last place.
    EXPECT_TRUE(WaitUntil([&] { return OutcomeAtRest() == outcome; }, kSlowScreenTimeout))
        << outcome << " is not shown again after the item screen";

    SlowInput().PressKey(XK_Escape);
    ASSERT_TRUE(WaitForPicture(window, m_menu, kSlowScreenTimeout)) << "after Escape on the board";
    SlowInput().PressKey(XK_Escape);
    ASSERT_TRUE(WaitForPicture(window, m_intro, kSlowScreenTimeout)) << "after Escape on the menu";
    SlowInput().PressKey(XK_Escape);

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
    std::cout << "the game ended with " << outcome << "; memcheck:\n" << SummaryLines(log);
}

}  // namespace
}  // namespace e2e
