// SPDX-License-Identifier: MIT
#include "engine/EndFrame.h"

#include "web/Browser.h"

void EndFrame()
{
    YieldToBrowser();
}
