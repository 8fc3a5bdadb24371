// SPDX-License-Identifier: MIT
#pragma once

// The game's turn ends and the browser's may begin. Called by the engine after every
// frame; the only entry to this layer. It paces the game by one rule (HACKING, "The web
// layer's pacing"):
// - input waiting (in SDL's queue or the page's): the next frame runs at once, as on a
//   desktop, until the frames since the browser's last turn have taken kBusyFrameMs;
//   then the last frame is shown at the next animation frame, and the game goes on;
// - no input, and the frame differs from the one the canvas shows: it is shown at the
//   next animation frame, or input that comes first runs its frame before;
// - no input, and the same frame: the game waits for the page's next input, doing
//   nothing meanwhile (no copy, no animation frame, no timer).
// Whenever the program waits, its state is suspended by Asyncify and the page runs its
// handlers. After the wait SDL is given the input that arrived, as a desktop video
// driver would.
void YieldToBrowser();
