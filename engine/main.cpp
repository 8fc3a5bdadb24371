// SPDX-License-Identifier: MIT
#include "engine/SDL_main.h"

#include <SDL.h>

// SDL 1.2 renames main to SDL_main on the platforms where its glue provides the real
// entry point. Where it does not (Linux among them), this is that entry point.
#ifndef main
int main(int argc, char* argv[])
{
    return SDL_main(argc, argv);
}
#endif
