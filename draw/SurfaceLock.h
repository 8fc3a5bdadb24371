// SPDX-License-Identifier: MIT
#pragma once

#include <SDL.h>

// Holds a surface's lock for one drawing call, if the surface must be locked before its
// pixels may be touched (the same test as SDL_MUSTLOCK: an offset, or a hardware,
// asynchronous-blit or RLE surface). It does not own the surface; it unlocks on leaving
// scope only if it locked. Internal to draw/.
namespace draw_detail {

inline bool MustLock(const SDL_Surface* surface)
{
    return surface->offset != 0 ||
           (surface->flags & (SDL_HWSURFACE | SDL_ASYNCBLIT | SDL_RLEACCEL)) != 0;
}

class SurfaceLock {
public:
    explicit SurfaceLock(SDL_Surface* surface) : m_surface(surface)
    {
        if (MustLock(surface)) {
            m_locked = SDL_LockSurface(surface) >= 0;
            m_failed = !m_locked;
        }
    }
    ~SurfaceLock()
    {
        if (m_locked) {
            SDL_UnlockSurface(m_surface);
        }
    }
    SurfaceLock(const SurfaceLock&) = delete;
    SurfaceLock& operator=(const SurfaceLock&) = delete;

    // False when the surface had to be locked and the lock was refused: draw nothing.
    [[nodiscard]] bool Held() const { return !m_failed; }

private:
    SDL_Surface* m_surface;
    bool m_locked = false;
    bool m_failed = false;
};

}  // namespace draw_detail
