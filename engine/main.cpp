// SPDX-License-Identifier: MIT
#include "engine/SDL_main.h"

#include <SDL.h>

#include <cstdlib>

// SDL 1.2 renames main to SDL_main on the platforms where its glue provides the real
// entry point. Where it does not (Linux among them), this is that entry point. It ends
// the program with exit, which is what a return from main means: in a browser, main
// returns into the page's event loop once it has waited for a frame, and only exit then
// ends the program, runs the exit handlers and reports the status.
#ifndef main
int main(int argc, char* argv[])
{
    std::exit(SDL_main(argc, argv));
}
#endif
