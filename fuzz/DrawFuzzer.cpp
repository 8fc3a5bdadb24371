// SPDX-License-Identifier: MIT
// libFuzzer target for the drawing primitives. Every input is a surface and a list of calls:
//
//   width  (2 bytes, mod 601)   height (2 bytes, mod 601)
//   format (1 byte, index into kFormats: pixel size 1 to 4 and its masks)
//   padding after each row (1 byte, mod 16)   misalignment of the pixels (1 byte, mod 4)
//   then up to kMaxCalls calls, each: primitive (1 byte, mod 4) and its arguments,
//   ints as 4 little-endian bytes and the colour as R, G, B:
//     0 ClearScr R G B          1 DrawFillRect x1 y1 x2 y2 R G B
//     2 DrawLine x1 y1 x2 y2 R G B   3 DrawCircle x y radius R G B
//
// After every call: no byte outside the pixel memory has changed, and ClearScr,
// DrawFillRect and DrawLine have left each row's padding alone. Only DrawCircle may write
// there, since its points near the left edge land at the end of the row above.
#include "draw/Draw.h"
#include "fuzz/ByteReader.h"
#include "fuzz/GuardedPixels.h"

#include <SDL.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kMaxSide = 600;
constexpr int kMaxCalls = 24;

struct Format {
    int bytesPerPixel;
    Uint32 rmask, gmask, bmask, amask;
};

// Palette and masked 8-bit, two 16-bit layouts, both byte orders at 24 bits, and 32 bits
// without and with alpha (whose mapped black is not zero).
constexpr Format kFormats[] = {
    {1, 0, 0, 0, 0},
    {1, 0xE0, 0x1C, 0x03, 0},
    {2, 0xF800, 0x07E0, 0x001F, 0},
    {2, 0x7C00, 0x03E0, 0x001F, 0x8000},
    {3, 0xFF0000, 0x00FF00, 0x0000FF, 0},
    {3, 0x0000FF, 0x00FF00, 0xFF0000, 0},
    {4, 0xFF0000, 0x00FF00, 0x0000FF, 0},
    {4, 0x000000FF, 0x0000FF00, 0x00FF0000, 0xFF000000},
};
constexpr int kFormatCount = sizeof kFormats / sizeof kFormats[0];

enum class Primitive { Clear, FillRect, Line, Circle };

struct Call {
    Primitive primitive;
    int a, b, c, d;
    Uint8 R, G, B;
};

Call ReadCall(ByteReader& in)
{
    Call call{};
    call.primitive = static_cast<Primitive>(in.Byte() % 4);
    if (call.primitive == Primitive::FillRect || call.primitive == Primitive::Line) {
        call.a = in.I32();
        call.b = in.I32();
        call.c = in.I32();
        call.d = in.I32();
    } else if (call.primitive == Primitive::Circle) {
        call.a = in.I32();
        call.b = in.I32();
        call.c = in.I32();
    }
    call.R = in.Byte();
    call.G = in.Byte();
    call.B = in.Byte();
    return call;
}

void Perform(SDL_Surface* surface, const Call& call)
{
    switch (call.primitive) {
    case Primitive::Clear:
        ClearScr(surface, call.R, call.G, call.B);
        break;
    case Primitive::FillRect:
        DrawFillRect(surface, call.a, call.b, call.c, call.d, call.R, call.G, call.B);
        break;
    case Primitive::Line:
        DrawLine(surface, call.a, call.b, call.c, call.d, call.R, call.G, call.B);
        break;
    case Primitive::Circle:
        DrawCircle(surface, call.a, call.b, call.c, call.R, call.G, call.B);
        break;
    }
}

// A byte that none of the pixel values the call may store contains: its colour and the
// black that DrawFillRect and DrawCircle start with. Guards marked with it show any write.
Uint8 PatternFor(const SDL_Surface* surface, const Call& call)
{
    const Uint32 values[2] = {SDL_MapRGB(surface->format, call.R, call.G, call.B),
                              SDL_MapRGB(surface->format, 0, 0, 0)};
    const int bytes = surface->format->BytesPerPixel;
    for (int pattern = 0xA5;; pattern = (pattern + 1) & 0xFF) {
        bool used = false;
        for (Uint32 value : values)
            for (int i = 0; i < bytes; ++i)
                used = used || static_cast<Uint8>(value >> (8 * i)) == pattern;
        if (!used)
            return static_cast<Uint8>(pattern);
    }
}

[[noreturn]] void Fail(const char* what, const PixelLayout& layout, const Call& call)
{
    fprintf(stderr,
            "fuzz_draw: %s\n  surface %dx%d, %d bytes per pixel, %d padding bytes, %d misaligned\n"
            "  primitive %d (%d, %d, %d, %d) colour (%d, %d, %d)\n",
            what, layout.w, layout.h, layout.bytesPerPixel, layout.paddingBytes,
            layout.misalignment, static_cast<int>(call.primitive), call.a, call.b, call.c, call.d,
            call.R, call.G, call.B);
    abort();
}

// Whether pixel (x, y) with x < w always lies inside row y. With 2- and 4-byte pixels and a
// pitch that is no multiple of the pixel size, the pixel rule addresses whole elements
// from the start of the memory, and a row's pixels may then overlap the padding before it.
bool RowsAreExact(const PixelLayout& layout)
{
    const int pitch = layout.w * layout.bytesPerPixel + layout.paddingBytes;
    return layout.bytesPerPixel == 1 || layout.bytesPerPixel == 3 ||
           pitch % layout.bytesPerPixel == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ByteReader in(data, size);
    PixelLayout layout;
    layout.w = in.UpTo(kMaxSide);
    layout.h = in.UpTo(kMaxSide);
    const Format& format = kFormats[in.Byte() % kFormatCount];
    layout.bytesPerPixel = format.bytesPerPixel;
    layout.rmask = format.rmask;
    layout.gmask = format.gmask;
    layout.bmask = format.bmask;
    layout.amask = format.amask;
    layout.paddingBytes = in.Byte() % 16;
    layout.misalignment = in.Byte() % 4;

    GuardedPixels pixels(layout);
    SDL_Surface* surface = pixels.Surface();
    for (int i = 0; i < kMaxCalls && !in.AtEnd(); ++i) {
        const Call call = ReadCall(in);
        if (surface == nullptr) {
            // SDL refused the layout: the primitives must still take what they are given.
            Perform(nullptr, call);
            continue;
        }
        pixels.Mark(PatternFor(surface, call));
        Perform(surface, call);
        if (!pixels.GuardsIntact())
            Fail("a byte outside the pixel memory changed", layout, call);
        if (call.primitive != Primitive::Circle && RowsAreExact(layout) && !pixels.PaddingIntact())
            Fail("a byte of a row's padding changed", layout, call);
    }
    return 0;
}
