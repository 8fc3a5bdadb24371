// SPDX-License-Identifier: MIT
#include "tests/engine/RecordingState.h"

void RecordingState::HandleEvents(CGameEngine* game)
{
    Record("HandleEvents");
    if (onNextEvents) {
        auto action = std::move(onNextEvents);
        onNextEvents = nullptr;
        action(game);
    }
}
