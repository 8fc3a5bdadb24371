// SPDX-License-Identifier: MIT
#pragma once

// The C library whose rand the replayed computer draws from. The board's AI, linked into
// the tests, calls rand and srand; this test program defines both, so that a replay can
// follow the Linux program (glibc's own), the Windows one, whose C runtime, msvcrt.dll,
// has a generator of its own (Wine's msvcrt has the same), or the web one, built with
// Emscripten's musl. Only the move planner switches.
namespace e2e {

enum class GameLibc { Glibc, Msvcrt, Musl };

// From now on rand and srand are those of libc.
void ReplayRandOf(GameLibc libc);

}  // namespace e2e
