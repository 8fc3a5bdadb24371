// SPDX-License-Identifier: MIT
#include "fuzz/GuardedPixels.h"

GuardedPixels::GuardedPixels(const PixelLayout& layout)
    : m_layout(layout),
      m_pitch(layout.w * layout.bytesPerPixel + layout.paddingBytes),
      m_memory(PixelStart() + PixelBytes() + kGuardBytes, 0)
{
    m_surface = SDL_CreateRGBSurfaceFrom(m_memory.data() + PixelStart(), layout.w, layout.h,
                                         8 * layout.bytesPerPixel, m_pitch, layout.rmask,
                                         layout.gmask, layout.bmask, layout.amask);
}

GuardedPixels::~GuardedPixels()
{
    SDL_FreeSurface(m_surface);
}

void GuardedPixels::Mark(Uint8 pattern)
{
    m_pattern = pattern;
    const size_t start = PixelStart();
    const size_t end = start + PixelBytes();
    for (size_t i = 0; i < start; ++i)
        m_memory[i] = pattern;
    for (size_t i = end; i < m_memory.size(); ++i)
        m_memory[i] = pattern;
    const size_t rowPixels = static_cast<size_t>(m_layout.w) * m_layout.bytesPerPixel;
    for (int y = 0; y < m_layout.h; ++y)
        for (size_t i = rowPixels; i < static_cast<size_t>(m_pitch); ++i)
            m_memory[start + static_cast<size_t>(y) * m_pitch + i] = pattern;
}

bool GuardedPixels::GuardsIntact() const
{
    const size_t start = PixelStart();
    const size_t end = start + PixelBytes();
    for (size_t i = 0; i < start; ++i)
        if (m_memory[i] != m_pattern)
            return false;
    for (size_t i = end; i < m_memory.size(); ++i)
        if (m_memory[i] != m_pattern)
            return false;
    return true;
}

bool GuardedPixels::PaddingIntact() const
{
    const size_t start = PixelStart();
    const size_t rowPixels = static_cast<size_t>(m_layout.w) * m_layout.bytesPerPixel;
    for (int y = 0; y < m_layout.h; ++y)
        for (size_t i = rowPixels; i < static_cast<size_t>(m_pitch); ++i)
            if (m_memory[start + static_cast<size_t>(y) * m_pitch + i] != m_pattern)
                return false;
    return true;
}
