// SPDX-License-Identifier: MIT
#pragma once

// The game's turn ends and the browser's begins: shows the frame just drawn in the page's
// canvas, lets the page run until its next animation frame (the program's state waits,
// suspended by Asyncify), then gives SDL the input that arrived meanwhile, as a desktop
// video driver would. Called by the engine after every frame; the only entry to this layer.
void YieldToBrowser();
