// SPDX-License-Identifier: MIT
#pragma once

#include <SDL.h>

// Feeds input to the screens the way SDL would deliver it: each call queues one event.
// Joystick events are queued directly, since SDL 1.2 cannot fake a joystick device.
namespace sdltest {

void PushKeyDown(SDLKey key);
void PushKeyUp(SDLKey key);
void PushJoyButtonDown(Uint8 button);
void PushMouseMotion(Uint16 x, Uint16 y);
void PushMouseButtonDown(Uint8 button, Uint16 x, Uint16 y);
void PushQuit();

// Drops every queued event, so that a test starts from a quiet queue.
void DrainEvents();
// The number of events still queued.
int PendingEvents();

}  // namespace sdltest
