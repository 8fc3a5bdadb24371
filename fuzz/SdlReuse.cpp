// SPDX-License-Identifier: MIT
// Linked into the screens fuzzer only, in place of some of SDL's calls, since starting
// SDL, decoding a whole screen's picture and converting it cost many times what the rest
// of an input does: SDL stays up from one input to the next (a stop only empties the
// event queue), setting the mode the screen already has gives that screen cleared, and
// each picture file is decoded once and, when the game converts it as soon as it loads
// it, converted once. The game gets the pixels and format SDL would give it: in a copy of
// its own where it may draw, else in a shared surface whose frees SDL counts. The files
// do not change while the fuzzer runs.
#include <SDL.h>
#include <dlfcn.h>

#include <map>
#include <set>
#include <string>

namespace {

template <typename Function>
Function Real(const char* name)
{
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

SDL_Surface* CopyOf(SDL_Surface* master)
{
    return SDL_ConvertSurface(master, master->format, master->flags);
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
    // Never destroyed: the surfaces stay reachable until the leak check at exit.
    static auto& decoded = *new std::map<std::string, SDL_Surface*>;  // by file name
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
    if (g_convertedAtOnce.count(g_openedFile) != 0) {
        // Only converted and freed: shared, which SDL counts.
        ++found->second->refcount;
        g_lastLoad = found->second;
    } else {
        g_lastLoad = CopyOf(found->second);
    }
    g_lastLoadFile = g_openedFile;
    return g_lastLoad;
}

extern "C" SDL_Surface* SDL_DisplayFormat(SDL_Surface* surface)
{
    static const auto convert = Real<SDL_Surface* (*)(SDL_Surface*)>("SDL_DisplayFormat");
    static auto& converted = *new std::map<std::string, SDL_Surface*>;  // by file name
    const bool justLoaded = surface != nullptr && surface == g_lastLoad;
    g_lastLoad = nullptr;
    if (!justLoaded)
        return convert(surface);
    auto found = converted.find(g_lastLoadFile);
    if (found == converted.end())
        found = converted.emplace(g_lastLoadFile, convert(surface)).first;
    if (found->second == nullptr)
        return convert(surface);
    // Shared, not copied: the game only blits a picture it converts at once, and frees
    // it once, which SDL counts.
    g_convertedAtOnce.insert(g_lastLoadFile);
    ++found->second->refcount;
    return found->second;
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
