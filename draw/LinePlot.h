// SPDX-License-Identifier: MIT
#pragma once

#include "draw/PixelMemory.h"
#include "draw/PixelWriter.h"

#include <SDL.h>

#include <algorithm>

// How DrawLine's 1000 points land on a surface: the plain loop that computes every point,
// and a shortcut that writes the same pixels for a short axis-aligned line (the board's
// grid, the cell frames) without computing them. Stateless; writes only inside the
// PixelMemory it is given. Internal to draw/ and the tests that compare the two.
namespace draw_detail {

// The step is single precision but the sum is double: 1000 points, t ending near 0.999.
constexpr double kLineStep = static_cast<double>(0.001F);

constexpr int CountLinePoints()
{
    int points = 0;
    for (double t = 0.0; t < 1.0; t += kLineStep) {
        ++points;
    }
    return points;
}
static_assert(CountLinePoints() == 1000, "a line has 1000 points");

// The parameter of the last point, exactly as the accumulating loop reaches it.
constexpr double FindLastLineParameter()
{
    double last = 0.0;
    for (double t = 0.0; t < 1.0; t += kLineStep) {
        last = t;
    }
    return last;
}
constexpr double kLastLineParameter = FindLastLineParameter();

// The longest span (x2 - x1 or y2 - y1, either sign) along which consecutive points lie
// less than one pixel apart, so that their truncations toward zero miss no integer
// between the first and the last (values in (-1, 1) all give 0, every other integer is
// given by a whole unit of values). Consecutive parameters differ by the step plus at most
// half an ulp below 1 (2^-54); each point rounds twice, by at most half an ulp below 2^32
// (2^-22), points lying within 2^31 + 999 of zero. One more pixel and the points are more
// than a pixel apart: 10 toward -990 truncates 10, then 8.99999995 to 8, missing 9.
constexpr int kLongestGaplessSpan = 999;
static_assert(kLongestGaplessSpan * (kLineStep + 0x1p-54) + 4 * 0x1p-22 < 1.0,
              "points of the longest gapless span lie less than a pixel apart");
static_assert((kLongestGaplessSpan + 1) * kLineStep > 1.0, "the gapless span is the longest");

// True when the truncation toward zero of value lies in [0, limit); tested on the double so
// that no value beyond the range of int is ever converted. A limit of 0 (a surface with no
// rows or columns) takes nothing, not even the values in (-1, 0) that truncate to 0.
inline bool TruncatesIntoRange(double value, int limit)
{
    return limit > 0 && value > -1.0 && value < limit;
}

// The point at parameter t along one coordinate, in the loop's own arithmetic.
inline double LineCoordinate(double span, double t, int start)
{
    return span * t + start;
}

// True for a line along a row or a column whose span is gapless: PlotShortAxisLine's lines.
inline bool IsShortAxisLine(double dx, double dy)
{
    const auto isShort = [](double span) {
        return span >= -kLongestGaplessSpan && span <= kLongestGaplessSpan;
    };
    return (dx == 0.0 && isShort(dy)) || (dy == 0.0 && isShort(dx));
}

// Computes and writes each of the 1000 points, skipping those off the surface.
template <int Bpp>
void PlotEveryLinePoint(PixelWriter<Bpp> /*pixelSize*/, const PixelMemory& memory, int x1, int y1,
                        double dx, double dy, Uint32 c)
{
    using Writer = PixelWriter<Bpp>;
    for (double t = 0.0; t < 1.0; t += kLineStep) {
        const double fx = LineCoordinate(dx, t, x1);
        const double fy = LineCoordinate(dy, t, y1);
        if (!TruncatesIntoRange(fx, memory.columns) || !TruncatesIntoRange(fy, memory.height)) {
            continue;
        }
        const int px = static_cast<int>(fx);
        const int py = static_cast<int>(fy);
        Writer::Put(memory.base + Writer::RowOffset(py, memory.pitch) + px * Bpp, c);
    }
}

// The same pixels for a line with IsShortAxisLine(dx, dy): every point keeps the start's
// row (or column), and along the line they cover each pixel from the start to the last
// point with no gap, so only the last point is computed. The run is cut to the surface.
template <int Bpp>
void PlotShortAxisLine(PixelWriter<Bpp> /*pixelSize*/, const PixelMemory& memory, int x1, int y1,
                       double dx, double dy, Uint32 c)
{
    using Writer = PixelWriter<Bpp>;
    const bool horizontal = dy == 0.0;
    const int across = horizontal ? y1 : x1;
    if (across < 0 || across >= (horizontal ? memory.height : memory.columns)) {
        return;
    }
    const int start = horizontal ? x1 : y1;
    const auto end =
        static_cast<long long>(LineCoordinate(horizontal ? dx : dy, kLastLineParameter, start));
    const long long limit = horizontal ? memory.columns : memory.height;
    const long long first = std::max(std::min<long long>(start, end), 0LL);
    const long long last = std::min(std::max<long long>(start, end), limit - 1);
    if (first > last) {
        return;
    }
    if (horizontal) {
        Writer::PutRun(memory.base + Writer::RowOffset(y1, memory.pitch) + first * Bpp,
                       last - first + 1, c);
        return;
    }
    // Row by row through RowOffset, not by pitch: a pitch that is not a whole number of
    // 2- or 4-byte pixels moves each row's first pixel by its own amount.
    for (long long y = first; y <= last; ++y) {
        Writer::Put(memory.base + Writer::RowOffset(static_cast<int>(y), memory.pitch) + x1 * Bpp,
                    c);
    }
}

// DrawLine without its shortcut: every point computed, as the plain loop does. The tests
// hold DrawLine to exactly these pixels.
void DrawLineThroughEveryPoint(SDL_Surface* screen, int x1, int y1, int x2, int y2, Uint8 R,
                               Uint8 G, Uint8 B);

}  // namespace draw_detail
