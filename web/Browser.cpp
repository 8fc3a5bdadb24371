// SPDX-License-Identifier: MIT
#include "web/Browser.h"

#include "web/BrowserInput.h"
#include "web/Canvas.h"

#include <SDL.h>
#include <emscripten.h>

namespace {

// How long the game may run frames on a queue of input before the browser gets its turn:
// half of a 60 Hz display's frame, so that the page stays responsive and draws on time.
constexpr double kBusyFrameMs = 8.0;

// When the game last got its turn back from the browser.
double turnStart = 0.0;

}  // namespace

// The browser's next animation frame, one request however many wait for it. With
// orInput, the page's next input (Module.noughtsNextInput) ends the wait too, if it comes
// first. Gives 1 for the animation frame, 0 for input.
EM_ASYNC_JS(int, WaitForAnimationFrame, (int orInput), {
    if (!Module.noughtsAnimationFrame) {
        Module.noughtsAnimationFrame = new Promise(function(resolve) {
            requestAnimationFrame(function() {
                Module.noughtsAnimationFrame = null;
                resolve(1);
            });
        });
    }
    var waits = [Module.noughtsAnimationFrame];
    if (orInput) {
        waits.push(Module.noughtsNextInput().then(function() { return 0; }));
    }
    return await Promise.race(waits);
});

// Resolves with the page's next input, or at once when some is queued.
EM_ASYNC_JS(void, WaitForInput, (), { await Module.noughtsNextInput(); });

// Whether the page asks for the frame to be drawn again (it was hidden), and forgets it.
EM_JS(int, TakeRedrawRequest, (), { return Module.noughtsTakeRedrawRequest() ? 1 : 0; });

void YieldToBrowser()
{
    SDL_Surface* screen = SDL_GetVideoSurface();
    ShowSystemCursor(SDL_ShowCursor(SDL_QUERY) == SDL_ENABLE);
    if (TakeRedrawRequest() != 0) {
        ForgetCanvasContents();
    }
    if (BrowserInputPending()) {
        if (emscripten_get_now() - turnStart >= kBusyFrameMs) {
            WaitForAnimationFrame(0);
            if (screen != nullptr) {
                PresentToCanvas(*screen);
            }
            turnStart = emscripten_get_now();
        }
    } else if (screen != nullptr && !CanvasShows(*screen)) {
        if (WaitForAnimationFrame(1) != 0) {
            PresentToCanvas(*screen);
        }
        turnStart = emscripten_get_now();
    } else {
        WaitForInput();
        turnStart = emscripten_get_now();
    }
    DeliverBrowserInput();
}
