// SPDX-License-Identifier: MIT
// Linked into the screens fuzzer only, in place of SDL's blit and fill where they copy or
// clear memory as it is: the pictures every title frame, the cells every board frame, the
// black screen each game and each board start with. SDL copies such a blit a row at a
// time through memcpy, and AddressSanitizer's two checks of each row cost more than the
// copying; here each surface's rows are checked in one go, the bytes between them too,
// before any is copied, and rows that follow one another without padding in both are one
// copy. A blit whose check fails is left to SDL, whose memcpy then reports the fault; a
// fill is a memset, which AddressSanitizer checks and reports itself.
#include "fuzz/StandIn.h"

#include <SDL.h>
#include <sanitizer/asan_interface.h>

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace {

// True when SDL would write pixels as plain memory: they are there, nothing locks them
// and nothing must, and no palette maps them.
bool IsPlainMemory(const SDL_Surface* surface)
{
    return surface->pixels != nullptr && surface->locked == 0 && !SDL_MUSTLOCK(surface) &&
           surface->format->palette == nullptr;
}

bool ClipsNothing(const SDL_Surface* surface)
{
    const SDL_Rect& clip = surface->clip_rect;
    return clip.x == 0 && clip.y == 0 && clip.w == surface->w && clip.h == surface->h;
}

// True when blitting all of source to (x, y) on target is SDL's copy of its rows as they
// are, with nothing clipped: one format, no colour key or alpha, the source wholly inside
// the target's clipping rectangle.
bool IsUnclippedCopy(const SDL_Surface* source, const SDL_Rect* part, const SDL_Surface* target,
                     int x, int y)
{
    if (source == nullptr || target == nullptr || part != nullptr)
        return false;
    const Uint32 special = SDL_SRCCOLORKEY | SDL_SRCALPHA | SDL_RLEACCEL;
    const SDL_Rect& clip = target->clip_rect;
    return IsPlainMemory(source) && IsPlainMemory(target) && (source->flags & special) == 0 &&
           SameFormat(source->format, target->format) && x >= clip.x && y >= clip.y &&
           x + source->w <= clip.x + clip.w && y + source->h <= clip.y + clip.h;
}

bool Unpoisoned(const Uint8* start, size_t bytes)
{
    return __asan_region_is_poisoned(const_cast<Uint8*>(start), bytes) == nullptr;
}

bool Overlap(const Uint8* a, size_t aBytes, const Uint8* b, size_t bBytes)
{
    const auto first = reinterpret_cast<uintptr_t>(a);
    const auto second = reinterpret_cast<uintptr_t>(b);
    return first < second + bBytes && second < first + aBytes;
}

// Copies source's rows to (x, y) on target. False, having copied nothing, where
// AddressSanitizer would stop SDL's copy or the rows overlap.
bool CopyRows(const SDL_Surface* source, SDL_Surface* target, int x, int y)
{
    // libc's own, past AddressSanitizer's, which would check every row again.
    static const auto copy = Real<void* (*)(void*, const void*, size_t)>("memcpy");
    const int bytesPerPixel = source->format->BytesPerPixel;
    const auto rowBytes = static_cast<size_t>(source->w) * bytesPerPixel;
    if (source->h <= 0 || rowBytes == 0)
        return true;
    const auto* from = static_cast<const Uint8*>(source->pixels);
    auto* to = static_cast<Uint8*>(target->pixels) + static_cast<ptrdiff_t>(y) * target->pitch +
               static_cast<ptrdiff_t>(x) * bytesPerPixel;
    // From the first row's start to the last row's end: the rows, and between them bytes
    // of the same pixel memory.
    const size_t sourceSpan = static_cast<size_t>(source->h - 1) * source->pitch + rowBytes;
    const size_t targetSpan = static_cast<size_t>(source->h - 1) * target->pitch + rowBytes;
    if (Overlap(from, sourceSpan, to, targetSpan) || !Unpoisoned(from, sourceSpan) ||
        !Unpoisoned(to, targetSpan))
        return false;
    if (source->pitch == target->pitch && static_cast<size_t>(source->pitch) == rowBytes) {
        copy(to, from, sourceSpan);
        return true;
    }
    for (int row = 0; row < source->h; ++row)
        copy(to + static_cast<ptrdiff_t>(row) * target->pitch,
             from + static_cast<ptrdiff_t>(row) * source->pitch, rowBytes);
    return true;
}

}  // namespace

extern "C" int SDL_UpperBlit(SDL_Surface* source, SDL_Rect* part, SDL_Surface* target, SDL_Rect* at)
{
    static const auto blit =
        Real<int (*)(SDL_Surface*, SDL_Rect*, SDL_Surface*, SDL_Rect*)>("SDL_UpperBlit");
    const int x = at != nullptr ? at->x : 0;
    const int y = at != nullptr ? at->y : 0;
    if (!IsUnclippedCopy(source, part, target, x, y) || !CopyRows(source, target, x, y))
        return blit(source, part, target, at);
    if (at != nullptr) {
        at->w = static_cast<Uint16>(source->w);
        at->h = static_cast<Uint16>(source->h);
    }
    return 0;
}

// The whole of a surface filled with black, its rows without padding, is one memset.
extern "C" int SDL_FillRect(SDL_Surface* target, SDL_Rect* area, Uint32 colour)
{
    static const auto fill = Real<int (*)(SDL_Surface*, SDL_Rect*, Uint32)>("SDL_FillRect");
    if (target == nullptr || area != nullptr || colour != 0 || !IsPlainMemory(target) ||
        !ClipsNothing(target) || target->pitch != target->w * target->format->BytesPerPixel)
        return fill(target, area, colour);
    std::memset(target->pixels, 0, static_cast<size_t>(target->h) * target->pitch);
    return 0;
}

// SDL copies with MMX and SSE when it may, which AddressSanitizer does not see; without
// them it copies with memcpy, so what SDL still copies is checked too. (Its own fills are
// plain stores inside SDL, unchecked either way.)
extern "C" SDL_bool SDL_HasMMX()
{
    return SDL_FALSE;
}

extern "C" SDL_bool SDL_HasSSE()
{
    return SDL_FALSE;
}
