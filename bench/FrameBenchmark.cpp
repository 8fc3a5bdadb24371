// SPDX-License-Identifier: MIT
// The cost of one frame (HandleEvents, Update, Draw, as the game's loop runs it) of each
// screen under SDL's dummy video driver, beside the same picture drawn with SDL_FillRect
// and SDL_BlitSurface in the same run; a summary after the table gives each ratio. The
// play screen's frame is also timed in its parts, to show where its time goes.
//
//   noughts_frame_bench [Google Benchmark options]
//   noughts_frame_bench --window-seconds=S     frames/s in a real window (needs DISPLAY;
//                                              tools/frame-rate.sh starts an Xvfb for it)
//
// Before timing, each scene's two pictures are compared pixel by pixel, so that the
// ratios compare like with like.
#include "bench/frame/RatioReporter.h"
#include "bench/frame/Scenes.h"
#include "bench/frame/SdlPicture.h"
#include "bench/frame/WindowRate.h"
#include "board/morvane.h"
#include "draw/Draw.h"
#include "engine/CGameEngine.h"
#include "engine/FrameLoop.h"

#include <SDL.h>
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#ifndef NOUGHTS_PICTURE_DIR
#error "NOUGHTS_PICTURE_DIR must name the folder that holds the game's pictures"
#endif

namespace {

// The pixels of the screen whose colour differs, alpha and unused bits aside.
long DifferingPixels(const SDL_Surface* screen, const std::vector<Uint8>& before)
{
    const SDL_PixelFormat* format = screen->format;
    const Uint32 colourBits = format->Rmask | format->Gmask | format->Bmask;
    long differing = 0;
    for (int y = 0; y < screen->h; ++y) {
        for (int x = 0; x < screen->w; ++x) {
            Uint32 a = 0;
            Uint32 b = 0;
            const size_t at = static_cast<size_t>(y) * screen->pitch + static_cast<size_t>(x) * 4;
            std::memcpy(&a, before.data() + at, 4);
            std::memcpy(&b, static_cast<const Uint8*>(screen->pixels) + at, 4);
            differing += ((a ^ b) & colourBits) != 0;
        }
    }
    return differing;
}

// Draws a scene once the game's way and once SDL's way and counts the pixels that differ.
// SDL's picture is drawn over a magenta screen, so that a part it leaves out shows.
long ComparePictures(Scene scene)
{
    CGameEngine engine;
    StartEngine(engine);
    EnterScene(engine, scene);
    RunFrame(engine);
    SDL_Surface* screen = engine.m_screen;
    const Uint8* pixels = static_cast<const Uint8*>(screen->pixels);
    const std::vector<Uint8> game(pixels, pixels + static_cast<size_t>(screen->pitch) * screen->h);
    long differing = -1;
    if (screen->format->BytesPerPixel == 4) {
        const SdlPicture picture(scene, screen);
        SDL_FillRect(screen, nullptr, SDL_MapRGB(screen->format, 255, 0, 255));
        picture.Draw();
        differing = DifferingPixels(screen, game);
    }
    engine.Cleanup();
    return differing;
}

void GameFrame(benchmark::State& state, Scene scene)
{
    CGameEngine engine;
    StartEngine(engine);
    EnterScene(engine, scene);
    for (auto _ : state)
        RunFrame(engine);
    engine.Cleanup();
}

void SdlFrame(benchmark::State& state, Scene scene)
{
    CGameEngine engine;
    StartEngine(engine);
    EnterScene(engine, scene);  // the same screen and board
    {
        const SdlPicture picture(scene, engine.m_screen);
        for (auto _ : state)
            picture.Draw();
    }
    engine.Cleanup();
}

// The play screen's frame in parts, game's way and SDL's way, on an empty board.
enum class Part { BoardArea, Grid, Cells };

const char* PartName(Part part)
{
    switch (part) {
    case Part::BoardArea:
        return "board_area";
    case Part::Grid:
        return "grid_lines";
    case Part::Cells:
        return "cells";
    }
    return "?";
}

// The calls the play screen's Draw makes for each part, in its order.
void DrawPartTheGamesWay(Part part, SDL_Surface* screen, const SdlPicture& sprites)
{
    const int r = sprites.Radius();
    switch (part) {
    case Part::BoardArea:
        DrawFillRect(screen, 0, 0, 9 * r, 6 * r, 128, 128, 128);
        break;
    case Part::Grid:
        DrawLine(screen, 2 * r, 0, 2 * r, 6 * r, 255, 255, 255);
        DrawLine(screen, 4 * r, 0, 4 * r, 6 * r, 255, 255, 255);
        DrawLine(screen, 0, 2 * r, 6 * r, 2 * r, 255, 255, 255);
        DrawLine(screen, 0, 4 * r, 6 * r, 4 * r, 255, 255, 255);
        DrawLine(screen, 6 * r, 0, 6 * r, 6 * r, 0, 0, 0);
        break;
    case Part::Cells:
        t.drawmap(screen, sprites.Circle(), sprites.Cross(), sprites.Empty(), r);
        break;
    }
}

void DrawPartSdlsWay(Part part, const SdlPicture& picture)
{
    switch (part) {
    case Part::BoardArea:
        picture.DrawBoardArea();
        break;
    case Part::Grid:
        picture.DrawGrid();
        break;
    case Part::Cells:
        picture.DrawCells();
        break;
    }
}

void PartFrame(benchmark::State& state, Part part, bool gamesWay)
{
    CGameEngine engine;
    StartEngine(engine);
    EnterScene(engine, Scene::PlayEmpty);
    {
        const SdlPicture picture(Scene::PlayEmpty, engine.m_screen);
        for (auto _ : state) {
            if (gamesWay)
                DrawPartTheGamesWay(part, engine.m_screen, picture);
            else
                DrawPartSdlsWay(part, picture);
            benchmark::ClobberMemory();
        }
    }
    engine.Cleanup();
}

void RegisterAll()
{
    for (Scene scene : kScenes) {
        const std::string stem = std::string("frame/") + SceneName(scene);
        benchmark::RegisterBenchmark((stem + "/game").c_str(), GameFrame, scene)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark((stem + "/sdl").c_str(), SdlFrame, scene)
            ->Unit(benchmark::kMicrosecond);
    }
    for (Part part : {Part::BoardArea, Part::Grid, Part::Cells}) {
        const std::string stem = std::string("play_part/") + PartName(part);
        benchmark::RegisterBenchmark((stem + "/game").c_str(), PartFrame, part, true)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark((stem + "/sdl").c_str(), PartFrame, part, false)
            ->Unit(benchmark::kMicrosecond);
    }
}

// Takes --window-seconds=S out of the arguments; 0 when it is not there.
double TakeWindowSeconds(int& argc, char** argv)
{
    const char* const flag = "--window-seconds=";
    double seconds = 0;
    int kept = 0;
    for (int i = 0; i < argc; ++i) {
        if (std::strncmp(argv[i], flag, std::strlen(flag)) == 0)
            seconds = std::atof(argv[i] + std::strlen(flag));
        else
            argv[kept++] = argv[i];
    }
    argc = kept;
    return seconds;
}

}  // namespace

int main(int argc, char** argv)
{
    const double windowSeconds = TakeWindowSeconds(argc, argv);
    // A driver is always chosen: without one SDL 1.2 may draw into the terminal.
    if (windowSeconds > 0)
        setenv("SDL_VIDEODRIVER", "x11", 0);
    else
        setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    // The screens load their pictures from the working directory, as the game does.
    if (chdir(NOUGHTS_PICTURE_DIR) != 0) {
        std::perror("noughts_frame_bench: cannot enter " NOUGHTS_PICTURE_DIR);
        return 1;
    }
    if (windowSeconds > 0)
        return MeasureWindowFrameRate(windowSeconds);

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;

    std::printf("Pixels that differ between the game's frame and the SDL-drawn picture:");
    for (Scene scene : kScenes)
        std::printf(" %s %ld;", SceneName(scene), ComparePictures(scene));
    std::printf("\n");

    RegisterAll();
    // Colour only for a terminal, as Google Benchmark's own table does.
    RatioReporter reporter(isatty(STDOUT_FILENO) ? benchmark::ConsoleReporter::OO_Defaults
                                                 : benchmark::ConsoleReporter::OO_Tabular);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
