// SPDX-License-Identifier: MIT
#pragma once

// What the frame loop does between two frames, decided by the platform the game is built
// for. On the desktop, nothing: the loop runs flat out. In a browser, the page is drawn
// only while the program waits, so the web layer shows the frame and waits for the next.
void EndFrame();
