// SPDX-License-Identifier: MIT
#pragma once

// Shuts SDL down. Registered with atexit as soon as SDL has started, so that every
// later exit, the fatal ones included, leaves the display as it found it.
void Terminate();
