// SPDX-License-Identifier: MIT
#include "bench/frame/WindowRate.h"

#include "bench/frame/Scenes.h"
#include "bench/frame/SdlPicture.h"
#include "engine/CGameEngine.h"
#include "engine/FrameLoop.h"
#include "states/CPlayState.h"
#include "tests/support/SdlEvents.h"

#include <SDL.h>

#include <chrono>
#include <cstdio>
#include <ctime>

namespace {

using Clock = std::chrono::steady_clock;

// Frames run and the time they took, wall clock and this process's CPU.
struct Tally {
    long frames = 0;
    double seconds = 0;
    double cpuSeconds = 0;
};

template <class Frame>
void RunFor(double seconds, Tally& tally, Frame&& frame)
{
    const Clock::time_point start = Clock::now();
    const std::clock_t cpuStart = std::clock();
    const auto limit = std::chrono::duration<double>(seconds);
    Clock::duration elapsed{};
    do {
        frame();
        ++tally.frames;
        elapsed = Clock::now() - start;
    } while (elapsed < limit);
    tally.seconds += std::chrono::duration<double>(elapsed).count();
    tally.cpuSeconds += static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
}

void Print(const char* what, const Tally& tally)
{
    std::printf("  %-18s %7.0f frames/s   %6.1f us of CPU per frame\n", what,
                tally.frames / tally.seconds, 1e6 * tally.cpuSeconds / tally.frames);
}

// The two are timed in alternating slices, so that a change in the machine's load
// between them does not fall on one alone.
constexpr int kSlices = 6;

}  // namespace

int MeasureWindowFrameRate(double seconds)
{
    CGameEngine engine;
    StartEngine(engine);
    EnterScene(engine, Scene::Intro);
    // Space on the intro opens the menu, Space on the menu the board: one frame each.
    sdltest::PushKeyDown(SDLK_SPACE);
    RunFrame(engine);
    sdltest::PushKeyDown(SDLK_SPACE);
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
    std::printf(
        "Real window (%s driver, %dx%d at %d bits), idle on the empty board, %.1f s each:\n",
        driver, screen->w, screen->h, screen->format->BitsPerPixel, seconds);

    Tally game;
    Tally sdl;
    {
        const SdlPicture picture(Scene::PlayEmpty, engine.m_screen);
        for (int slice = 0; slice < kSlices; ++slice) {
            RunFor(seconds / kSlices, game, [&] { RunFrame(engine); });
            RunFor(seconds / kSlices, sdl, [&] { picture.Draw(); });
        }
    }
    Print("game frame", game);
    Print("SDL-drawn picture", sdl);
    std::printf("  game over SDL-drawn: %.2f in frame time, %.2f in CPU per frame\n",
                (game.seconds / game.frames) / (sdl.seconds / sdl.frames),
                (game.cpuSeconds / game.frames) / (sdl.cpuSeconds / sdl.frames));
    engine.Cleanup();
    return 0;
}
