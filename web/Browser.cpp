// SPDX-License-Identifier: MIT
#include "web/Browser.h"

#include "web/BrowserInput.h"
#include "web/Canvas.h"

#include <SDL.h>
#include <emscripten.h>

// The page's only chance to draw, run its handlers and keep its tab responsive.
EM_ASYNC_JS(void, WaitForAnimationFrame, (),
            { await new Promise(function(resolve) { requestAnimationFrame(resolve); }); });

void YieldToBrowser()
{
    if (SDL_Surface* screen = SDL_GetVideoSurface()) {
        PresentToCanvas(*screen);
    }
    ShowSystemCursor(SDL_ShowCursor(SDL_QUERY) == SDL_ENABLE);
    WaitForAnimationFrame();
    DeliverBrowserInput();
}
