// SPDX-License-Identifier: MIT
#include "tests/e2e/support/BuildPaths.h"
#include "tests/e2e/support/RealWindowTest.h"
#include "tests/e2e/support/WaitUntil.h"
#include "tests/e2e/web/WebWindow.h"

#include <X11/keysym.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>

// What only the web page has around the game: the buttons that stand in for the keys a
// phone lacks, the canvas scaled to the window by whole device pixels, the notice at the
// game's end with its restart, and the browser's input made into a desktop's, at the
// desktop's pace. Run with the mouse and with taps, at each screen of the driver's cases
// (tests/e2e/web/WebDriver.cmake).
namespace e2e {
namespace {

class WebPageTest : public RealWindowTest {
protected:
    WebWindow& Page() { return dynamic_cast<WebWindow&>(AwaitWindow()); }

    // Waits until the page expression's JSON value is expected, by default as long as for a
    // picture.
    testing::AssertionResult AwaitValue(const std::string& expression, const std::string& expected,
                                        std::chrono::milliseconds timeout = {})
    {
        return Eventually(
            [&] {
                std::string value;
                try {
                    value = Page().Evaluate(expression);
                } catch (const std::runtime_error& error) {
                    // While the page loads again, window.noughts is not there yet.
                    return testing::AssertionFailure() << error.what();
                }
                return value == expected ? testing::AssertionSuccess()
                                         : testing::AssertionFailure()
                                               << expression << " is " << value << ", wanted "
                                               << expected;
            },
            timeout.count() > 0 ? timeout : ScreenTimeout());
    }

    static std::string Shown(const std::string& id)
    {
        return "(e => !!e && e.getClientRects().length > 0 && getComputedStyle(e).visibility "
               "!== 'hidden')(document.getElementById('" +
               id + "'))";
    }

    // How many click lines are printed, and the last, two animation frames from now.
    std::string ClickLinesTwoFramesOn()
    {
        return Page().Evaluate(
            "new Promise(done => requestAnimationFrame(() => "
            "requestAnimationFrame(() => done((lines => lines.length + ' ' + "
            "lines.pop())(window.noughts.stdout.match(/click.*/g) || [])))))");
    }

    // Waits for the board drawn at a radius: its grey area ends at 9 radii.
    testing::AssertionResult AwaitBoardRadius(int radius)
    {
        return AwaitScreen([radius](const RgbImage& screen) {
            int x = screen.width;
            while (x > 0 && screen.At(x - 1, 1) != 0x808080) {
                --x;
            }
            return x == 9 * radius ? testing::AssertionSuccess()
                                   : testing::AssertionFailure() << "the grey ends at " << x;
        });
    }

    testing::AssertionResult OpenBoard()
    {
        testing::AssertionResult shown = AwaitPicture(m_intro);
        return shown ? (Page().Request("key Space;key Space"), AwaitBoardRadius(45)) : shown;
    }

    // The run that taps on a phone, which has no mouse.
    bool TouchRun() { return Page().Evaluate("navigator.maxTouchPoints > 1") == "true"; }

    const RgbImage m_intro = LoadBmpPicture(PicturePath("intro.bmp"));
    const RgbImage m_menu = LoadBmpPicture(PicturePath("menu.bmp"));
};

TEST_F(WebPageTest, TheKeyButtonsDoWhatTheirKeysDo)
{
    Start(BuiltGame());
    ASSERT_TRUE(AwaitPicture(m_intro));

    Page().PressElement("key-space");
    ASSERT_TRUE(AwaitPicture(m_menu)) << "after the Space button on the intro";
    Page().PressElement("key-space");
    Page().PressElement("key-i");
    ASSERT_TRUE(AwaitPicture(LoadBmpPicture(PicturePath("item.bmp"))))
        << "after the Space button on the menu, then the i button on the board";
    Page().PressElement("key-escape");  // back to the board
    Page().PressElement("key-escape");  // the menu
    ASSERT_TRUE(AwaitPicture(m_menu)) << "after the Escape button twice from the controls page";
    Page().PressElement("key-escape");  // the intro
    Page().PressElement("key-escape");  // and out

    EXPECT_TRUE(GameEndsWith(ExitStatus::Exited(0)));
}

TEST_F(WebPageTest, TheCanvasFitsTheWindowByWholeDevicePixelsAndSpaceDoesNotScroll)
{
    Start(BuiltGame());
    ASSERT_TRUE(AwaitPicture(m_intro));

    // Each game pixel covers the same whole number of device pixels, at least one, drawn
    // without smoothing, and the canvas lies inside the window: 1 in the plain case's
    // 800x600, 2 on the upright phone's 1080 device pixels, 4 on its 1170 held sideways, 3
    // on the large screen.
    const std::string canvas = "document.getElementById('canvas')";
    const std::string box = canvas + ".getBoundingClientRect()";
    // Layout rounds CSS sizes to its own units (1/64 pixel), so whole device pixels are
    // met to within half a device pixel.
    const std::string multiple = "Math.round(" + box + ".width * devicePixelRatio / 480)";
    EXPECT_EQ(Page().Evaluate(multiple + " >= 1 && Math.abs(" + box +
                              ".width * devicePixelRatio - 480 * " + multiple + ") < 0.5 && " +
                              "Math.abs(" + box + ".height * devicePixelRatio - 272 * " + multiple +
                              ") < 0.5"),
              "true")
        << "the canvas's box " << Page().Evaluate("JSON.stringify(" + box + ")")
        << " at device pixel ratio " << Page().Evaluate("devicePixelRatio");
    // As large as fits: the next whole multiple would not fit the window.
    EXPECT_EQ(Page().Evaluate("(" + multiple + " + 1) * 480 > innerWidth * devicePixelRatio || (" +
                              multiple + " + 1) * 272 > innerHeight * devicePixelRatio"),
              "true")
        << "the canvas shows " << Page().Evaluate(multiple) << " device pixels a game pixel in a "
        << Page().Evaluate("[innerWidth, innerHeight, devicePixelRatio].join(' ')") << " window";
    // The picture and the three keys, below it or beside it on the phone held sideways,
    // all lie inside the window: nothing of the game is scrolled to.
    const std::string boxes = "[" + canvas +
                              ", ...document.querySelectorAll('#keys button')].map(e => "
                              "e.getBoundingClientRect())";
    EXPECT_EQ(Page().Evaluate(boxes + ".every(r => r.left >= 0 && r.top >= 0 && r.right <= "
                                      "innerWidth && r.bottom <= innerHeight)"),
              "true")
        << Page().Evaluate("JSON.stringify(" + boxes + ")") << " in a window "
        << Page().Evaluate("[innerWidth, innerHeight].join('x')");
    EXPECT_EQ(Page().Evaluate("['pixelated', 'crisp-edges'].includes(getComputedStyle(" + canvas +
                              ").imageRendering)"),
              "true");

    AwaitWindow().PressKey(XK_space);
    ASSERT_TRUE(AwaitPicture(m_menu));
    EXPECT_EQ(Page().Evaluate("scrollY"), "0") << "Space scrolled the page";
}

TEST_F(WebPageTest, TheEndIsNoticedWithItsStatusAndRestartStartsTheGameAgain)
{
    GameLaunch launch = BuiltGame();
    launch.environment.Set("NOUGHTS_E2E_WEB_AFTER_EXIT", "stay");
    Start(launch);
    ASSERT_TRUE(AwaitPicture(m_intro));
    EXPECT_EQ(Page().Evaluate(Shown("game-over")), "false") << "while the game runs";

    AwaitWindow().PressKey(XK_Escape);
    ASSERT_TRUE(AwaitValue("window.noughts.exitStatus", "0"));
    ASSERT_TRUE(AwaitValue(Shown("game-over"), "true"));
    EXPECT_EQ(Page().Evaluate("/\\b0\\b/.test(document.getElementById('game-over').textContent)"),
              "true")
        << "the notice does not give the status 0: "
        << Page().Evaluate("document.getElementById('game-over').textContent");

    Page().PressElement("restart");
    ASSERT_TRUE(AwaitValue("window.noughts.exitStatus", "null")) << "after the restart button";
    ASSERT_TRUE(AwaitPicture(m_intro)) << "after the restart button";
    EXPECT_EQ(Page().Evaluate(Shown("game-over")), "false") << "once the game runs again";
    // A game of its own from the start: the argument echo again, and the same way out.
    ASSERT_TRUE(AwaitValue("window.noughts.stdout.endsWith('1\\nnoughts\\n')", "true"));
    AwaitWindow().PressKey(XK_space);
    ASSERT_TRUE(AwaitPicture(m_menu)) << "after Space in the restarted game";
    AwaitWindow().PressKey(XK_Escape);
    AwaitWindow().PressKey(XK_Escape);
    EXPECT_TRUE(AwaitValue("window.noughts.exitStatus", "0"));
}

// The mouse as X11 gives it, each button on its own: back and forward (8, 9) keep the page;
// chords lose no click (right held over a left click; left, middle, left let go first); the
// wheel gives 4 or 5 a notch's worth of scroll, small steps added up, horizontal ones 6 and
// 7; and a long scroll is drained as fast as it comes, holding up no click after it.
TEST_F(WebPageTest, EveryMouseButtonAndWheelNotchCountsAloneAndHoldsUpNoClick)
{
    Start(BuiltGame());
    if (TouchRun()) {
        GTEST_SKIP() << "a phone has no mouse";
    }
    for (const char* feature : {"mouseButtons", "wheelSteps"}) {
        if (const std::optional<std::string> why = Page().WhyUnsupported(feature)) {
            GTEST_SKIP() << *why;
        }
    }
    ASSERT_TRUE(OpenBoard());
    const std::string page = Page().Evaluate("location.href");
    Page().Request(
        "move 100 40;button down 3;button up 3;button down 4;button up 4;"
        "button down 2;button down 0;button up 0;button up 2;"
        "button down 0;button down 1;button up 0;button up 1;click");
    EXPECT_EQ(ClickLinesTwoFramesOn(), "\"3 click : 100, 40, 1\"");
    EXPECT_EQ(Page().Evaluate("location.href"), page);
    Page().Request("wheel 0 -25 4 0");  // two notches up in four steps
    ASSERT_TRUE(AwaitBoardRadius(43));
    Page().Request("wheel -200 0 1 0;wheel 0 50 1 0");  // four notches left, one down
    ASSERT_TRUE(AwaitBoardRadius(44));
    Page().Request("wheel 0 -50 180 16;click");  // three seconds of a notch a frame
    EXPECT_EQ(ClickLinesTwoFramesOn(), "\"4 click : 100, 40, 1\"") << "two frames on";
    Page().Request("move 190 40;click");
    EXPECT_EQ(ClickLinesTwoFramesOn(), "\"5 click : 190, 40, 1\"");
}

// Keys as a desktop window has them: none before the game runs, none left held when the page
// goes behind another (drawn again when back), and the page's own once the game has ended.
TEST_F(WebPageTest, KeysReachTheGameOnlyWhileItRunsAndNoneStaysHeldWhenThePageGoes)
{
    if (std::getenv("NOUGHTS_E2E_WEB_OFFLINE") != nullptr) {
        GTEST_SKIP() << "offline the program comes from the cache at once: no slow load";
    }
    GameLaunch launch = BuiltGame();
    launch.environment.Set("NOUGHTS_E2E_WEB_SLOW_LOAD", "1500");
    launch.environment.Set("NOUGHTS_E2E_WEB_AFTER_EXIT", "stay");
    Start(launch);
    if (const std::optional<std::string> why = Page().WhyUnsupported("hidePage")) {
        GTEST_SKIP() << *why;
    }
    Page().Request("key Space;key Space");  // while the program loads
    ASSERT_TRUE(AwaitPicture(m_intro));
    Page().Request("keydown Space;hide");  // and let go behind another window
    Page().Evaluate("document.getElementById('canvas').getContext('2d').clearRect(0, 0, 480, 272)");
    Page().Request("show");
    ASSERT_TRUE(AwaitPicture(m_menu)) << "after Spaces while loading, one held, a hidden page";
    Page().Request("key Space");
    ASSERT_TRUE(AwaitBoardRadius(45)) << "Space after the page came back";
    Page().Request("key Escape;key Escape;key Escape");
    ASSERT_TRUE(AwaitValue("window.noughts.exitStatus", "0"));
    EXPECT_EQ(Page().Evaluate("getComputedStyle(document.getElementById('canvas')).cursor"),
              "\"auto\"");
    if (const std::optional<std::string> why = Page().WhyUnsupported("focusNavigation")) {
        GTEST_SKIP() << *why;
    }
    Page().Request("key Tab;key Enter");
    EXPECT_TRUE(AwaitValue("window.noughts.exitStatus", "null")) << "Tab and Enter: no restart";
}

// Taps as under X11's pointer emulation: one lands under the finger wherever SDL's pointer
// was warped (a new board puts it in the middle), and a second finger is not the pointer.
TEST_F(WebPageTest, ATapLandsUnderTheFingerAndASecondFingerIsNotThePointer)
{
    Start(BuiltGame());
    if (!TouchRun()) {
        GTEST_SKIP() << "a run without touch";
    }
    if (const std::optional<std::string> why = Page().WhyUnsupported("subpixelPointer")) {
        GTEST_SKIP() << *why;
    }
    ASSERT_TRUE(OpenBoard());
    Page().Request("move 60 200;click;key Escape");
    ASSERT_TRUE(AwaitPicture(m_menu));
    Page().Request("key Space");
    ASSERT_TRUE(AwaitBoardRadius(45));
    Page().Request("click");
    EXPECT_EQ(ClickLinesTwoFramesOn(), "\"2 click : 60, 200, 1\"");
    Page().Request("fingers 100 40 190 130");
    EXPECT_EQ(ClickLinesTwoFramesOn(), "\"3 click : 100, 40, 1\"");
}

// An idle page answers at once even after a long wait, and a gamepad (a stand-in: none can be
// plugged in here), read at each animation frame while connected, keeps its place in the input.
TEST_F(WebPageTest, AnIdlePageAnswersAtOnceAndAGamepadKeepsItsPlaceInTheInput)
{
    Start(BuiltGame());
    ASSERT_TRUE(OpenBoard());
    std::this_thread::sleep_for(std::chrono::seconds(6));
    Page().Request("move 100 40;click");
    EXPECT_EQ(ClickLinesTwoFramesOn(), "\"1 click : 100, 40, 1\"") << "after 6 s idle";
    Page().Evaluate(
        "(window.pad = { connected: true, buttons: Array.from({ length: 17 }, () => "
        "({ pressed: false })) }, navigator.getGamepads = () => [window.pad], "
        "dispatchEvent(new Event('gamepadconnected')), pad.buttons[8].pressed = true)");
    ASSERT_TRUE(AwaitPicture(m_menu)) << "after the pad's back button";
    Page().Evaluate("(pad.buttons[8].pressed = false, pad.buttons[9].pressed = true)");
    ClickLinesTwoFramesOn();  // the pad read twice
    Page().Request("key i");
    EXPECT_TRUE(AwaitPicture(LoadBmpPicture(PicturePath("item.bmp")))) << "its start, then i";
}

// A new build put on the server replaces what the page's service worker keeps at the next
// visit, every file and nothing of the old build's, and the page opens from it once the
// server is gone. (The offline driver case plays whole games from a first visit's cache.)
TEST_F(WebPageTest, ANewBuildReplacesEveryKeptFileAtTheNextVisit)
{
    Start(BuiltGame());
    ASSERT_TRUE(AwaitPicture(m_intro));
    if (const auto why = Page().WhyUnsupported("serviceWorker")) {
        GTEST_SKIP() << *why;
    }
    // The next build: this folder with a rule added to the style sheet, and its worker made
    // by the build's own step.
    TemporaryDirectory next;
    std::filesystem::copy(PicturesDir(), next.Path(), std::filesystem::copy_options::recursive);
    std::ofstream(next.PathOf("noughts-page.css"), std::ios::app) << "body { --build: next; }\n";
    const std::string makeWorker = NOUGHTS_CMAKE_COMMAND " -DTEMPLATE=" NOUGHTS_WEB_PAGE_SOURCE
                                                         "/noughts-worker.js.in -DSITE_DIR=" +
                                   next.Path() + " -P " NOUGHTS_WEB_PAGE_SOURCE "/MakeWorker.cmake";
    ASSERT_EQ(std::system(makeWorker.c_str()), 0) << makeWorker;
    const auto files = std::distance(std::filesystem::directory_iterator(next.Path()), {}) - 1;
    // Each cache of the active worker: how many files, and whether its style is the next's.
    // Looked at no more often than four times a second: a page that reads the caches without
    // a pause keeps Chromium from updating its worker.
    const std::string kept = R"((async () => {
        await new Promise((resolve) => setTimeout(resolve, 250));
        const r = await navigator.serviceWorker.getRegistration();
        if (!r || !r.active || r.active.state !== 'activated') return null;
        return Promise.all((await caches.keys()).map(async (name) => {
          const c = await caches.open(name), css = await c.match('noughts-page.css');
          return [(await c.keys()).length, (await css.text()).includes('--build')]; })); })())";
    ASSERT_TRUE(AwaitValue(kept, "[[" + std::to_string(files) + ",false]]"))
        << "at the first visit";

    Page().Server("on " + next.Path());
    Page().Evaluate("location.reload()");
    // The browser's first look for a new worker in a run can take seconds on a busy machine.
    ASSERT_TRUE(AwaitValue(kept, "[[" + std::to_string(files) + ",true]]", ScreenTimeout() * 6))
        << "at the next visit";
    Page().Server("off");
    Page().Evaluate("location.reload()");
    ASSERT_TRUE(AwaitPicture(m_intro)) << "with the server gone";
    EXPECT_TRUE(AwaitValue("getComputedStyle(document.body).getPropertyValue('--build').trim()",
                           "\"next\""));
}

}  // namespace
}  // namespace e2e
