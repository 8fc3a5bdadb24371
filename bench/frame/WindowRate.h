// SPDX-License-Identifier: MIT
#pragma once

// Frames per second of the play screen, idle on an empty board, in a real window: the
// engine started under SDL's X11 driver, the board opened with Space on the intro and on
// the menu as a player would, then frames run back to back (as the game's loop runs them)
// for the given time in all, alternating with the SDL-drawn picture in the same window.
// Prints frames per second and CPU per frame of both; returns the process's exit status.
int MeasureWindowFrameRate(double seconds);
