/* SPDX-License-Identifier: MIT */
/* SDL's dummy video driver, with the browser's own pointer as its window-system cursor.
 *
 * A driver without cursor functions makes SDL draw its software arrow into the screen
 * surface whenever the cursor is shown, and the canvas would show that arrow beside the
 * page's pointer. With these SDL leaves the screen's pixels alone and only records
 * whether the cursor is shown, which the web layer reads after each frame to show or hide
 * the page's pointer. Warping stays unset, so that SDL posts the warp as a motion event,
 * as a desktop server reports one.
 *
 * SDL's own dummy driver is compiled with its bootstrap renamed (CMakeLists.txt beside
 * this file); this bootstrap takes its name, so SDL's list of drivers finds this one. */
#include "SDL_config.h"
#include "SDL_sysvideo.h"
#include "SDL_video.h"

extern VideoBootStrap SDL_DUMMY_bootstrap_without_cursor;

/* The page draws the pointer; SDL only needs a cursor to hand back. */
struct WMcursor {
    int unused;
};
static WMcursor browser_pointer;

static WMcursor* BROWSER_CreateWMCursor(SDL_VideoDevice* device, Uint8* data, Uint8* mask, int w,
                                        int h, int hot_x, int hot_y)
{
    (void)device, (void)data, (void)mask, (void)w, (void)h, (void)hot_x, (void)hot_y;
    return &browser_pointer;
}

static void BROWSER_FreeWMCursor(SDL_VideoDevice* device, WMcursor* cursor)
{
    (void)device, (void)cursor;
}

/* Shown or hidden, the page's pointer does it: SDL never draws one of its own. */
static int BROWSER_ShowWMCursor(SDL_VideoDevice* device, WMcursor* cursor)
{
    (void)device, (void)cursor;
    return 1;
}

static int BROWSER_Available(void)
{
    return SDL_DUMMY_bootstrap_without_cursor.available();
}

static SDL_VideoDevice* BROWSER_CreateDevice(int devindex)
{
    SDL_VideoDevice* device = SDL_DUMMY_bootstrap_without_cursor.create(devindex);
    if (device != NULL) {
        device->CreateWMCursor = BROWSER_CreateWMCursor;
        device->FreeWMCursor = BROWSER_FreeWMCursor;
        device->ShowWMCursor = BROWSER_ShowWMCursor;
    }
    return device;
}

VideoBootStrap DUMMY_bootstrap = {"dummy", "SDL dummy video driver, the browser's pointer",
                                  BROWSER_Available, BROWSER_CreateDevice};
