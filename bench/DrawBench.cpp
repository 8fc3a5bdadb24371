// SPDX-License-Identifier: MIT
// Times the drawing primitives on the game's screen (480x272 at 32 bits) and on a cell
// sprite (90x90), beside SDL_FillRect of the same surface and a memset of its bytes.
// After the usual table it prints each timing's ratio to SDL_FillRect and to memset of
// the same surface: the goal is a ClearScr ratio to SDL_FillRect of 1 or less.
#include "bench/RepresentativeRun.h"
#include "draw/Draw.h"

#include <SDL.h>
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {

struct Size {
    int w, h;
};
constexpr Size kScreen{480, 272};
constexpr Size kSprite{90, 90};

SDL_Surface* MakeSurface(Size size)
{
    return SDL_CreateRGBSurface(SDL_SWSURFACE, size.w, size.h, 32, 0xFF0000, 0x00FF00, 0x0000FF, 0);
}

template <class Draw>
void Run(benchmark::State& state, Size size, Draw&& draw)
{
    SDL_Surface* s = MakeSurface(size);
    for (auto _ : state) {
        draw(s);
        benchmark::DoNotOptimize(s->pixels);
        benchmark::ClobberMemory();
    }
    SDL_FreeSurface(s);
}

Size SizeOf(const benchmark::State& state)
{
    return state.range(0) == 0 ? kScreen : kSprite;
}

void BM_SDL_FillRect(benchmark::State& state)
{
    Run(state, SizeOf(state),
        [](SDL_Surface* s) { SDL_FillRect(s, nullptr, SDL_MapRGB(s->format, 128, 128, 128)); });
}

void BM_memset(benchmark::State& state)
{
    Run(state, SizeOf(state),
        [](SDL_Surface* s) { std::memset(s->pixels, 0x80, static_cast<size_t>(s->pitch) * s->h); });
}

void BM_ClearScr_grey(benchmark::State& state)
{
    Run(state, SizeOf(state), [](SDL_Surface* s) { ClearScr(s, 128, 128, 128); });
}

void BM_ClearScr_black(benchmark::State& state)
{
    Run(state, SizeOf(state), [](SDL_Surface* s) { ClearScr(s, 0, 0, 0); });
}

void BM_DrawFillRect_board(benchmark::State& state)
{
    // The play screen's grey area at radius 45 (405x270), or the whole sprite.
    Run(state, SizeOf(state), [](SDL_Surface* s) {
        DrawFillRect(s, 0, 0, s->w == kScreen.w ? 405 : s->w, s->w == kScreen.w ? 270 : s->h, 128,
                     128, 128);
    });
}

void BM_DrawLine_diagonal(benchmark::State& state)
{
    Run(state, SizeOf(state), [](SDL_Surface* s) { DrawLine(s, 0, 0, s->w, s->h, 255, 255, 255); });
}

// The board's lines and the cells' frames run along a row or a column.
void BM_DrawLine_row(benchmark::State& state)
{
    Run(state, SizeOf(state),
        [](SDL_Surface* s) { DrawLine(s, 0, s->h / 2, s->w, s->h / 2, 255, 255, 255); });
}

void BM_DrawLine_column(benchmark::State& state)
{
    Run(state, SizeOf(state),
        [](SDL_Surface* s) { DrawLine(s, s->w / 2, 0, s->w / 2, s->h, 255, 255, 255); });
}

void BM_DrawCircle(benchmark::State& state)
{
    Run(state, SizeOf(state),
        [](SDL_Surface* s) { DrawCircle(s, s->w / 2, s->h / 2, s->h / 2, 255, 255, 255); });
}

// Argument 0: the 480x272 screen; 1: the 90x90 sprite.
BENCHMARK(BM_SDL_FillRect)->Arg(0)->Arg(1);
BENCHMARK(BM_memset)->Arg(0)->Arg(1);
BENCHMARK(BM_ClearScr_grey)->Arg(0)->Arg(1);
BENCHMARK(BM_ClearScr_black)->Arg(0)->Arg(1);
BENCHMARK(BM_DrawFillRect_board)->Arg(0)->Arg(1);
BENCHMARK(BM_DrawLine_diagonal)->Arg(0)->Arg(1);
BENCHMARK(BM_DrawLine_row)->Arg(0)->Arg(1);
BENCHMARK(BM_DrawLine_column)->Arg(0)->Arg(1);
BENCHMARK(BM_DrawCircle)->Arg(0)->Arg(1);

// Keeps each run's time per iteration (the median if repeated) beside the usual console output.
class RecordingReporter : public benchmark::ConsoleReporter {
public:
    // Coloured only on a terminal, so that a saved run reads as plain text.
    RecordingReporter() : ConsoleReporter(isatty(fileno(stdout)) ? OO_Defaults : OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (IsRepresentative(run))
                times[run.run_name.str()] = run.GetAdjustedCPUTime();
        }
    }
    std::map<std::string, double> times;
};

void PrintRatios(const std::map<std::string, double>& times)
{
    const char* const primitives[] = {
        "BM_ClearScr_grey",     "BM_ClearScr_black", "BM_DrawFillRect_board",
        "BM_DrawLine_diagonal", "BM_DrawLine_row",   "BM_DrawLine_column",
        "BM_DrawCircle",        "BM_SDL_FillRect",   "BM_memset"};
    const char* const sizes[] = {"480x272", "90x90"};
    std::printf("\n%-24s %-8s %12s %14s %10s\n", "primitive", "surface", "cpu (ns)",
                "/SDL_FillRect", "/memset");
    for (int size = 0; size < 2; ++size) {
        const std::string suffix = "/" + std::to_string(size);
        const auto fill = times.find("BM_SDL_FillRect" + suffix);
        const auto set = times.find("BM_memset" + suffix);
        for (const char* primitive : primitives) {
            const auto it = times.find(primitive + suffix);
            if (it == times.end() || fill == times.end() || set == times.end())
                continue;
            std::printf("%-24s %-8s %12.0f %14.2f %10.2f\n", primitive + 3, sizes[size], it->second,
                        it->second / fill->second, it->second / set->second);
        }
    }
}

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    PrintRatios(reporter.times);
    return 0;
}
