// SPDX-License-Identifier: MIT
#include "engine/EndFrame.h"

// The desktop game never sleeps between frames: its frame rate is as fast as it draws.
void EndFrame() {}
