// SPDX-License-Identifier: MIT
#include "tests/e2e/support/BuildPaths.h"
#include "tests/e2e/support/RealWindowTest.h"
#include "tests/e2e/support/WaitUntil.h"
#include "tests/e2e/web/WebWindow.h"

#include <X11/keysym.h>

#include <chrono>
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

    // Waits until the page expression's JSON value is expected.
    testing::AssertionResult AwaitValue(const std::string& expression, const std::string& expected)
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
            ScreenTimeout());
    }

    static std::string Shown(const std::string& id)
    {
        return "(e => !!e && e.getClientRects().length > 0 && getComputedStyle(e).visibility "
               "!== 'hidden')(document.getElementById('" +
               id + "'))";
    }

    // The click lines the game has printed, two animation frames from now.
    std::string ClickLinesTwoFramesOn()
    {
        return Page().Evaluate(
            "new Promise(done => requestAnimationFrame(() => requestAnimationFrame(() => "
            "done(window.noughts.stdout.split('click :').length - 1))))");
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

    // The run that taps on a phone, which has no wheel and where a tap has a finger.
    bool TouchRun() { return Page().Evaluate("navigator.maxTouchPoints > 1") == "true"; }

    testing::AssertionResult OpenBoard()
    {
        for (const RgbImage* picture : {&m_intro, &m_menu}) {
            if (testing::AssertionResult shown = AwaitPicture(*picture); !shown) {
                return shown;
            }
            AwaitWindow().PressKey(XK_space);
        }
        return AwaitBoardRadius(45);
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
    // 800x600, 2 on the upright phone's 1080 device pixels, 3 on the large screen.
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
    EXPECT_EQ(Page().Evaluate(box + ".left >= 0 && " + box + ".right <= innerWidth"), "true")
        << Page().Evaluate("JSON.stringify(" + box + ")") << " in a window "
        << Page().Evaluate("innerWidth") << " wide";
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

// The wheel as X11 gives it: a button 4 or 5 per notch's worth of scroll, small steps
// added up, horizontal ones as 6 and 7, which the board ignores; and a long scroll taken
// as fast as it comes, so that clicks after it are neither late nor lost.
TEST_F(WebPageTest, TheWheelGivesAButtonANotchAndHoldsUpNoClickAfterIt)
{
    Start(BuiltGame());
    if (TouchRun()) {
        GTEST_SKIP() << "a phone has no wheel";
    }
    ASSERT_TRUE(OpenBoard());
    AwaitWindow().MoveTo(100, 40);
    Page().Request("wheel 0 -25 4 0");  // two notches up in four steps
    ASSERT_TRUE(AwaitBoardRadius(43));
    Page().Request("wheel -200 0 1 0");  // four notches left
    Page().Request("wheel 0 50 1 0");
    ASSERT_TRUE(AwaitBoardRadius(44)) << "after four notches left and one down";

    Page().Request("wheel 0 -50 180 16");  // three seconds of a notch a frame
    AwaitWindow().Click();
    EXPECT_EQ(ClickLinesTwoFramesOn(), "1") << "two frames after the click that ended a scroll";
    AwaitWindow().MoveTo(190, 40);
    AwaitWindow().Click();
    EXPECT_EQ(ClickLinesTwoFramesOn(), "2");
}

// Every mouse button, each pressed and released on its own: back and forward (X11's 8 and
// 9) keep the page, and a chord loses no click.
TEST_F(WebPageTest, EveryMouseButtonCountsAloneAndBackStaysInTheGame)
{
    Start(BuiltGame());
    ASSERT_TRUE(OpenBoard());
    const std::string page = Page().Evaluate("location.href");
    AwaitWindow().MoveTo(100, 40);
    // Back, forward; right held over a left click; left, middle, and left let go first.
    for (const char* request :
         {"button down 3", "button up 3", "button down 4", "button up 4", "button down 2",
          "button down 0", "button up 0", "button up 2", "button down 0", "button down 1",
          "button up 0", "button up 1", "button down 0", "button up 0"}) {
        Page().Request(request);
    }
    EXPECT_EQ(ClickLinesTwoFramesOn(), "3");
    EXPECT_EQ(Page().Evaluate("location.href"), page);
}

// Keys as a desktop window has them: none before the game runs, none left held when the
// page goes behind another (which redraws it when it is back), and the page's own again
// once the game has ended, with the pointer shown.
TEST_F(WebPageTest, KeysReachTheGameOnlyWhileItRunsAndNoneStaysHeldWhenThePageGoes)
{
    GameLaunch launch = BuiltGame();
    launch.environment.Set("NOUGHTS_E2E_WEB_SLOW_LOAD", "1500");
    launch.environment.Set("NOUGHTS_E2E_WEB_AFTER_EXIT", "stay");
    Start(launch);
    AwaitWindow().PressKey(XK_space);  // while the program loads
    AwaitWindow().PressKey(XK_space);
    ASSERT_TRUE(AwaitPicture(m_intro));
    Page().Request("keydown Space");
    ASSERT_TRUE(AwaitPicture(m_menu)) << "the Spaces pressed while loading reached the game";
    Page().Request("hide");  // Space is let go behind another window
    Page().Evaluate("document.getElementById('canvas').getContext('2d').clearRect(0, 0, 480, 272)");
    Page().Request("show");
    ASSERT_TRUE(AwaitPicture(m_menu)) << "not drawn again once shown";
    AwaitWindow().PressKey(XK_space);
    ASSERT_TRUE(AwaitBoardRadius(45)) << "Space after the page came back";

    for (int i = 0; i < 3; ++i) {
        AwaitWindow().PressKey(XK_Escape);
    }
    ASSERT_TRUE(AwaitValue("window.noughts.exitStatus", "0"));
    EXPECT_EQ(Page().Evaluate("getComputedStyle(document.getElementById('canvas')).cursor"),
              "\"auto\"");
    Page().Request("key Tab");
    Page().Request("key Enter");
    EXPECT_TRUE(AwaitValue("window.noughts.exitStatus", "null")) << "Tab and Enter did not restart";
}

// Taps as X11's pointer emulation has them: one lands under the finger wherever SDL's
// pointer was warped meanwhile, and a second finger is not the pointer.
TEST_F(WebPageTest, ATapLandsUnderTheFingerAndASecondFingerIsNotThePointer)
{
    Start(BuiltGame());
    if (!TouchRun()) {
        GTEST_SKIP() << "a run without touch";
    }
    ASSERT_TRUE(OpenBoard());
    AwaitWindow().MoveTo(60, 200);
    AwaitWindow().Click();
    AwaitWindow().PressKey(XK_Escape);
    ASSERT_TRUE(AwaitPicture(m_menu));
    AwaitWindow().PressKey(XK_space);  // the new board warps SDL's pointer to its middle
    ASSERT_TRUE(AwaitBoardRadius(45));
    AwaitWindow().Click();
    Page().Request("fingers 100 40 190 130");
    EXPECT_EQ(ClickLinesTwoFramesOn(), "3");
    EXPECT_EQ(Page().Evaluate("window.noughts.stdout.match(/click.*/g).join()"),
              "\"click : 60, 200, 1,click : 60, 200, 1,click : 100, 40, 1\"");
}

// A page that waits for input without drawing still answers at once after a long idle, and
// a gamepad, read at each animation frame while one is connected, keeps its place among
// the other input. The pad is the page's own stand-in: no real one can be plugged in here.
TEST_F(WebPageTest, AnIdlePageAnswersAtOnceAndAGamepadKeepsItsPlaceInTheInput)
{
    Start(BuiltGame());
    ASSERT_TRUE(OpenBoard());
    std::this_thread::sleep_for(std::chrono::seconds(6));
    AwaitWindow().MoveTo(100, 40);
    AwaitWindow().Click();
    EXPECT_EQ(ClickLinesTwoFramesOn(), "1") << "two frames after a click that ended 6 s of idle";

    Page().Evaluate(
        "(window.pad = { connected: true, buttons: Array.from({ length: 17 }, () => "
        "({ pressed: false })) }, navigator.getGamepads = () => [window.pad], "
        "dispatchEvent(new Event('gamepadconnected')))");
    Page().Evaluate("window.pad.buttons[8].pressed = true");
    ASSERT_TRUE(AwaitPicture(m_menu)) << "after the pad's back button";
    Page().Evaluate(
        "(window.pad.buttons[8].pressed = false, window.pad.buttons[9].pressed = true)");
    ClickLinesTwoFramesOn();  // the pad read twice
    AwaitWindow().PressKey(XK_i);
    EXPECT_TRUE(AwaitPicture(LoadBmpPicture(PicturePath("item.bmp"))))
        << "the pad's start, then i: the board, then its controls page";
}

}  // namespace
}  // namespace e2e
