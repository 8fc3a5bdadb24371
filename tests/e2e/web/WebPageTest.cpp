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
#include <stdexcept>
#include <string>

// What only the web page has around the game: the buttons that stand in for the keys a
// phone lacks, the canvas scaled to the window by whole device pixels, and the notice at
// the game's end with its restart. Run with the mouse and with taps, at each screen of the
// driver's cases (tests/e2e/web/WebDriver.cmake).
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
