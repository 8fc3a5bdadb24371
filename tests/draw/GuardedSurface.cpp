// SPDX-License-Identifier: MIT
#include "tests/draw/GuardedSurface.h"

#include <algorithm>

namespace {

constexpr Uint8 kGuardPattern = 0xA5;
constexpr Uint8 kPaddingPattern = 0x5A;

}  // namespace

GuardedSurface::GuardedSurface(int w, int h, int bytesPerPixel, int paddingBytes)
    : m_rowBytes(w * bytesPerPixel),
      m_pitch(m_rowBytes + paddingBytes),
      m_memory(2 * kGuardBytes + static_cast<size_t>(m_pitch) * h, kGuardPattern)
{
    Uint8* pixels = m_memory.data() + kGuardBytes;
    for (int y = 0; y < h; ++y) {
        std::fill_n(pixels + y * m_pitch, m_rowBytes, 0);
        std::fill_n(pixels + y * m_pitch + m_rowBytes, paddingBytes, kPaddingPattern);
    }
    m_surface = sdltest::MakeSurface(w, h, bytesPerPixel, pixels, m_pitch);
}

bool GuardedSurface::GuardsIntact() const
{
    const auto isGuard = [](Uint8 byte) {
        return byte == kGuardPattern;
    };
    return std::all_of(m_memory.begin(), m_memory.begin() + kGuardBytes, isGuard) &&
           std::all_of(m_memory.end() - kGuardBytes, m_memory.end(), isGuard);
}

bool GuardedSurface::PaddingIntact() const
{
    const auto isPadding = [](Uint8 byte) {
        return byte == kPaddingPattern;
    };
    for (auto row = m_memory.begin() + kGuardBytes; row != m_memory.end() - kGuardBytes;
         row += m_pitch)
        if (!std::all_of(row + m_rowBytes, row + m_pitch, isPadding))
            return false;
    return true;
}
