// SPDX-License-Identifier: MIT
#include "web/Canvas.h"

#include <emscripten.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

// The surface's bytes as last copied into the canvas; empty once forgotten.
std::vector<std::uint8_t> shownPixels;

std::size_t SurfaceBytes(const SDL_Surface& screen)
{
    return static_cast<std::size_t>(screen.pitch) * static_cast<std::size_t>(screen.h);
}

}  // namespace

EM_JS(void, PutCanvasPixels, (const std::uint8_t* rgba, int width, int height), {
    var context = Module.canvasContext;
    if (!context) {
        context = Module.canvasContext = Module.canvas.getContext("2d");
    }
    var bytes = new Uint8ClampedArray(HEAPU8.buffer, rgba, width * height * 4);
    context.putImageData(new ImageData(bytes, width, height), 0, 0);
});

// Set only on a change: each write of the style costs the page a style pass.
EM_JS(void, SetCanvasCursor, (int shown), {
    var cursor = shown ? "" : "none";
    if (Module.canvas.style.cursor != cursor) {
        Module.canvas.style.cursor = cursor;
    }
});

bool CanvasShows(SDL_Surface& screen)
{
    if (shownPixels.size() != SurfaceBytes(screen) || SDL_LockSurface(&screen) < 0) {
        return false;
    }
    const bool same = std::memcmp(screen.pixels, shownPixels.data(), shownPixels.size()) == 0;
    SDL_UnlockSurface(&screen);
    return same;
}

void PresentToCanvas(SDL_Surface& screen)
{
    // The canvas takes bytes in the order red, green, blue, alpha; the surface's order is
    // its format's, which the shifts say. Only the screen's 32-bit depth is asked for.
    if (screen.format->BytesPerPixel != 4 || SDL_LockSurface(&screen) < 0) {
        return;
    }
    static std::vector<std::uint8_t> rgba;
    rgba.resize(static_cast<std::size_t>(screen.w) * static_cast<std::size_t>(screen.h) * 4);
    const SDL_PixelFormat& format = *screen.format;
    const auto* rows = static_cast<const std::uint8_t*>(screen.pixels);
    shownPixels.assign(rows, rows + SurfaceBytes(screen));
    std::size_t out = 0;
    for (int y = 0; y < screen.h; ++y) {
        const std::uint8_t* row = rows + static_cast<std::ptrdiff_t>(y) * screen.pitch;
        for (int x = 0; x < screen.w; ++x) {
            Uint32 pixel = 0;
            std::memcpy(&pixel, row + static_cast<std::ptrdiff_t>(x) * 4, sizeof pixel);
            rgba[out++] = static_cast<std::uint8_t>((pixel & format.Rmask) >> format.Rshift);
            rgba[out++] = static_cast<std::uint8_t>((pixel & format.Gmask) >> format.Gshift);
            rgba[out++] = static_cast<std::uint8_t>((pixel & format.Bmask) >> format.Bshift);
            rgba[out++] = 0xFF;
        }
    }
    SDL_UnlockSurface(&screen);
    PutCanvasPixels(rgba.data(), screen.w, screen.h);
}

void ForgetCanvasContents()
{
    shownPixels.clear();
}

void ShowSystemCursor(bool shown)
{
    SetCanvasCursor(shown ? 1 : 0);
}
