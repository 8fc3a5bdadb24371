// SPDX-License-Identifier: MIT
#include "tests/draw/UpdateRecorder.h"

#include <dlfcn.h>

#include <utility>

namespace {

UpdateRecorder* g_recorder = nullptr;

}  // namespace

void RecordUpdate(const UpdateRecorder::Update& update)
{
    g_recorder->m_updates.push_back(update);
}

UpdateRecorder::UpdateRecorder()
{
    g_recorder = this;
}

UpdateRecorder::~UpdateRecorder()
{
    g_recorder = nullptr;
}

std::vector<UpdateRecorder::Update> UpdateRecorder::Take()
{
    return std::exchange(m_updates, {});
}

extern "C" void SDL_UpdateRect(SDL_Surface* screen, Sint32 x, Sint32 y, Uint32 w, Uint32 h)
{
    if (g_recorder != nullptr) {
        RecordUpdate({screen, x, y, w, h});
    }
    using Sdls = void(SDL_Surface*, Sint32, Sint32, Uint32, Uint32);
    reinterpret_cast<Sdls*>(dlsym(RTLD_NEXT, "SDL_UpdateRect"))(screen, x, y, w, h);
}
