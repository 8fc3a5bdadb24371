#include "bench/frame/WindowRate.h"

#include "bench/frame/Scenes.h"
#include "bench/frame/SdlPicture.h"
#include "engine/CGameEngine.h"
#include "engine/FrameLoop.h"
#include "states/CPlayState.h"

#include <SDL.h>

#include <chrono>
#include <cstdio>

namespace {

using Clock = std::chrono::steady_clock;

void PushKey(SDLKey key)
{
    SDL_Event event{};
    event.type = SDL_KEYDOWN;
    event.key.state = SDL_PRESSED;
    event.key.keysym.sym = key;
    SDL_PushEvent(&event);
}

template <class Frame>
double FramesPerSecond(double seconds, Frame&& frame)
{
    const Clock::time_point start = Clock::now();
    const auto limit = std::chrono::duration<double>(seconds);
    long frames = 0;
    Clock::duration elapsed{};
    do {
        frame();
        ++frames;
        elapsed = Clock::now() - start;
    } while (elapsed < limit);
    return frames / std::chrono::duration<double>(elapsed).count();
}

}  // namespace

int MeasureWindowFrameRate(double seconds)
{
    CGameEngine engine;
    StartEngine(engine);
    EnterScene(engine, Scene::Intro);
    // Space on the intro opens the menu, Space on the menu the board: one frame each.
    PushKey(SDLK_SPACE);
    RunFrame(engine);
    PushKey(SDLK_SPACE);
    RunFrame(engine);
    if (engine.Top() != CPlayState::Instance()) {
        std::fprintf(stderr, "noughts_frame_bench: Space twice did not open the board\n");
        engine.Cleanup();
        return 1;
    }
    for (int i = 0; i < 8; ++i)
        RunFrame(engine);

    const SDL_Surface* screen = engine.m_screen;
    char driver[32] = "?";
    SDL_VideoDriverName(driver, sizeof driver);
    std::printf("Real window (%s driver, %dx%d at %d bits), idle on the empty board, %.1f s each:\n",
                driver, screen->w, screen->h, screen->format->BitsPerPixel, seconds);

    const double game = FramesPerSecond(seconds, [&] { RunFrame(engine); });
    std::printf("  game frame        %8.0f frames/s\n", game);
    {
        const SdlPicture picture(Scene::PlayEmpty, engine.m_screen);
        const double sdl = FramesPerSecond(seconds, [&] { picture.Draw(); });
        std::printf("  SDL-drawn picture %8.0f frames/s   (game/SDL frame time ratio %.2f)\n", sdl,
                    sdl / game);
    }
    engine.Cleanup();
    return 0;
}
