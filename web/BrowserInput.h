// SPDX-License-Identifier: MIT
#pragma once

// Hands SDL what the page queued since the last frame (Module.noughtsTakeInput): pointer
// motion and buttons in game pixels, keys as SDL key codes, gamepad buttons. Mouse and
// keys go in through SDL's own entry for video drivers, so that SDL keeps its mouse and
// key state and makes the same events as on a desktop; gamepad buttons become events of
// joystick 0, the only one the game opens.
void DeliverBrowserInput();
