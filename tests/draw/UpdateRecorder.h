// SPDX-License-Identifier: MIT
#pragma once

#include <SDL.h>

#include <vector>

// Records the display updates that the drawing code asks SDL for while it lives, for tests
// of what a screen shows: the unit test program's own SDL_UpdateRect, which takes the place
// of SDL's for the game's code linked into it, notes each call and passes it on to SDL.
// One at a time; the test that makes it owns it.
class UpdateRecorder {
public:
    struct Update {
        SDL_Surface* surface;
        Sint32 x, y;
        Uint32 w, h;
    };

    UpdateRecorder();
    ~UpdateRecorder();
    UpdateRecorder(const UpdateRecorder&) = delete;
    UpdateRecorder& operator=(const UpdateRecorder&) = delete;

    // The updates asked for since the last call, which forgets them.
    std::vector<Update> Take();

private:
    friend void RecordUpdate(const Update& update);
    std::vector<Update> m_updates;
};
