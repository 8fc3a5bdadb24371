// SPDX-License-Identifier: MIT
#pragma once

#include <SDL.h>

#include <cstddef>
#include <vector>

// The shape of a surface to draw on: its size, pixel format, the padding after each row's
// pixels and how far the pixel memory sits from an aligned address.
struct PixelLayout {
    int w = 0;
    int h = 0;
    int bytesPerPixel = 4;
    Uint32 rmask = 0, gmask = 0, bmask = 0, amask = 0;
    int paddingBytes = 0;  // pitch = w * bytesPerPixel + paddingBytes
    int misalignment = 0;  // bytes between an aligned address and the first pixel
};

// Pixel memory the fuzzer owns, wrapped in an SDL_Surface with SDL_CreateRGBSurfaceFrom,
// with guard bytes before and after it: a write that strays outside the pixel memory
// changes a guard. Owns the memory and the surface header; the surface must not outlive it.
class GuardedPixels {
public:
    static constexpr size_t kGuardBytes = 256;

    explicit GuardedPixels(const PixelLayout& layout);
    ~GuardedPixels();
    GuardedPixels(const GuardedPixels&) = delete;
    GuardedPixels& operator=(const GuardedPixels&) = delete;

    // Null when SDL refuses the layout.
    SDL_Surface* Surface() const { return m_surface; }

    // Fills the guards and each row's padding with pattern. The caller picks a byte the
    // next drawing call cannot write, so that any stray write shows.
    void Mark(Uint8 pattern);
    // The bytes outside the pixel memory still hold the pattern.
    bool GuardsIntact() const;
    // The bytes after each row's pixels still hold the pattern.
    bool PaddingIntact() const;

private:
    size_t PixelStart() const { return kGuardBytes + static_cast<size_t>(m_layout.misalignment); }
    size_t PixelBytes() const
    {
        return static_cast<size_t>(m_pitch) * static_cast<size_t>(m_layout.h);
    }

    PixelLayout m_layout;
    int m_pitch;
    Uint8 m_pattern = 0;
    std::vector<Uint8> m_memory;
    SDL_Surface* m_surface = nullptr;
};
