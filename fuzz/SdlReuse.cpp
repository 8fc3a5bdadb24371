// SPDX-License-Identifier: MIT
// Linked into the screens fuzzer only, in place of some of SDL's calls, since starting
// SDL and decoding and converting pictures cost many times what the rest of an input
// does: SDL stays up from one input to the next (a stop only empties the event queue),
// setting the mode the screen already has gives that screen cleared, each picture file is
// decoded once, and the same pixels are converted to the screen's format once. Every load
// and conversion still gives a new surface, which the game frees for real, so a double
// free or a use after free of a picture still shows. It holds the pixels and format SDL
// would give: a copy of its own where the game may draw, else a view of the kept pixels.
// The files do not change while the fuzzer runs.
#include "fuzz/StandIn.h"

#include <SDL.h>

#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

SDL_Surface* CopyOf(SDL_Surface* kept)
{
    return SDL_ConvertSurface(kept, kept->format, kept->flags);
}

// A new surface over the kept one's pixels, which it leaves in place when freed. For a
// picture the game only blits and frees; one with a palette is copied, palette and all.
SDL_Surface* ViewOf(SDL_Surface* kept)
{
    const SDL_PixelFormat* format = kept->format;
    if (format->palette != nullptr)
        return CopyOf(kept);
    return SDL_CreateRGBSurfaceFrom(kept->pixels, kept->w, kept->h, format->BitsPerPixel,
                                    kept->pitch, format->Rmask, format->Gmask, format->Bmask,
                                    format->Amask);
}

// Surfaces kept by file name; never freed, so they stay reachable for the leak check.
using Kept = std::map<std::string, SDL_Surface*>;

// What a conversion was given, kept beside its result.
struct KeptConversion {
    SDL_Surface* source;
    SDL_Surface* converted;
};

// Enough for every picture and sprite the game converts; past it, SDL converts.
constexpr size_t kMostConversionsKept = 64;

// Only plain pixels are compared: a palette or run-length encoding would have to be too.
bool Comparable(const SDL_Surface* surface)
{
    return surface->pixels != nullptr && surface->format->palette == nullptr &&
           (surface->flags & SDL_RLEACCEL) == 0;
}

bool SamePixels(const SDL_Surface* a, const SDL_Surface* b)
{
    return a->w == b->w && a->h == b->h && a->pitch == b->pitch &&
           (a->flags & ~SDL_PREALLOC) == (b->flags & ~SDL_PREALLOC) &&
           SameFormat(a->format, b->format) && a->format->colorkey == b->format->colorkey &&
           a->format->alpha == b->format->alpha &&
           std::memcmp(a->pixels, b->pixels, static_cast<size_t>(a->h) * a->pitch) == 0;
}

// A copy of the kept result of converting these pixels before, else SDL's conversion,
// whose result is kept for the next time.
SDL_Surface* ConvertOnce(SDL_Surface* surface, SDL_Surface* (*convert)(SDL_Surface*))
{
    // Never freed, like the pictures.
    static auto& conversions = *new std::vector<KeptConversion>;
    if (surface == nullptr || !Comparable(surface))
        return convert(surface);
    for (const KeptConversion& kept : conversions) {
        if (SamePixels(surface, kept.source))
            return CopyOf(kept.converted);
    }
    SDL_Surface* converted = convert(surface);
    if (converted != nullptr && conversions.size() < kMostConversionsKept)
        conversions.push_back({CopyOf(surface), CopyOf(converted)});
    return converted;
}

std::string g_openedFile;                 // the name of the last file opened
std::set<std::string> g_convertedAtOnce;  // files the game converts as soon as it loads them
SDL_Surface* g_lastLoad = nullptr;        // the last surface a load gave, until converted
std::string g_lastLoadFile;

}  // namespace

extern "C" SDL_RWops* SDL_RWFromFile(const char* file, const char* mode)
{
    static const auto open = Real<SDL_RWops* (*)(const char*, const char*)>("SDL_RWFromFile");
    g_openedFile = file != nullptr ? file : "";
    return open(file, mode);
}

extern "C" SDL_Surface* SDL_LoadBMP_RW(SDL_RWops* source, int freeSource)
{
    static const auto load = Real<SDL_Surface* (*)(SDL_RWops*, int)>("SDL_LoadBMP_RW");
    static auto& decoded = *new Kept;
    g_lastLoad = nullptr;
    const auto found = decoded.find(g_openedFile);
    if (source == nullptr || found == decoded.end()) {
        SDL_Surface* picture = load(source, freeSource);
        if (source != nullptr && picture != nullptr)
            decoded.emplace(g_openedFile, CopyOf(picture));
        return picture;
    }
    if (freeSource)
        SDL_RWclose(source);
    // Converted and freed at once, untouched: a view does.
    const bool onlyConverted = g_convertedAtOnce.count(g_openedFile) != 0;
    g_lastLoad = onlyConverted ? ViewOf(found->second) : CopyOf(found->second);
    g_lastLoadFile = g_openedFile;
    return g_lastLoad;
}

extern "C" SDL_Surface* SDL_DisplayFormat(SDL_Surface* surface)
{
    static const auto convert = Real<SDL_Surface* (*)(SDL_Surface*)>("SDL_DisplayFormat");
    static auto& converted = *new Kept;
    const bool justLoaded = surface != nullptr && surface == g_lastLoad;
    g_lastLoad = nullptr;
    if (!justLoaded)
        return ConvertOnce(surface, convert);
    auto found = converted.find(g_lastLoadFile);
    if (found == converted.end())
        found = converted.emplace(g_lastLoadFile, convert(surface)).first;
    if (found->second == nullptr)
        return convert(surface);
    // The game only blits a picture it converts at once.
    g_convertedAtOnce.insert(g_lastLoadFile);
    return ViewOf(found->second);
}

// Setting the mode the screen already has gives that screen again, black, as SDL would
// give a new one.
extern "C" SDL_Surface* SDL_SetVideoMode(int width, int height, int bpp, Uint32 flags)
{
    static const auto set = Real<SDL_Surface* (*)(int, int, int, Uint32)>("SDL_SetVideoMode");
    SDL_Surface* screen = SDL_GetVideoSurface();
    if (screen == nullptr || screen->w != width || screen->h != height ||
        screen->format->BitsPerPixel != bpp ||
        (screen->flags & SDL_FULLSCREEN) != (flags & SDL_FULLSCREEN))
        return set(width, height, bpp, flags);
    SDL_FillRect(screen, nullptr, 0);
    return screen;
}

// Stopping would empty the event queue: the next input starts with a quiet one.
extern "C" void SDL_Quit()
{
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
    }
}
