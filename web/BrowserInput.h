// SPDX-License-Identifier: MIT
#pragma once

// Hands SDL what the page queued (Module.noughtsTakeInput): pointer motion and buttons in
// game pixels, keys as SDL key codes, gamepad buttons, and the page's focus and
// visibility. Mouse, keys and focus go in through SDL's own entries for video drivers, so
// that SDL keeps its mouse, key and focus state and makes the same events as on a
// desktop (losing the focus releases every key held); gamepad buttons become events of
// joystick 0, the only one the game opens. SDL's queue is only handed what leaves it
// room; the rest stays in the page's queue, in order, for the next call.
void DeliverBrowserInput();

// Whether input waits for the game, in SDL's queue or in the page's.
bool BrowserInputPending();
