// SPDX-License-Identifier: MIT
// Prints the real path of every SDL library that a program linked like the game has loaded
// once SDL 1.2's video has started, one a line: the stack it runs on. sdl12-compat loads
// SDL 2, and sdl2-compat SDL 3, only at run time, where ldd cannot see them. The test
// command names each stack by these files and checks that it got the one it asked for.
// Run it with SDL_VIDEODRIVER=dummy: it needs no display.
#include <SDL.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

int main()
{
    if (SDL_Init(SDL_INIT_VIDEO) < 0) {
        std::fprintf(stderr, "Couldn't initialize SDL: %s\n", SDL_GetError());
        return 1;
    }
    // Each mapping of a file ends with its path; a library has several mappings.
    std::ifstream maps("/proc/self/maps");
    std::set<std::string> libraries;
    std::string line;
    while (std::getline(maps, line)) {
        const auto path = line.find('/');
        if (path != std::string::npos && line.find("/libSDL", path) != std::string::npos) {
            libraries.insert(std::filesystem::weakly_canonical(line.substr(path)).string());
        }
    }
    SDL_Quit();
    for (const std::string& library : libraries) {
        std::puts(library.c_str());
    }
    return libraries.empty() ? 1 : 0;
}
