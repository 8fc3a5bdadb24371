// SPDX-License-Identifier: MIT
#pragma once

#include <SDL.h>

#include <cstddef>
#include <cstring>

// Addressing and writing of pixels of one size, 1 to 4 bytes. The drawing primitives pick
// the writer once per call (WithPixelWriter) so that no pixel pays for the choice again.
// Stateless: it writes only where its caller points it; the caller keeps every address
// inside the surface's pixel memory. Internal to draw/.
namespace draw_detail {

template <int Bpp>
struct PixelWriter {
    static_assert(Bpp >= 1 && Bpp <= 4, "pixels are 1 to 4 bytes");
    static constexpr int kBytes = Bpp;

    // Byte offset of row y (y >= 0). Pixels of 2 and 4 bytes are addressed as elements
    // counted from the start of the memory, so a row that is not a whole number of
    // elements from there starts at the element below its first byte.
    static long long RowOffset(int y, int pitch)
    {
        const long long bytes = static_cast<long long>(y) * pitch;
        if constexpr (Bpp == 2 || Bpp == 4) {
            return bytes / Bpp * Bpp;
        } else {
            return bytes;
        }
    }

    // Writes c at p. 3-byte pixels are stored low byte first on every machine; the
    // others through memcpy, as pixel memory handed in by a caller need not be aligned.
    static void Put(Uint8* p, Uint32 c)
    {
        if constexpr (Bpp == 1) {
            *p = static_cast<Uint8>(c);
        } else if constexpr (Bpp == 2) {
            const auto value = static_cast<Uint16>(c);
            std::memcpy(p, &value, sizeof value);
        } else if constexpr (Bpp == 3) {
            p[0] = static_cast<Uint8>(c);
            p[1] = static_cast<Uint8>(c >> 8);
            p[2] = static_cast<Uint8>(c >> 16);
        } else {
            std::memcpy(p, &c, sizeof c);
        }
    }

    // True when every byte of a stored pixel is the same, so that a run of pixels is
    // exactly a run of that byte (black and white at most depths).
    static bool IsOneByteRepeated(Uint32 c)
    {
        const auto low = static_cast<Uint8>(c);
        for (int i = 1; i < Bpp; ++i) {
            if (static_cast<Uint8>(c >> (8 * i)) != low) {
                return false;
            }
        }
        return true;
    }

    // Writes c into count pixels in a row from p: one pixel, then copies of what is
    // already written, doubling each time, so that a long run costs a few memcpy calls.
    static void PutRun(Uint8* p, long long count, Uint32 c)
    {
        if (count <= 0) {
            return;
        }
        if (IsOneByteRepeated(c)) {
            std::memset(p, static_cast<Uint8>(c), static_cast<std::size_t>(count) * Bpp);
            return;
        }
        Put(p, c);
        const std::size_t total = static_cast<std::size_t>(count) * Bpp;
        for (std::size_t done = Bpp; done < total; done *= 2) {
            std::memcpy(p + done, p, done < total - done ? done : total - done);
        }
    }
};

// Calls body with the writer for bytesPerPixel; other pixel sizes get no call, so
// nothing is written on them.
template <class Body>
void WithPixelWriter(int bytesPerPixel, const Body& body)
{
    switch (bytesPerPixel) {
    case 1:
        body(PixelWriter<1>{});
        break;
    case 2:
        body(PixelWriter<2>{});
        break;
    case 3:
        body(PixelWriter<3>{});
        break;
    case 4:
        body(PixelWriter<4>{});
        break;
    default:
        break;
    }
}

}  // namespace draw_detail
