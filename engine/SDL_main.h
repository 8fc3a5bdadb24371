// SPDX-License-Identifier: MIT
#pragma once

// The game's own entry point: echoes its arguments, starts the engine on the intro
// screen and runs the frame loop until a screen quits. Returns 0 after a normal quit.
// Where SDL has platform glue it calls this; elsewhere the program's main forwards to it.
extern "C" int SDL_main(int argc, char* argv[]);
