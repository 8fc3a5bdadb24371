// SPDX-License-Identifier: MIT
#include "tests/draw/GuardedSurface.h"

namespace {

constexpr Uint8 kGuardPattern = 0xA5;
constexpr Uint8 kPaddingPattern = 0x5A;

struct Masks {
    Uint32 r, g, b;
};

Masks MasksFor(int bytesPerPixel)
{
    switch (bytesPerPixel) {
    case 1:
        return {0, 0, 0};
    case 2:
        return {0xF800, 0x07E0, 0x001F};
    default:
        return {0xFF0000, 0x00FF00, 0x0000FF};
    }
}

}  // namespace

GuardedSurface::GuardedSurface(int w, int h, int bytesPerPixel, int paddingBytes)
    : m_w(w),
      m_h(h),
      m_bytesPerPixel(bytesPerPixel),
      m_pitch(w * bytesPerPixel + paddingBytes),
      m_memory(2 * kGuardBytes + static_cast<size_t>(m_pitch) * h, kGuardPattern)
{
    Uint8* pixels = m_memory.data() + kGuardBytes;
    for (int y = 0; y < h; ++y) {
        Uint8* row = pixels + y * m_pitch;
        for (int i = 0; i < m_pitch; ++i)
            row[i] = i < w * bytesPerPixel ? 0 : kPaddingPattern;
    }
    const Masks masks = MasksFor(bytesPerPixel);
    m_surface = SDL_CreateRGBSurfaceFrom(pixels, w, h, 8 * bytesPerPixel, m_pitch, masks.r, masks.g,
                                         masks.b, 0);
}

GuardedSurface::~GuardedSurface()
{
    SDL_FreeSurface(m_surface);
}

bool GuardedSurface::GuardsIntact() const
{
    const size_t end = m_memory.size();
    for (size_t i = 0; i < static_cast<size_t>(kGuardBytes); ++i)
        if (m_memory[i] != kGuardPattern || m_memory[end - 1 - i] != kGuardPattern)
            return false;
    return true;
}

bool GuardedSurface::PaddingIntact() const
{
    const Uint8* pixels = m_memory.data() + kGuardBytes;
    for (int y = 0; y < m_h; ++y)
        for (int i = m_w * m_bytesPerPixel; i < m_pitch; ++i)
            if (pixels[y * m_pitch + i] != kPaddingPattern)
                return false;
    return true;
}
